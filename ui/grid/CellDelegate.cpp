#include "ui/grid/CellDelegate.h"

#include "ui/grid/GridControl.h"

namespace vd {

CellDelegate::CellDelegate(GridControl& grid, QObject* parent)
    : QStyledItemDelegate(parent), grid_(grid) {}

bool CellDelegate::HandleEditorEvent(QEvent* event, QAbstractItemModel* model,
                                     const QStyleOptionViewItem& option, const QModelIndex& index) {
    return editorEvent(event, model, option, index);
}

void CellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!index.data(GridModel::EnabledRole).toBool()) {
        option->state &= ~QStyle::State_Enabled;
        option->palette.setCurrentColorGroup(QPalette::Disabled);
        option->palette.setColor(QPalette::Text,
                                 option->palette.color(QPalette::Disabled, QPalette::Text));
    }
}

const GridCell& CellDelegate::CellAt(const QModelIndex& index) const {
    const CellId at = grid_.ModelCell(index);
    return grid_.GetCell(at.row, at.column);
}

bool CellDelegate::CanChange(const QModelIndex& index) const {
    const GridCell& cell = CellAt(index);
    return grid_.IsEditingEnabled() && cell.editable && cell.enabled &&
           index.column() >= grid_.GetFixedColumnCount();
}

} // namespace vd
