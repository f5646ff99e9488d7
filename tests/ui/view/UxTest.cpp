// What the view tells a person about changes it makes on its own: the band question, moved
// and refused values, the references a deletion clears, and Delete offered only where it
// works.
#include "ViewTestSupport.h"

#include "model/HamCpsElement.h"
#include "ui/frames/UiConstants.h"
#include "ui/panes/CFunctionTree.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

using namespace vd;

class UxTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<vdtest::TestFrame> frame_;

    bool Type(const std::string& name, const QString& text, int chosen = -1) {
        CGrid2& grid = frame_->View().Grid();
        const CellId cell = vdtest::FindValueCell(grid, name);
        grid.SetFocusCell(cell.row, cell.column);
        return grid.CommitEdit(cell.row, cell.column, text, chosen);
    }

private slots:
    void initTestCase() { vdtest::SetUpTestEnvironment(); }
    void cleanup() { frame_.reset(); }

    void bandChangeAsksFirst_data() {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("range");
        QTest::addColumn<QString>("channel");
        QTest::newRow("yes moves the channels") << QMessageBox::Yes << "0"
                                                << "174000000";
        QTest::newRow("no keeps the band") << QMessageBox::No << "1"
                                           << "446006250";
    }
    void bandChangeAsksFirst() {
        QFETCH(QMessageBox::StandardButton, answer);
        frame_ = std::make_unique<vdtest::TestFrame>("VS73");
        frame_->Select("c0103", "chapter");
        QSignalSpy notices(&frame_->View(), &CValdrenCpsView::Noticed);
        frame_->messages.answer = answer;
        Type("freq_range", QStringLiteral("136-174 MHz"), 0);
        QCOMPARE(frame_->messages.texts.size(), 1);
        QVERIFY(frame_->messages.texts.front().startsWith(
            QStringLiteral("Changing the band moves the frequencies of 16 channels into "
                           "136\u2013174 MHz.")));
        QCOMPARE(QString::fromStdString(vdtest::StoredValue(frame_->Control(), "e01030001")),
                 QString(QTest::currentDataTag()[0] == 'y' ? "0" : "1"));
        QFETCH(QString, channel);
        QCOMPARE(vdtest::StoredField(frame_->Control(), "e01090002", "rxfreq"),
                 channel.toStdString());
        // every moved frequency is listed, both fields of all 16 channels
        QCOMPARE(notices.size(), answer == QMessageBox::Yes ? 32 : 0);
    }

    void bandChangeIsOneUndoStep() {
        frame_ = std::make_unique<vdtest::TestFrame>("VS73");
        frame_->Select("c0103", "chapter");
        frame_->messages.answer = QMessageBox::Yes;
        Type("freq_range", QStringLiteral("136-174 MHz"), 0);
        QCOMPARE(frame_->lastStep, QStringLiteral("Edit Frequency range"));
        UndoJournal& journal = frame_->GetDocument().Journal();
        QCOMPARE(journal.Undo(), std::string("Edit Frequency range"));
        frame_->SendFrameMessage(ui::WM_VALUES_REPLACED, 0);
        QCOMPARE(vdtest::StoredField(frame_->Control(), "e01090002", "rxfreq"),
                 std::string("446006250"));
        // the view shows the band that came back
        const CellId cell = vdtest::FindValueCell(frame_->View().Grid(), "freq_range");
        QCOMPARE(frame_->View().Grid().GetItemText(cell.row, cell.column),
                 QStringLiteral("400-480 MHz"));
        QVERIFY(!journal.CanUndo());
    }

    void movedAndRefusedValuesAreReported_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("notice");
        QTest::newRow("above") << "999"
                               << "480000000"
                               << "999.000000 is outside 400.000000\u2013480.000000 MHz; set to "
                                  "480.000000";
        QTest::newRow("other band") << "146.52"
                                    << "400000000"
                                    << "146.520000 is outside 400.000000\u2013480.000000 MHz; "
                                       "set to 400.000000";
        QTest::newRow("off step") << "446.0061"
                                  << "446006100"
                                  << "446.006100 MHz is not on a channel step";
        QTest::newRow("on step") << "446.0125"
                                 << "446012500"
                                 << "";
        QTest::newRow("not a number") << "abc"
                                      << "446006250"
                                      << "\"abc\" is not a number";
    }
    void movedAndRefusedValuesAreReported() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, notice);
        frame_ = std::make_unique<vdtest::TestFrame>("VS73");
        frame_->Select("e01090002", "element");
        QSignalSpy notices(&frame_->View(), &CValdrenCpsView::Noticed);
        Type("rxfreq", typed);
        QCOMPARE(vdtest::StoredField(frame_->Control(), "e01090002", "rxfreq"),
                 stored.toStdString());
        QCOMPARE(notices.size(), notice.isEmpty() ? 0 : 1);
        if (!notice.isEmpty()) {
            QVERIFY2(notices.front().front().toString().startsWith(notice),
                     qPrintable(notices.front().front().toString()));
        }
        // the refusal is also said in a message box; a moved value only in the notices
        QCOMPARE(frame_->messages.texts.size(), typed == QLatin1String("abc") ? 1 : 0);
        const CellId cell = vdtest::FindValueCell(frame_->View().Grid(), "rxfreq");
        QVERIFY(frame_->View()
                    .Grid()
                    .GetCell(cell.row, cell.column)
                    .toolTip.contains(QStringLiteral("400.000000\u2013480.000000 MHz")));
    }

    void nameEditorStopsWhereTheRadioDoes_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("too long") << "abcdefgh"
                                  << "abcde";
        QTest::newRow("outside the set") << "ab-1"
                                         << "ab1";
    }
    void nameEditorStopsWhereTheRadioDoes() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        frame_ = std::make_unique<vdtest::TestFrame>(vdtest::kFixtureModel);
        frame_->Test()->rules["Label"] = {"char", {0}, {5}, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"};
        frame_->Select("c0101", "chapter");
        CGrid2& grid = frame_->View().Grid();
        const CellId cell = vdtest::FindValueCell(grid, "Label");
        const QModelIndex index = grid.model()->index(cell.row, cell.column);
        QWidget parent;
        std::unique_ptr<QWidget> editor(
            grid.itemDelegateForIndex(index)->createEditor(&parent, {}, index));
        auto* line = qobject_cast<QLineEdit*>(editor.get());
        QVERIFY(line);
        line->setFocus();
        QTest::keyClicks(line, typed);
        QCOMPARE(line->text(), kept);
    }

    void deleteNamesTheReferencesItClears() {
        frame_ = std::make_unique<vdtest::TestFrame>(vdtest::kFixtureModel);
        frame_->Select("e01090003", "element");
        QSignalSpy notices(&frame_->View(), &CValdrenCpsView::Noticed);
        frame_->messages.answer = QMessageBox::Yes;
        frame_->View().OnNodeDelete();
        QCOMPARE(frame_->messages.texts.size(), 1);
        // a setting that points to it and a list that holds it as a member
        QVERIFY(frame_->messages.texts.front().endsWith(
            QStringLiteral("cleared: Power-up channel; Scan1: Channel")));
        QCOMPARE(notices.size(), 2);
        QVERIFY(notices.front().front().toString().contains(QStringLiteral("Power-up channel")));
    }

    void shortlistOnlyForNodesWithAMemberList_data() {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("editing");
        QTest::newRow("scan list") << "e01100002"
                                   << "element" << true;
        QTest::newRow("channel") << "e01090003"
                                 << "element" << false;
        QTest::newRow("settings") << "c0101"
                                  << "chapter" << false;
    }
    void shortlistOnlyForNodesWithAMemberList() {
        QFETCH(QString, node);
        QFETCH(QString, kind);
        QFETCH(bool, editing);
        frame_ = std::make_unique<vdtest::TestFrame>(vdtest::kFixtureModel);
        frame_->Select("e01100002", "element");
        frame_->Select(node.toStdString(), kind.toStdString());
        QCOMPARE(frame_->Shortlist().IsEditing(), editing);
    }

    void membersMoveAndSelectAllKeepsListOrder() {
        frame_ = std::make_unique<vdtest::TestFrame>(vdtest::kFixtureModel);
        frame_->Select("e01100002", "element");
        CShortlistPane& pane = frame_->Shortlist();
        auto members = [this] {
            QStringList ids;
            ElementList fields;
            frame_->Control().GetChildElements("e01100002", fields);
            for (const ElementPtr& field : fields) {
                if (field->name == "Channel") {
                    ids << QString::fromStdString(field->inputValue);
                }
            }
            return ids.join(QLatin1Char(' '));
        };
        pane.MemberGrid().SetFocusCell(1, 0);
        pane.MoveMember(-1);
        QCOMPARE(members(), QStringLiteral("e01090004 e01090003"));
        pane.MoveMember(-1); // already first
        QCOMPARE(members(), QStringLiteral("e01090004 e01090003"));
        pane.MoveMember(+1);
        QCOMPARE(members(), QStringLiteral("e01090003 e01090004"));
        pane.MoveMember(-1);
        pane.MemberGrid().clearSelection();
        pane.MemberGrid().SetFocusCell(1, 0);
        pane.UnselectOne();
        QCOMPARE(members(), QStringLiteral("e01090004"));
        pane.SelectAll();
        QCOMPARE(members(), QStringLiteral("e01090003 e01090004"));
        QCOMPARE(pane.MemberGrid().GetItemText(0, 0), QStringLiteral("CH1"));
    }

    void languageSwitchKeepsOpenChaptersAndSelection() {
        frame_ = std::make_unique<vdtest::TestFrame>(vdtest::kFixtureModel);
        QTreeWidgetItem* channels = frame_->Functions().Tree().RecordItem("e01090004")->parent();
        channels->setExpanded(false);
        frame_->Functions().Tree().setCurrentItem(channels);
        const QString text = channels->text(0);
        frame_->SendFrameMessage(ui::WM_LANGUAGE_CHANGED, 0);
        channels = frame_->Functions().Tree().RecordItem("e01090004")->parent();
        QCOMPARE(channels->text(0), text);
        QVERIFY(!channels->isExpanded());
        QCOMPARE(frame_->Functions().Tree().currentItem(), channels);
    }

    void readShowsThePortInsteadOfTheTemplate() {
        frame_ = std::make_unique<vdtest::TestFrame>(vdtest::kFixtureModel);
        CValdrenCpsView& view = frame_->View();
        view.StartReadDeviceTimer();
        auto* reading = view.findChild<QLabel*>();
        QVERIFY(reading && reading->isVisibleTo(&view));
        QCOMPARE(reading->text(), QStringLiteral("Reading from COM11\u2026"));
        QVERIFY(!view.Grid().isVisibleTo(&view));
        QTRY_COMPARE_WITH_TIMEOUT(frame_->readDeviceRuns, 1, 10000);
        QVERIFY(!reading->isVisibleTo(&view));
        QVERIFY(view.Grid().isVisibleTo(&view));
    }

    void deleteIsOfferedOnlyWhereItWorks_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("record");
        QTest::addColumn<bool>("offered");
        QTest::newRow("VS73 fixed channel") << "VS73"
                                            << "e01090002" << false;
        QTest::newRow("free channel list") << vdtest::kFixtureModel << "e01090004" << true;
    }
    void deleteIsOfferedOnlyWhereItWorks() {
        QFETCH(QString, model);
        QFETCH(QString, record);
        QFETCH(bool, offered);
        frame_ = std::make_unique<vdtest::TestFrame>(model.toStdString());
        frame_->Select(record.toStdString(), "element");
        QCOMPARE(frame_->View().IsCommandEnabled(ui::ID_NODE_DELETE), offered);
        QVERIFY(frame_->View().IsCommandEnabled(ui::ID_NODE_NEW));
    }
};

QTEST_MAIN(UxTest)
#include "UxTest.moc"
