#include "ui/grid/TextCellDelegate.h"

#include "ui/grid/GridControl.h"

#include <QLineEdit>

namespace vd {

QWidget* TextCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
    if (!CanChange(index)) {
        return nullptr;
    }
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    return editor;
}

void TextCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = static_cast<QLineEdit*>(editor);
    line->setText(CellAt(index).text);
    line->selectAll();
}

void TextCellDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                    const QModelIndex& index) const {
    grid_.CommitEdit(index.row(), index.column(), static_cast<QLineEdit*>(editor)->text());
}

} // namespace vd
