#include "ui/grid/ButtonCellDelegate.h"

#include "ui/grid/GridControl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vd {

namespace {

constexpr int kButtonWidth = 26;

QRect ButtonRect(const QRect& cell) {
    return QRect(cell.right() - kButtonWidth + 1, cell.top() + 1, kButtonWidth - 1,
                 cell.height() - 2);
}

} // namespace

void ButtonCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    painter->fillRect(option.rect, index.data(Qt::BackgroundRole).value<QBrush>());
    QStyleOptionViewItem text = option;
    text.rect.setRight(option.rect.right() - kButtonWidth);
    QStyledItemDelegate::paint(painter, text, index);

    QStyleOptionButton button;
    button.rect = ButtonRect(option.rect);
    button.text = index.data(GridModel::ButtonTextRole).toString();
    button.state = QStyle::State_Raised;
    if (CanChange(index)) {
        button.state |= QStyle::State_Enabled;
    }
    button.palette = option.palette;
    QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_PushButton, &button, painter, option.widget);
}

QWidget* ButtonCellDelegate::createEditor(QWidget*, const QStyleOptionViewItem&,
                                          const QModelIndex&) const {
    return nullptr;
}

bool ButtonCellDelegate::editorEvent(QEvent* event, QAbstractItemModel*,
                                     const QStyleOptionViewItem& option, const QModelIndex& index) {
    bool press = false;
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        press = mouse->button() == Qt::LeftButton &&
                ButtonRect(option.rect).contains(mouse->position().toPoint());
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        press = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    }
    if (!press || !CanChange(index)) {
        return false;
    }
    const CellId at = grid_.ModelCell(index);
    grid_.PressButton(at.row, at.column);
    return true;
}

} // namespace vd
