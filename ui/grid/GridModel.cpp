#include "ui/grid/GridModel.h"

#include <QApplication>
#include <QPalette>

namespace vd {

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

void GridModel::Reset(int rows, int columns) {
    beginResetModel();
    rows_ = std::max(rows, 0);
    columns_ = std::max(columns, 0);
    cells_.assign(static_cast<size_t>(rows_) * static_cast<size_t>(columns_), GridCell{});
    headers_.resize(columns_);
    endResetModel();
}

void GridModel::Assign(int rows, int columns, std::vector<GridCell> cells) {
    beginResetModel();
    rows_ = std::max(rows, 0);
    columns_ = std::max(columns, 0);
    cells.resize(static_cast<size_t>(rows_) * static_cast<size_t>(columns_));
    cells_ = std::move(cells);
    headers_.resize(columns_);
    endResetModel();
}

void GridModel::SetColumnCount(int columns) {
    columns = std::max(columns, 0);
    if (columns == columns_) {
        return;
    }
    std::vector<GridCell> cells(static_cast<size_t>(rows_) * static_cast<size_t>(columns));
    for (int row = 0; row < rows_; ++row) {
        for (int column = 0; column < std::min(columns, columns_); ++column) {
            cells[static_cast<size_t>(row) * static_cast<size_t>(columns) +
                  static_cast<size_t>(column)] = std::move(cells_[Index(row, column)]);
        }
    }
    beginResetModel();
    cells_ = std::move(cells);
    columns_ = columns;
    headers_.resize(columns_);
    endResetModel();
}

void GridModel::SetRowCount(int rows) {
    rows = std::max(rows, 0);
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        cells_.resize(static_cast<size_t>(rows) * static_cast<size_t>(columns_));
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows({}, rows, rows_ - 1);
        cells_.resize(static_cast<size_t>(rows) * static_cast<size_t>(columns_));
        rows_ = rows;
        endRemoveRows();
    }
}

void GridModel::SetFixedColumnCount(int count) {
    fixedColumns_ = std::max(count, 0);
    if (rows_ > 0 && columns_ > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1));
    }
}

void GridModel::SetHeaderText(int column, const QString& text) {
    if (column < 0 || column >= columns_) {
        return;
    }
    headers_[column] = text;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

QString GridModel::HeaderText(int column) const {
    return column >= 0 && column < headers_.size() ? headers_[column] : QString();
}

bool GridModel::Contains(int row, int column) const {
    return row >= 0 && row < rows_ && column >= 0 && column < columns_;
}

const GridCell& GridModel::Cell(int row, int column) const {
    return cells_[Index(row, column)];
}

void GridModel::SetCell(int row, int column, GridCell cell) {
    cells_[Index(row, column)] = std::move(cell);
    Redraw(row, column);
}

void GridModel::Redraw(int row, int column) {
    const QModelIndex at = index(row, column);
    emit dataChanged(at, at);
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !Contains(index.row(), index.column())) {
        return {};
    }
    const GridCell& cell = Cell(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cell.kind == CellKind::Check ? QVariant() : QVariant(cell.text);
    case Qt::BackgroundRole:
        if (cell.background.isValid()) {
            return cell.background;
        }
        if (index.column() < fixedColumns_) {
            return QApplication::palette().button();
        }
        return {};
    case Qt::ToolTipRole:
        return cell.toolTip.isEmpty() ? QVariant() : QVariant(cell.toolTip);
    case KindRole:
        return static_cast<int>(cell.kind);
    case EnabledRole:
        return cell.enabled;
    case ButtonTextRole:
        return cell.buttonText;
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return HeaderText(section);
    }
    if (orientation == Qt::Vertical && role == Qt::DisplayRole) {
        return section + 1;
    }
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.column() < fixedColumns_) {
        return Qt::ItemIsEnabled;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const GridCell& cell = Cell(index.row(), index.column());
    // check boxes and buttons react to clicks in their delegates, not through an editor
    if (cell.editable && cell.enabled &&
        (cell.kind == CellKind::Text || cell.kind == CellKind::Combo)) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

size_t GridModel::Index(int row, int column) const {
    return static_cast<size_t>(row) * static_cast<size_t>(columns_) + static_cast<size_t>(column);
}

} // namespace vd
