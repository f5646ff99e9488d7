#pragma once
#include "ui/grid/CellDelegate.h"

namespace vd {

/// Button cells: the cell's text with a small push button at the right (text "..." unless
/// the cell names another); pressing it reports the cell through the grid.
class ButtonCellDelegate : public CellDelegate {
    Q_OBJECT
public:
    using CellDelegate::CellDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
};

} // namespace vd
