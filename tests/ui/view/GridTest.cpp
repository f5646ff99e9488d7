// The grid widget on its own (the delegates of the cell kinds and the end-of-edit handler), and
// how the view makes cells of each kind of value and reads typed text back, without a window.
#include "ViewTestSupport.h"

#include "model/HamCpsElement.h"
#include "ui/grid/CGrid2.h"
#include "ui/view/ElementCells.h"
#include "ui/view/ReferenceCells.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace vd;

class GridTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CGrid2> grid_;
    std::vector<CellId> edited_;
    std::unique_ptr<vdtest::TestFrame> frame_;
    vdtest::TestControl* control_ = nullptr;

    ElementPtr Setting(const std::string& id) { return ElementPtr(control_->GetElement(id)); }

    static GridCell Editable(CellKind kind, const QString& text) {
        GridCell cell;
        cell.kind = kind;
        cell.text = text;
        cell.editable = true;
        return cell;
    }
    QRect CellRect(int row, int column) {
        return grid_->visualRect(grid_->model()->index(row, column));
    }

private slots:
    void init() {
        grid_ = std::make_unique<CGrid2>(1001);
        grid_->SetColumnCount(3);
        grid_->SetFixedColumnCount(1);
        grid_->SetRowCount(4);
        grid_->SetCell(0, 1, Editable(CellKind::Text, "text"));
        GridCell combo = Editable(CellKind::Combo, "Low");
        combo.choices = {{"Low", "0"}, {"High", "1"}};
        grid_->SetCell(1, 1, combo);
        grid_->SetCell(2, 1, Editable(CellKind::Check, ""));
        grid_->SetCell(3, 1, Editable(CellKind::Button, "/tmp/a.bmp"));
        grid_->SetCell(0, 2, GridCell{}); // a label
        grid_->resize(500, 300);
        grid_->show();
        QVERIFY(QTest::qWaitForWindowExposed(grid_.get()));
        edited_.clear();
        connect(grid_.get(), &GridControl::cellEdited, this, [this](int row, int column) {
            edited_.push_back({row, column});
        });
        frame_ = std::make_unique<vdtest::TestFrame>(vdtest::kFixtureModel);
        control_ = frame_->Test();
        QVERIFY(control_);
    }
    void cleanup() {
        grid_.reset();
        frame_.reset();
    }

    void typingInATextCellGoesThroughTheEndOfEditHandler() {
        grid_->SetEndEditHandler([](int, int, QString& text, int) {
            text = text.toUpper();
            return true;
        });
        grid_->SetFocusCell(0, 1);
        grid_->edit(grid_->model()->index(0, 1));
        auto* editor = grid_->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->setText("changed");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(grid_->GetItemText(0, 1), QStringLiteral("CHANGED")); // Return commits queued
        QCOMPARE(edited_, std::vector<CellId>({{0, 1}}));
    }

    void aRefusedEditLeavesTheCellAsItWas() {
        grid_->SetEndEditHandler([](int, int, QString&, int) { return false; });
        QVERIFY(!grid_->CommitEdit(0, 1, "other"));
        QCOMPARE(grid_->GetItemText(0, 1), QStringLiteral("text"));
        QVERIFY(edited_.empty());
        QVERIFY(!grid_->CommitEdit(0, 2, "label")); // labels are never edited
        QVERIFY(!grid_->CommitEdit(0, 0, "fixed"));
        // nor pasted into (Cut, Copy and Paste on the cells: ViewTest)
        grid_->SetFocusCell(0, 2);
        QVERIFY(!grid_->CanChangeFocusCell());
        QVERIFY(!grid_->Paste());
    }

    void aSecondEndingDuringTheFirstIsIgnored() {
        // a message box of the handler takes the focus from the editor, which ends the same
        // edit again
        int calls = 0;
        bool nested = true;
        grid_->SetEndEditHandler([&](int row, int column, QString&, int) {
            if (++calls == 1) {
                nested = grid_->CommitEdit(row, column, "nested");
            }
            return true;
        });
        QVERIFY(grid_->CommitEdit(0, 1, "outer"));
        QVERIFY(!nested);
        QCOMPARE(calls, 1);
        QCOMPARE(grid_->GetItemText(0, 1), QStringLiteral("outer"));
        QCOMPARE(edited_.size(), size_t(1));
    }

    void comboCellCommitsThePickedEntry() {
        int chosenSeen = -2;
        grid_->SetEndEditHandler([&](int, int, QString&, int chosen) {
            chosenSeen = chosen;
            return true;
        });
        grid_->SetFocusCell(1, 1);
        grid_->edit(grid_->model()->index(1, 1));
        auto* combo = grid_->findChild<QComboBox*>();
        QVERIFY(combo && combo->currentText() == QStringLiteral("Low"));
        combo->setCurrentIndex(1);
        emit combo->activated(1);
        QCOMPARE(grid_->GetItemText(1, 1), QStringLiteral("High"));
        QCOMPARE(grid_->GetCell(1, 1).chosen, 1);
        QCOMPARE(chosenSeen, 1);
    }

    void checkCellTogglesOnAClick() {
        QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, CellRect(2, 1).center());
        QCOMPARE(grid_->GetItemText(2, 1), QStringLiteral("1"));
        QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, CellRect(2, 1).center());
        QCOMPARE(grid_->GetItemText(2, 1), QString());
        QCOMPARE(edited_.size(), size_t(2));
        grid_->SetCell(2, 1, [] {
            GridCell greyed = Editable(CellKind::Check, "");
            greyed.enabled = false;
            return greyed;
        }());
        QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, CellRect(2, 1).center());
        QCOMPARE(grid_->GetItemText(2, 1), QString());
    }

    void buttonCellReportsAPressOnItsButton() {
        QSignalSpy pressed(grid_.get(), &GridControl::buttonClicked);
        const QRect rect = CellRect(3, 1);
        QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {},
                          QPoint(rect.left() + 5, rect.center().y()));
        QCOMPARE(pressed.count(), 0); // the text part is no button
        QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {},
                          QPoint(rect.right() - 5, rect.center().y()));
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed.front().at(0).toInt(), 3);
    }

    // the display form is the core's formatter
    void frequencyReadBackFromMegahertz() {
        QCOMPARE(FrequencyFromDisplay(QStringLiteral("145.0125")).value(),
                 std::string("145012500"));
        QCOMPARE(FrequencyFromDisplay(QStringLiteral(" 446.00625 ")).value(),
                 std::string("446006250"));
        QVERIFY(!FrequencyFromDisplay(QStringLiteral("12a")).has_value());
        QVERIFY(!FrequencyFromDisplay(QStringLiteral("")).has_value());
    }

    void outOfRangeNumbersMoveToTheNearestBound() {
        const ValueRule bands =
            ValueRule{"value", {136000000, 400000000}, {174000000, 480000000}, ""};
        QCOMPARE(NearestInRange(145000000, bands), 145000000LL);
        QCOMPARE(NearestInRange(100000000, bands), 136000000LL);
        QCOMPARE(NearestInRange(200000000, bands), 174000000LL); // nearer the top of the first
        QCOMPARE(NearestInRange(300000000, bands), 400000000LL);
        QCOMPARE(NearestInRange(287000000, bands), 287000000LL - 113000000LL); // a tie: lower
    }

    void charRuleMapsCaseDropsOthersAndCuts() {
        const ValueRule upperDigits =
            ValueRule{"char", {0}, {12}, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"};
        const CharRuleResult plain = ApplyCharRule(QStringLiteral("AB 1\t\x7f"), upperDigits);
        QCOMPARE(plain.text, QStringLiteral("AB1"));
        QVERIFY(!plain.droppedOutsideSet); // blanks and control characters go silently

        const CharRuleResult cut =
            ApplyCharRule(QStringLiteral("信道名称很长的名字"), ValueRule{"char", {0}, {4}, ""});
        QCOMPARE(cut.text, QStringLiteral("信道名称"));
        QCOMPARE(
            ApplyCharRule(QStringLiteral("*#ab"), ValueRule{"char", {0}, {16}, "0123456789ABCD*#"})
                .text,
            QStringLiteral("*#AB"));
    }

    void everyControlTypeIsShown() {
        const struct {
            const char* id;
            CellKind kind;
            const char* text;
        } rows[] = {{"e01010001", CellKind::Check, "1"},
                    {"e01010002", CellKind::Combo, "High"},
                    {"e01010003", CellKind::Text, kMaskText},
                    {"e01010004", CellKind::Button, "/tmp/boot.bmp"},
                    {"e01010006", CellKind::Text, "145000000"}}; // no rule: shown as stored
        for (const auto& row : rows) {
            const GridCell cell = MakeElementCell(*control_, Setting(row.id), false);
            QCOMPARE(cell.kind, row.kind);
            QCOMPARE(cell.text, QString::fromUtf8(row.text));
        }
        QCOMPARE(MakeElementCell(*control_, Setting("e01010002"), false).choices.size(), size_t(3));
        QCOMPARE(MakeElementCell(*control_, Setting("e01010005"), false).background,
                 QColor(0xE6, 0xF7, 0xB3));
        control_->rules["Frequency"] = {"value", {136000000}, {174000000}};
        const GridCell frequency = MakeElementCell(*control_, Setting("e01010006"), false);
        QCOMPARE(frequency.text, QStringLiteral("145.000000"));
        control_->rules["Frequency"] = {"value", {0}, {255}};
        QCOMPARE(MakeElementCell(*control_, Setting("e01010006"), false).text,
                 QStringLiteral("145000000")); // a small "value" rule is no frequency
    }

    // the choices themselves, None and AllChannel: ViewTest through the grid
    void referenceChoicesTellWhenTheReferencedRecordIsGone() {
        QVERIFY(!BuildReferenceChoices(*control_, *Setting("e01010010")).originalDeleted);
        QVERIFY(control_->SetInputValue("e01010010", "", "e01090099", true));
        QVERIFY(BuildReferenceChoices(*control_, *Setting("e01010010")).originalDeleted);
    }

    // references, case mapping, dropped characters, check boxes, the kept password, frequencies
    // and locks through the grid: ViewTest
    void typedTextIsParsedPerControlType() {
        const ElementPtr power = Setting("e01010002");
        const GridCell combo = MakeElementCell(*control_, power, false);
        QCOMPARE(ParseCellText(*control_, *power, combo, "Mid", -1).value(), std::string("1"));
        QVERIFY(!ParseCellText(*control_, *power, combo, "Max", -1).has_value());
    }

    void endOfEditAppliesTheRules() {
        const ElementPtr frequency = Setting("e01010006");
        control_->rules["Frequency"] = {"value", {0}, {255}};
        const GridCell small = MakeElementCell(*control_, frequency, false);
        QCOMPARE(CheckEditedText(*control_, *frequency, small, "999", -1).text,
                 QStringLiteral("255"));

        control_->rules["Password"] = {"char", {0}, {8}, "0123456789"};
        const ElementPtr password = Setting("e01010003");
        const GridCell masked = MakeElementCell(*control_, password, false);
        const EditCheck foreign =
            CheckEditedText(*control_, *password, masked, QStringLiteral("12\u00FC"), -1);
        QVERIFY(!foreign.accept); // refused with its name, never sent to the radio as '?'
        QVERIFY(foreign.refusal.contains(QStringLiteral("U+00FC")));
    }
};

QTEST_MAIN(GridTest)
#include "GridTest.moc"
