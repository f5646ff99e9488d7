#include "ui/grid/TextCellDelegate.h"

#include "ui/grid/GridControl.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace vd {

QWidget* TextCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
    if (!CanChange(index)) {
        return nullptr;
    }
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    const GridCell& cell = CellAt(index);
    if (cell.maxLength >= 0) {
        editor->setMaxLength(cell.maxLength);
    }
    if (!cell.allowedChars.isEmpty()) {
        // the radio shows no other characters: they cannot be typed at all
        const QRegularExpression pattern(
            QStringLiteral("[%1]*").arg(QRegularExpression::escape(cell.allowedChars)),
            QRegularExpression::CaseInsensitiveOption);
        editor->setValidator(new QRegularExpressionValidator(pattern, editor));
    }
    return editor;
}

void TextCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = static_cast<QLineEdit*>(editor);
    line->setText(CellAt(index).text);
    line->selectAll();
}

void TextCellDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                    const QModelIndex& index) const {
    const CellId at = grid_.ModelCell(index);
    grid_.CommitEdit(at.row, at.column, static_cast<QLineEdit*>(editor)->text());
}

} // namespace vd
