#pragma once
#include "ui/grid/CellDelegate.h"

namespace vd {

/// Check-box cells: checked when the cell's text is "1"; a click or the space bar toggles
/// the text between "1" and empty through the grid's edit path.
class CheckCellDelegate : public CellDelegate {
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
