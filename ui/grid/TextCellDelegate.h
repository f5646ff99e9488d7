#pragma once
#include "ui/grid/CellDelegate.h"

namespace vd {

/// Plain text cells: edited in place in a line edit; the grid's end-of-edit handler may
/// change or refuse the typed text.
class TextCellDelegate : public CellDelegate {
    Q_OBJECT
public:
    using CellDelegate::CellDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

} // namespace vd
