// The grid widget on its own: the delegates of the cell kinds and the end-of-edit handler.
#include "ui/grid/CGrid2.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace vd;

class GridTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CGrid2> grid_;
    std::vector<CellId> edited_;

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
    }
    void cleanup() { grid_.reset(); }

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
        QVERIFY(combo);
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->currentText(), QStringLiteral("Low"));
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

    void focusChangesAreReported() {
        QSignalSpy focus(grid_.get(), &GridControl::focusCellChanged);
        grid_->SetFocusCell(1, 1);
        QCOMPARE(focus.count(), 1);
        QCOMPARE(grid_->GetFocusCell(), (CellId{1, 1}));
        grid_->SetFocusCell(9, 9); // outside: nothing happens
        QCOMPARE(focus.count(), 1);
    }

    void listModeSelectsWholeRows() {
        grid_->SetListMode(true);
        grid_->selectRow(1);
        grid_->selectionModel()->select(grid_->model()->index(3, 1),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(grid_->GetSelectedRows(), std::vector<int>({1, 3}));
        grid_->DeleteAllItems();
        QCOMPARE(grid_->GetRowCount(), 0);
        QCOMPARE(grid_->GetColumnCount(), 3);
    }
};

QTEST_MAIN(GridTest)
#include "GridTest.moc"
