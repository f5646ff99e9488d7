#pragma once
#include "ui/grid/GridCell.h"
#include "ui/grid/GridModel.h"

#include <QSortFilterProxyModel>
#include <QTableView>
#include <functional>
#include <vector>

namespace vd {

class CellDelegateRouter;

/// Row and column of one grid cell; (-1, -1) for none.
struct CellId {
    int row = -1;
    int column = -1;
    /// Whether the id names a cell at all.
    bool IsValid() const { return row >= 0 && column >= 0; }
    bool operator==(const CellId&) const = default;
};

/// A general cell grid over a table view: one fixed header row, optional fixed columns at the
/// left, text, combo-box, check-box and button cells that each carry an element reference,
/// and in-place editing whose end-of-edit handler may change or refuse the text.
class GridControl : public QTableView {
    Q_OBJECT
public:
    /// The end-of-edit check: may rewrite text; false refuses the edit (the cell keeps its text).
    /// chosen is the combo-box entry picked, -1 for typed text.
    using EndEditHandler = std::function<bool(int row, int column, QString& text, int chosen)>;

    /// @param id the control identifier the owner knows the grid by (1001, 1006, 1007)
    explicit GridControl(int id, QWidget* parent = nullptr);
    ~GridControl() override;

    /// The control identifier given at construction.
    int Id() const { return id_; }

    /// Adds or removes rows at the bottom, keeping the cells that stay.
    void SetRowCount(int rows);
    /// Number of rows below the header.
    int GetRowCount() const;
    /// Adds or removes columns at the right, keeping the cells that stay.
    void SetColumnCount(int columns);
    /// Number of columns, fixed ones included.
    int GetColumnCount() const;
    /// Columns at the left painted like the header, never selected or edited.
    void SetFixedColumnCount(int count);
    /// Number of fixed columns at the left.
    int GetFixedColumnCount() const;
    /// Width of a column in pixels.
    void SetColumnWidth(int column, int width);
    /// Text of a column in the fixed header row.
    void SetHeaderText(int column, const QString& text);
    /// Text of a column in the fixed header row.
    QString GetHeaderText(int column) const;
    /// Replaces every cell at once, row by row (a large table in one step).
    void SetCells(int rows, int columns, std::vector<GridCell> cells);
    /// Puts a sorting and filtering model between the cells and the view (owned by the grid).
    /// Rows and columns of every other call stay those of the cells; the view's order may
    /// differ.
    void SetSortFilterModel(QSortFilterProxyModel* proxy);
    /// The cell behind an index of the view.
    CellId ModelCell(const QModelIndex& viewIndex) const;
    /// The view's index of a cell.
    QModelIndex ViewIndex(int row, int column) const;
    /// Removes every row and span; columns, widths and header texts stay.
    void DeleteAllItems();

    /// Whether (row, column) is a cell of the grid.
    bool IsValid(int row, int column) const;
    /// The cell at (row, column); the position must be valid.
    const GridCell& GetCell(int row, int column) const;
    /// Replaces a cell and redraws it (nothing for a position outside the grid).
    void SetCell(int row, int column, GridCell cell);
    /// A cell's text; empty outside the grid.
    QString GetItemText(int row, int column) const;
    /// Sets a cell's text and redraws it.
    void SetItemText(int row, int column, const QString& text);
    /// The element a cell edits, or null for a label or a position outside the grid.
    ElementPtr GetItemElement(int row, int column) const;
    /// Replaces the entries of a combo-box cell.
    void SetItemChoices(int row, int column, std::vector<GridChoice> choices);
    /// A cell's background; an invalid colour gives the grid's own.
    void SetItemBkColour(int row, int column, const QColor& colour);
    /// A cell's tool tip.
    void SetItemToolTip(int row, int column, const QString& text);
    /// Lets one cell cover more rows and columns (a heading across its row).
    void SetCellSpan(int row, int column, int rows, int columns);
    /// Repaints one cell.
    void RedrawCell(int row, int column);

    /// The cell with the focus, or (-1, -1).
    CellId GetFocusCell() const;
    /// Moves the focus to a cell (nothing for a position outside the grid).
    void SetFocusCell(int row, int column);
    /// The rows with a selected cell, in ascending order.
    std::vector<int> GetSelectedRows() const;
    /// Selects whole rows, several at a time (the shortlist grids).
    void SetListMode(bool list);

    /// Allows or forbids every edit of this grid.
    void SetEditingEnabled(bool enabled);
    /// Whether edits are allowed at all.
    bool IsEditingEnabled() const { return editingEnabled_; }
    /// Whether a cell's editor is open.
    bool IsEditingCell() const { return state() == QAbstractItemView::EditingState; }
    /// The check that ends every edit.
    void SetEndEditHandler(EndEditHandler handler);
    /// Ends an edit of a cell with text: runs the end-of-edit handler, stores the accepted
    /// text and reports cellEdited. chosen is the combo-box entry picked, if any. Returns
    /// whether the edit was accepted.
    bool CommitEdit(int row, int column, QString text, int chosen = -1);
    /// A button cell was pressed: reports buttonClicked when the cell may be changed.
    void PressButton(int row, int column);

signals:
    /// An edit was accepted and stored in the cell.
    void cellEdited(int row, int column);
    void buttonClicked(int row, int column);
    /// The cell with the focus changed.
    void focusCellChanged(int row, int column);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    int id_;
    GridModel* model_;
    QSortFilterProxyModel* proxy_ = nullptr;
    CellDelegateRouter* router_;
    EndEditHandler endEdit_;
    bool editingEnabled_ = true;
    bool committing_ = false; ///< an edit is being ended (its handler may show a message box)
};

} // namespace vd
