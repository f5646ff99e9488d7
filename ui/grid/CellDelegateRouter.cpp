#include "ui/grid/CellDelegateRouter.h"

#include "ui/grid/ButtonCellDelegate.h"
#include "ui/grid/CheckCellDelegate.h"
#include "ui/grid/ComboCellDelegate.h"
#include "ui/grid/GridModel.h"
#include "ui/grid/TextCellDelegate.h"

namespace vd {

CellDelegateRouter::CellDelegateRouter(GridControl& grid, QObject* parent)
    : QStyledItemDelegate(parent) {
    delegates_[static_cast<size_t>(CellKind::Text)] = new TextCellDelegate(grid, this);
    delegates_[static_cast<size_t>(CellKind::Combo)] = new ComboCellDelegate(grid, this);
    delegates_[static_cast<size_t>(CellKind::Check)] = new CheckCellDelegate(grid, this);
    delegates_[static_cast<size_t>(CellKind::Button)] = new ButtonCellDelegate(grid, this);
    // the table listens to this delegate only, so the editors' signals are passed on
    for (CellDelegate* delegate : delegates_) {
        connect(delegate, &QAbstractItemDelegate::commitData, this,
                &QAbstractItemDelegate::commitData);
        connect(delegate, &QAbstractItemDelegate::closeEditor, this,
                &QAbstractItemDelegate::closeEditor);
    }
}

CellDelegate* CellDelegateRouter::For(const QModelIndex& index) const {
    const int kind = index.data(GridModel::KindRole).toInt();
    return kind >= 0 && kind < static_cast<int>(delegates_.size())
               ? delegates_[static_cast<size_t>(kind)]
               : delegates_[0];
}

void CellDelegateRouter::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    For(index)->paint(painter, option, index);
}

QSize CellDelegateRouter::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    return For(index)->sizeHint(option, index);
}

QWidget* CellDelegateRouter::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const {
    return For(index)->createEditor(parent, option, index);
}

void CellDelegateRouter::setEditorData(QWidget* editor, const QModelIndex& index) const {
    For(index)->setEditorData(editor, index);
}

void CellDelegateRouter::setModelData(QWidget* editor, QAbstractItemModel* model,
                                      const QModelIndex& index) const {
    For(index)->setModelData(editor, model, index);
}

void CellDelegateRouter::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                              const QModelIndex& index) const {
    For(index)->updateEditorGeometry(editor, option, index);
}

bool CellDelegateRouter::editorEvent(QEvent* event, QAbstractItemModel* model,
                                     const QStyleOptionViewItem& option, const QModelIndex& index) {
    return For(index)->HandleEditorEvent(event, model, option, index);
}

} // namespace vd
