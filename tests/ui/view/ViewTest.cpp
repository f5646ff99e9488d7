// The grid view inside a document window: layouts, editing through the grid, references, New
// and Delete node, and what it tells a person about changes it makes on its own.
#include "ViewTestSupport.h"

#include "app/ModelRegistry.h"
#include "app/StringTable.h"
#include "model/HamCpsElement.h"
#include "ui/frames/UiConstants.h"
#include "ui/panes/CFunctionPane.h"
#include "ui/panes/CFunctionTree.h"
#include "ui/view/CValdrenCpsView.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTreeWidgetItemIterator>
#include <QtTest>

using namespace vd;
using namespace Qt::StringLiterals;

class ViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<vdtest::TestFrame> frame_;

    CGrid2& Grid() { return frame_->View().Grid(); }
    CellId Cell(const std::string& name) { return vdtest::FindValueCell(Grid(), name); }
    void Open(const std::string& model) { frame_ = std::make_unique<vdtest::TestFrame>(model); }

private slots:
    void cleanup() { frame_.reset(); }

    void readDeviceTimerShowsThePortAndRunsTheReadOnce() {
        Open(vdtest::kFixtureModel);
        CValdrenCpsView& view = frame_->View();
        view.StartReadDeviceTimer();
        QVERIFY(view.IsReadDeviceTimerActive());
        auto* reading = view.findChild<QLabel*>();
        QVERIFY(reading && reading->isVisibleTo(&view));
        QCOMPARE(reading->text(), QStringLiteral("Reading from COM11\u2026"));
        QVERIFY(!view.Grid().isVisibleTo(&view));
        QTRY_COMPARE_WITH_TIMEOUT(frame_->readDeviceRuns, 1, 10000);
        QVERIFY(!view.IsReadDeviceTimerActive());
        QVERIFY(!reading->isVisibleTo(&view));
        QVERIFY(view.Grid().isVisibleTo(&view));
    }

    void navigationCommandsMoveTheTreeSelection() {
        Open(vdtest::kFixtureModel);
        frame_->Select("c0109", "chapter");
        frame_->Functions().Tree().setCurrentItem(
            frame_->Functions().Tree().RecordItem("e01090003"));
        const std::pair<int, const char*> steps[] = {{ui::ID_NEXT_NODE, "e01090004"},
                                                     {ui::ID_MOVE_FIRST_NODE, "e01090002"},
                                                     {ui::ID_LAST_NODE, "e01090004"},
                                                     {ui::ID_MOVE_NEXT_NODE, "c0110"},
                                                     {ui::ID_MOVE_PREVIOUS_NODE, "e01090004"}};
        for (const auto& [command, selected] : steps) {
            QVERIFY(frame_->View().HandleCommand(command));
            QCOMPARE(frame_->GetDocument().SelectedId(), std::string(selected));
        }
    }

    // the default grid has two pairs a row; a layout's headings are painted to the row's end
    void defaultAndLayoutGrids() {
        Open(vdtest::kFixtureModel);
        frame_->Select("c0101", "chapter");
        QCOMPARE(Grid().GetColumnCount(), 5);
        QCOMPARE(Grid().GetRowCount(), 5); // nine shown settings (one is hidden)
        QCOMPARE(Grid().GetItemText(0, 3), QStringLiteral("Power"));
        QCOMPARE(Grid().GetItemText(1, 1), QStringLiteral("Password"));
        QVERIFY(!vdtest::FindValueCell(Grid(), "Secret").IsValid());

        frame_->Select("c0103", "chapter");
        QCOMPARE(Grid().GetRowCount(), 2);
        QCOMPARE(Grid().GetItemText(0, 1), QStringLiteral("Heading"));
        QCOMPARE(Grid().GetCell(0, 4).background, QColor(0, 0xFF, 0));
        QCOMPARE(Grid().columnSpan(0, 1), 4);
        QCOMPARE(Cell("LayoutA"), (CellId{1, 2}));
        QCOMPARE(Cell("LayoutB"), (CellId{1, 4}));
        QCOMPARE(Grid().GetCell(1, 3).background, QColor(0xFF, 0, 0));
        QVERIFY(!vdtest::FindValueCell(Grid(), "NotInLayout").IsValid());
    }

    // what typed text becomes: the kept password, check boxes, dropped characters (said once,
    // with the set) and a locked cell (grey, no editor, refused)
    void typedTextIsStoredAfterTheRules() {
        const QString chars = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"_s;
        const struct {
            const char* rule;
            const char* name;
            const char* typed;
            bool accepted;
            const char* stored;
            const char* shown; // null: what is stored
        } rows[] = {
            {"", "Password", "*********", true, "1234", "*********"}, // only stars keep it
            {"", "Password", "***5678", true, "5678", "*********"},   // stars around a new one
            {"", "Password", "", true, "", ""},
            {"char", "Label", "ab-1", true, "AB1", nullptr},
            {"", "Beep", "0", true, "", nullptr}, // a check box is never 0
            {"locked", "Label", "changed", false, "abc", nullptr},
        };
        for (const auto& row : rows) {
            const QString rule = QString::fromLatin1(row.rule);
            Open(vdtest::kFixtureModel);
            if (rule == "char") {
                frame_->Test()->rules["Label"] = {"char", {0}, {5}, chars.toStdString()};
            }
            if (rule == "locked") {
                frame_->Test()->readOnlyKeys.insert("e01010007_Label");
            }
            frame_->Select("c0101", "chapter");
            const CellId cell = Cell(row.name);
            const std::string id = Grid().GetItemElement(cell.row, cell.column)->id;
            QCOMPARE(Grid().GetCell(cell.row, cell.column).enabled, rule != "locked");
            if (rule == "locked") {
                QVERIFY(!(Grid().model()->flags(Grid().model()->index(cell.row, cell.column)) &
                          Qt::ItemIsEditable));
            }
            QVERIFY2(frame_->Type(row.name, QString::fromUtf8(row.typed)) == row.accepted,
                     row.typed);
            const QString stored = QString::fromUtf8(row.stored);
            QCOMPARE(QString::fromStdString(vdtest::StoredValue(frame_->Control(), id)), stored);
            QCOMPARE(frame_->Shown(row.name), row.shown ? QString::fromUtf8(row.shown) : stored);
            QCOMPARE(frame_->modified, row.accepted); // an accepted edit is one undo step
            QCOMPARE(frame_->messages.texts,
                     rule == "char"
                         ? QStringList{QString::fromStdString(LoadString(IDS_INPUT_WITHIN)) + ": " +
                                       chars}
                         : QStringList{});
        }
    }

    void referenceCellsOfferTheCurrentRecords() {
        Open(vdtest::kFixtureModel);
        frame_->Select("c0101", "chapter");
        const CellId channel = Cell("home1PwrupChnl");
        Grid().SetFocusCell(channel.row, channel.column);
        QStringList texts;
        for (const GridChoice& choice : Grid().GetCell(channel.row, channel.column).choices) {
            texts << choice.text;
        }
        QCOMPARE(texts, QStringList({"None", "CH1", "CH2"}));
        QVERIFY(Grid().CommitEdit(channel.row, channel.column, QStringLiteral("CH2"), 2));
        QCOMPARE(vdtest::StoredValue(frame_->Control(), "e01010010"), std::string("e01090004"));
        QCOMPARE(frame_->Shown("home1PwrupChnl"), QStringLiteral("CH2"));

        const CellId zone = Cell("home1PwrupZoneIndex");
        QVERIFY(Grid().CommitEdit(zone.row, zone.column, QStringLiteral("None"), 0));
        QCOMPARE(vdtest::StoredValue(frame_->Control(), "e01010009"), std::string());
        QCOMPARE(frame_->Shown("home1PwrupZoneIndex"), QStringLiteral("None"));
    }

    void renamingARecordRenamesItsTreeItemAtOnce() {
        Open(vdtest::kGx5TestModel);
        frame_->Select("e01090005", "element");
        QCOMPARE(frame_->Shown("ChannelName"), QStringLiteral("CH1"));
        QVERIFY(frame_->Type("ChannelName", QStringLiteral("Base")));
        QTreeWidgetItem* item = frame_->Functions().Tree().RecordItem("e01090005");
        QVERIFY(item);
        QCOMPARE(item->text(0), QStringLiteral("Base"));
        frame_->Functions().UpdateCurrentTreeNode("e01099999"); // no such record: ignored
    }

    void newNodeWithoutAFreeRecordOrAtTheMaximumShowsTheMessage() {
        Open(vdtest::kFixtureModel);
        frame_->Select("e01100002", "element"); // the scan lists have no free record
        frame_->View().OnNodeNew();
        QCOMPARE(frame_->messages.texts,
                 QStringList({QString::fromStdString(LoadString(IDS_CANNOT_CREATE))}));
        QVERIFY(!frame_->modified);
        frame_->Test()->capacities["ChannelName"] = 3; // three channels in use already
        frame_->Select("c0109", "chapter");
        QVERIFY(frame_->View().IsCommandEnabled(ui::ID_NODE_NEW));
        QVERIFY(frame_->View().HandleCommand(ui::ID_NODE_NEW));
        QCOMPARE(frame_->messages.texts.mid(1),
                 QStringList({QString::fromStdString(LoadString(IDS_MAXIMUM_EXCEEDED))
                                  .replace(QLatin1String("%s"), QLatin1String("Channels"))}));

        frame_->Test()->capacities["ChannelName"] = 4;
        frame_->View().OnNodeNew();
        QCOMPARE(frame_->messages.texts.size(), 2); // nothing more was said
        vd::ElementList channels;
        frame_->Control().GetElementsByName("ChannelName", channels);
        QCOMPARE(channels.size(), size_t(5));
        // the new record is in the tree, selected and shown
        const std::string created = channels.back()->id;
        QCOMPARE(frame_->GetDocument().SelectedId(), created);
        QVERIFY(frame_->Functions().Tree().RecordItem(created));
        QCOMPARE(frame_->Shown("ChannelName"), QString::fromStdString(channels.back()->inputValue));
        QVERIFY(frame_->modified);
    }

    void deleteNodeAsksRemovesTheRecordAndNamesTheReferencesItClears() {
        // a fixed channel is neither offered nor asked about
        Open("VS73");
        frame_->Select("e01090002", "element");
        QVERIFY(!frame_->View().IsCommandEnabled(ui::ID_NODE_DELETE));
        frame_->View().OnNodeDelete();
        QVERIFY(frame_->messages.texts.isEmpty() && frame_->Control().GetElement("e01090002"));

        Open(vdtest::kFixtureModel);
        frame_->Select("e01090004", "element");
        QVERIFY(frame_->View().IsCommandEnabled(ui::ID_NODE_DELETE));
        frame_->messages.answer = QMessageBox::No;
        frame_->View().OnNodeDelete();
        QCOMPARE(frame_->messages.texts.size(), 1);
        QVERIFY(frame_->messages.texts.front().contains(QLatin1String("CH2")));
        QVERIFY(frame_->Control().GetElement("e01090004"));

        frame_->messages.answer = QMessageBox::Yes;
        frame_->View().OnNodeDelete();
        QVERIFY(!frame_->Control().GetElement("e01090004"));
        QVERIFY(!frame_->Functions().Tree().RecordItem("e01090004"));
        QCOMPARE(frame_->GetDocument().SelectedId(), std::string("e01090003"));

        // CH1: a setting points to it and a list holds it as a member
        QSignalSpy notices(&frame_->View(), &CValdrenCpsView::Noticed);
        frame_->messages.texts.clear();
        frame_->View().OnNodeDelete();
        QCOMPARE(frame_->messages.texts.size(), 1);
        QVERIFY(frame_->messages.texts.front().endsWith(
            QStringLiteral("cleared: Power-up channel; Scan1: Channel")));
        QCOMPARE(notices.size(), 2); // and one notice each
    }

    void cutCopyPasteWorkOnTheCellText() {
        Open(vdtest::kFixtureModel);
        frame_->Select("c0101", "chapter");
        const CellId label = Cell("Label");
        Grid().SetFocusCell(label.row, label.column);
        QVERIFY(frame_->View().HandleCommand(ui::ID_EDIT_CUT));
        QCOMPARE(vdtest::StoredValue(frame_->Control(), "e01010007"), std::string());
        const CellId note = Cell("Note");
        Grid().SetFocusCell(note.row, note.column);
        QVERIFY(frame_->View().HandleCommand(ui::ID_EDIT_PASTE));
        QCOMPARE(vdtest::StoredValue(frame_->Control(), "e01010005"), std::string("abc"));
        QVERIFY(frame_->View().HandleCommand(ui::ID_EDIT_COPY));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("abc"));
        // the file cell takes the bitmap chosen
        frame_->View().SetBitmapChooser([](QWidget*) { return QStringLiteral("/data/logo.bmp"); });
        const CellId file = Cell("BootImage");
        Grid().PressButton(file.row, file.column);
        QCOMPARE(vdtest::StoredValue(frame_->Control(), "e01010004"),
                 std::string("/data/logo.bmp"));
        QCOMPARE(frame_->Shown("BootImage"), QStringLiteral("/data/logo.bmp"));
    }

    void everyNodeOfEveryModelShowsWithoutAComplaint() {
        for (const std::string& model : ModelRegistry::ModelNames()) {
            if (model == vdtest::kGx5TestModel || model == vdtest::kFixtureModel) {
                continue;
            }
            Open(model);
            int shown = 0;
            for (QTreeWidgetItemIterator it(&frame_->Functions().Tree()); *it; ++it) {
                frame_->Functions().Tree().setCurrentItem(*it);
                QCOMPARE(frame_->GetDocument().SelectedId(), CFunctionTree::SplitDatum(*it).first);
                ++shown;
            }
            QVERIFY2(frame_->messages.texts.isEmpty(),
                     qPrintable(QString::fromStdString(model) + ": " +
                                frame_->messages.texts.join(QLatin1String(" | "))));
            QVERIFY2(shown > 5, model.c_str());
        }
    }

    void gx5gFixedTransmitFrequencyDisablesBandwidthAndPower() {
        Open("GX5G");
        // a new channel is made from the free record, whose fields are not locked
        frame_->Select("c0109", "chapter");
        frame_->View().OnNodeNew();
        QVERIFY(Grid().GetCell(Cell("BandWidth").row, Cell("BandWidth").column).enabled);
        // the values the rule sets: Gx5RulesTest; here the cells that follow them
        QVERIFY(frame_->Type("TxFrequency", QStringLiteral("467.5875")));
        const CellId bandwidth = Cell("BandWidth");
        const CellId power = Cell("ChannelPower");
        QVERIFY(!Grid().GetCell(bandwidth.row, bandwidth.column).enabled);
        QVERIFY(!Grid().GetCell(power.row, power.column).enabled);
        // the cell shows the new value
        QCOMPARE(Grid().GetItemElement(bandwidth.row, bandwidth.column)->inputValue,
                 std::string("1"));
    }

    // what the view tells a person about changes it makes on its own: the band question (No
    // keeps the band, Yes moves the channels)
    void bandChangeAsksFirst() {
        for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
            const bool yes = answer == QMessageBox::Yes;
            Open("VS73");
            frame_->Select("c0103", "chapter");
            QSignalSpy notices(&frame_->View(), &CValdrenCpsView::Noticed);
            frame_->messages.answer = answer;
            frame_->Type("freq_range", QStringLiteral("136-174 MHz"), 0);
            QCOMPARE(frame_->messages.texts.size(), 1);
            QVERIFY(frame_->messages.texts.front().startsWith(
                u"Changing the band moves the frequencies of 16 channels into 136\u2013174 MHz."_s));
            QCOMPARE(vdtest::StoredValue(frame_->Control(), "e01030001"), yes ? "0" : "1");
            QCOMPARE(vdtest::FieldValue(frame_->Control(), "e01090002", "rxfreq"),
                     yes ? "174000000" : "446006250");
            // every moved frequency is listed, both fields of all 16 channels
            QCOMPARE(notices.size(), yes ? 32 : 0);
        }
        // the band and the channels it moved are one undo step
        QCOMPARE(frame_->lastStep, QStringLiteral("Edit Frequency range"));
        UndoJournal& journal = frame_->GetDocument().Journal();
        QCOMPARE(journal.Undo(), std::string("Edit Frequency range"));
        frame_->SendFrameMessage(ui::WM_VALUES_REPLACED, 0);
        // the view shows the band that came back
        QCOMPARE(frame_->Shown("freq_range"), QStringLiteral("400-480 MHz"));
        QVERIFY(!journal.CanUndo());
    }

    // a moved value is said in a notice; a refused one also in a message box
    void movedAndRefusedValuesAreReported() {
        const QString outside = u" is outside 400.000000\u2013480.000000 MHz; set to "_s;
        const std::tuple<QString, std::string, QString> rows[] = {
            {u"999"_s, "480000000", "999.000000" + outside + "480.000000"},
            {u"446.0061"_s, "446006100", u"446.006100 MHz is not on a channel step"_s},
            {u"446.0125"_s, "446012500", QString()},
            {u"abc"_s, "446006250", u"\"abc\" is not a number"_s}};
        for (const auto& [typed, stored, notice] : rows) {
            Open("VS73");
            frame_->Select("e01090002", "element");
            QSignalSpy notices(&frame_->View(), &CValdrenCpsView::Noticed);
            frame_->Type("rxfreq", typed);
            QCOMPARE(vdtest::FieldValue(frame_->Control(), "e01090002", "rxfreq"), stored);
            QCOMPARE(notices.size(), notice.isEmpty() ? 0 : 1);
            QVERIFY2(notice.isEmpty() || notices.front().front().toString().startsWith(notice),
                     qPrintable(typed));
            QCOMPARE(frame_->messages.texts.size(), typed == u"abc"_s ? 1 : 0);
            const CellId cell = Cell("rxfreq");
            QVERIFY(
                Grid().GetCell(cell.row, cell.column).toolTip.contains(u"400.000000\u2013480"_s));
        }
    }

    // a character outside the set is not taken, nor one beyond the length
    void nameEditorStopsWhereTheRadioDoes() {
        Open(vdtest::kFixtureModel);
        frame_->Test()->rules["Label"] = {"char", {0}, {5}, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"};
        frame_->Select("c0101", "chapter");
        const QModelIndex index = Grid().model()->index(Cell("Label").row, Cell("Label").column);
        QWidget parent;
        std::unique_ptr<QWidget> editor(
            Grid().itemDelegateForIndex(index)->createEditor(&parent, {}, index));
        auto* line = qobject_cast<QLineEdit*>(editor.get());
        QVERIFY(line);
        line->setFocus();
        QTest::keyClicks(line, u"ab-1cdefgh"_s);
        QCOMPARE(line->text(), u"ab1cd"_s);
    }
};

QTEST_MAIN(ViewTest)
#include "ViewTest.moc"
