#include "ui/table/TableSortProxy.h"

#include "ui/grid/GridModel.h"

namespace vd {

namespace {

const GridCell& CellOf(const QAbstractItemModel* model, int row, int column) {
    return static_cast<const GridModel*>(model)->Cell(row, column);
}

} // namespace

TableSortProxy::TableSortProxy(QObject* parent) : QSortFilterProxyModel(parent) {
    collator_.setNumericMode(true);
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

void TableSortProxy::SetFilterText(const QString& text) {
    if (text == filter_) {
        return;
    }
    filter_ = text;
    invalidateRowsFilter();
}

bool TableSortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const GridCell& a = CellOf(sourceModel(), left.row(), left.column());
    const GridCell& b = CellOf(sourceModel(), right.row(), right.column());
    // a decimal number ("145.012500", "-3") is compared by value: the collator's numeric mode
    // would read the digits after the point as a second number
    bool aNumber = false;
    bool bNumber = false;
    const double x = a.text.toDouble(&aNumber);
    const double y = b.text.toDouble(&bNumber);
    if (aNumber && bNumber) {
        return x < y;
    }
    if (aNumber != bNumber) {
        return aNumber; // numbers before words ("Off", "None")
    }
    return collator_.compare(a.text, b.text) < 0;
}

bool TableSortProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    if (filter_.isEmpty()) {
        return true;
    }
    const QAbstractItemModel* model = sourceModel();
    for (int column = 0; column < model->columnCount(); ++column) {
        const GridCell& cell = CellOf(model, sourceRow, column);
        if (cell.kind != CellKind::Check && cell.text.contains(filter_, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

} // namespace vd
