#include "ui/grid/ComboCellDelegate.h"

#include "ui/grid/GridControl.h"

#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QTimer>

namespace vd {

namespace {

/// Width of the drop-down arrow at the right of a combo-box cell.
constexpr int kArrowWidth = 14;

} // namespace

void ComboCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QStyleOptionViewItem text = option;
    text.rect.setRight(option.rect.right() - kArrowWidth);
    // the background must still reach the cell's right edge
    painter->fillRect(option.rect, index.data(Qt::BackgroundRole).value<QBrush>());
    QStyledItemDelegate::paint(painter, text, index);

    QStyleOption arrow;
    arrow.rect = QRect(option.rect.right() - kArrowWidth + 2, option.rect.top(), kArrowWidth - 4,
                       option.rect.height());
    arrow.palette = option.palette;
    arrow.state = CanChange(index) ? QStyle::State_Enabled : QStyle::State_None;
    QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, painter, option.widget);
}

QWidget* ComboCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const {
    if (!CanChange(index)) {
        return nullptr;
    }
    auto* combo = new QComboBox(parent);
    for (const GridChoice& choice : CellAt(index).choices) {
        combo->addItem(choice.text);
    }
    QTimer::singleShot(0, combo, [combo] {
        if (combo->isVisible()) {
            combo->showPopup(); // the list is what the person came for
        }
    });
    // picking an entry is the whole edit
    connect(combo, &QComboBox::activated, this, [this, combo](int) {
        emit const_cast<ComboCellDelegate*>(this)->commitData(combo);
        emit const_cast<ComboCellDelegate*>(this)->closeEditor(combo);
    });
    return combo;
}

void ComboCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* combo = static_cast<QComboBox*>(editor);
    const GridCell& cell = CellAt(index);
    int current = combo->findText(cell.text);
    if (cell.chosen >= 0 && cell.chosen < combo->count() &&
        combo->itemText(cell.chosen) == cell.text) {
        current = cell.chosen;
    }
    combo->setCurrentIndex(current);
}

void ComboCellDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                     const QModelIndex& index) const {
    auto* combo = static_cast<QComboBox*>(editor);
    if (combo->currentIndex() < 0) {
        return;
    }
    const CellId at = grid_.ModelCell(index);
    grid_.CommitEdit(at.row, at.column, combo->currentText(), combo->currentIndex());
}

} // namespace vd
