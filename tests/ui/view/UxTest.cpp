// What the view tells a person about changes it makes on its own: the band question, moved
// and refused values, the shortlist offered only for member lists, and Delete offered and
// done only where it works.
#include "ViewTestSupport.h"

#include "model/HamCpsElement.h"
#include "ui/frames/UiConstants.h"
#include "ui/panes/CFunctionTree.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

using namespace vd;
using namespace Qt::StringLiterals;

class UxTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<vdtest::TestFrame> frame_;

private slots:
    void initTestCase() { vdtest::SetUpTestEnvironment(); }
    void cleanup() { frame_.reset(); }

    void bandChangeAsksFirst_data() {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("range");
        QTest::addColumn<QString>("channel");
        QTest::newRow("yes moves the channels") << QMessageBox::Yes << u"0"_s << u"174000000"_s;
        QTest::newRow("no keeps the band") << QMessageBox::No << u"1"_s << u"446006250"_s;
    }
    void bandChangeAsksFirst() {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, range);
        QFETCH(QString, channel);
        frame_ = std::make_unique<vdtest::TestFrame>("VS73");
        frame_->Select("c0103", "chapter");
        QSignalSpy notices(&frame_->View(), &CValdrenCpsView::Noticed);
        frame_->messages.answer = answer;
        frame_->Type("freq_range", QStringLiteral("136-174 MHz"), 0);
        QCOMPARE(frame_->messages.texts.size(), 1);
        QVERIFY(frame_->messages.texts.front().startsWith(
            QStringLiteral("Changing the band moves the frequencies of 16 channels into "
                           "136\u2013174 MHz.")));
        QCOMPARE(QString::fromStdString(vdtest::StoredValue(frame_->Control(), "e01030001")),
                 range);
        QCOMPARE(vdtest::FieldValue(frame_->Control(), "e01090002", "rxfreq"),
                 channel.toStdString());
        // every moved frequency is listed, both fields of all 16 channels
        QCOMPARE(notices.size(), answer == QMessageBox::Yes ? 32 : 0);
        if (answer == QMessageBox::No) {
            return;
        }
        // the band and the channels it moved are one undo step
        QCOMPARE(frame_->lastStep, QStringLiteral("Edit Frequency range"));
        UndoJournal& journal = frame_->GetDocument().Journal();
        QCOMPARE(journal.Undo(), std::string("Edit Frequency range"));
        frame_->SendFrameMessage(ui::WM_VALUES_REPLACED, 0);
        QCOMPARE(vdtest::FieldValue(frame_->Control(), "e01090002", "rxfreq"),
                 std::string("446006250"));
        // the view shows the band that came back
        QCOMPARE(frame_->Shown("freq_range"), QStringLiteral("400-480 MHz"));
        QVERIFY(!journal.CanUndo());
    }

    void movedAndRefusedValuesAreReported_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("notice");
        const QString outside = u" is outside 400.000000\u2013480.000000 MHz; set to "_s;
        QTest::newRow("above") << u"999"_s << u"480000000"_s
                               << "999.000000" + outside + "480.000000";
        QTest::newRow("off step") << u"446.0061"_s << u"446006100"_s
                                  << u"446.006100 MHz is not on a channel step"_s;
        QTest::newRow("on step") << u"446.0125"_s << u"446012500"_s << QString();
        QTest::newRow("not a number") << u"abc"_s << u"446006250"_s << u"\"abc\" is not a number"_s;
    }
    void movedAndRefusedValuesAreReported() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, notice);
        frame_ = std::make_unique<vdtest::TestFrame>("VS73");
        frame_->Select("e01090002", "element");
        QSignalSpy notices(&frame_->View(), &CValdrenCpsView::Noticed);
        frame_->Type("rxfreq", typed);
        QCOMPARE(vdtest::FieldValue(frame_->Control(), "e01090002", "rxfreq"),
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
        QTest::newRow("too long") << u"abcdefgh"_s << u"abcde"_s;
        QTest::newRow("outside the set") << u"ab-1"_s << u"ab1"_s;
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

    void shortlistOnlyForNodesWithAMemberList_data() {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("editing");
        QTest::newRow("scan list") << u"e01100002"_s << u"element"_s << true;
        QTest::newRow("settings") << u"c0101"_s << u"chapter"_s << false;
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

    void deleteIsOfferedOnlyWhereItWorks_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("record");
        QTest::addColumn<bool>("offered");
        QTest::newRow("VS73 fixed channel") << u"VS73"_s << u"e01090002"_s << false;
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
        // the command itself: a locked record is not even asked about
        frame_->View().OnNodeDelete();
        QCOMPARE(frame_->messages.texts.size(), offered ? 1 : 0);
        QCOMPARE(!frame_->Control().GetElement(record.toStdString()), offered);
        QCOMPARE(!frame_->Functions().Tree().RecordItem(record.toStdString()), offered);
    }
};

QTEST_MAIN(UxTest)
#include "UxTest.moc"
