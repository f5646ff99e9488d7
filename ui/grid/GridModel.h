#pragma once
#include "ui/grid/GridCell.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

namespace vd {

/// The cells of a grid, row by row, with the texts of its one fixed header row. Columns left
/// of the fixed column count are painted like the header and never selected or edited.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    /// Roles beyond Qt's own that the delegates read.
    enum Role { KindRole = Qt::UserRole + 1, EnabledRole, ButtonTextRole };

    /// An empty grid.
    explicit GridModel(QObject* parent = nullptr);

    /// Drops every cell and sets the new size (all cells empty text labels).
    void Reset(int rows, int columns);
    /// Replaces every cell at once (row by row), one reset instead of a redraw per cell.
    void Assign(int rows, int columns, std::vector<GridCell> cells);
    /// Adds or removes columns at the right, keeping the cells that stay.
    void SetColumnCount(int columns);
    /// Adds or removes rows at the bottom, keeping the cells that stay.
    void SetRowCount(int rows);
    /// Number of columns at the left that are painted like the header.
    void SetFixedColumnCount(int count);
    /// Number of fixed columns.
    int FixedColumnCount() const { return fixedColumns_; }
    /// Text of a column in the header row.
    void SetHeaderText(int column, const QString& text);
    /// Text of a column in the header row.
    QString HeaderText(int column) const;

    /// Whether (row, column) names a cell of the grid.
    bool Contains(int row, int column) const;
    /// The cell at (row, column); the position must be inside the grid.
    const GridCell& Cell(int row, int column) const;
    /// Replaces a whole cell and redraws it.
    void SetCell(int row, int column, GridCell cell);
    /// Changes one cell through fn and redraws it.
    template <typename Fn> void Update(int row, int column, Fn fn) {
        fn(cells_[Index(row, column)]);
        Redraw(row, column);
    }
    /// Repaints one cell.
    void Redraw(int row, int column);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    size_t Index(int row, int column) const;

    int rows_ = 0;
    int columns_ = 0;
    int fixedColumns_ = 0;
    std::vector<GridCell> cells_;
    QStringList headers_;
};

} // namespace vd
