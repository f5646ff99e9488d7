#include "ui/grid/CheckCellDelegate.h"

#include "ui/grid/GridControl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace vd {

namespace {

QRect IndicatorRect(const QStyleOptionViewItem& option) {
    QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    const int size = style->pixelMetric(QStyle::PM_IndicatorWidth, &option, option.widget);
    return QRect(option.rect.left() + 4, option.rect.center().y() - size / 2, size, size);
}

} // namespace

void CheckCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index); // background and selection
    QStyleOptionViewItem box = option;
    initStyleOption(&box, index);
    box.rect = IndicatorRect(option);
    box.state &= ~QStyle::State_HasFocus;
    box.state |= CellAt(index).text == QLatin1String("1") ? QStyle::State_On : QStyle::State_Off;
    QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, option.widget);
}

QWidget* CheckCellDelegate::createEditor(QWidget*, const QStyleOptionViewItem&,
                                         const QModelIndex&) const {
    return nullptr;
}

bool CheckCellDelegate::editorEvent(QEvent* event, QAbstractItemModel*,
                                    const QStyleOptionViewItem& option, const QModelIndex& index) {
    bool toggle = false;
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        toggle =
            mouse->button() == Qt::LeftButton && option.rect.contains(mouse->position().toPoint());
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        toggle = key == Qt::Key_Space || key == Qt::Key_Select;
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        return true; // a double click is two toggles, not an edit
    }
    if (!toggle || !CanChange(index)) {
        return false;
    }
    const bool checked = CellAt(index).text == QLatin1String("1");
    const CellId at = grid_.ModelCell(index);
    grid_.CommitEdit(at.row, at.column, checked ? QString() : QStringLiteral("1"));
    return true;
}

} // namespace vd
