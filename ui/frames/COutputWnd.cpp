#include "ui/frames/COutputWnd.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QListWidget>
#include <QMenu>
#include <QVBoxLayout>

namespace vd {

COutputWnd::COutputWnd(QWidget* parent)
    : QWidget(parent), list_(new QListWidget(this)), menu_(new QMenu(this)),
      clear_(new QAction(this)), copy_(new QAction(this)) {
    menu_->addAction(clear_);
    menu_->addAction(copy_);
    connect(clear_, &QAction::triggered, this, &COutputWnd::Clear);
    connect(copy_, &QAction::triggered, this, &COutputWnd::Copy);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setUniformItemSizes(true); // a long read adds thousands of lines
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { menu_->popup(list_->viewport()->mapToGlobal(at)); });
    Retranslate();
}

void COutputWnd::AddLine(const QString& line) {
    list_->addItem(line);
    list_->setCurrentRow(list_->count() - 1, QItemSelectionModel::ClearAndSelect);
}

QStringList COutputWnd::Lines() const {
    QStringList lines;
    lines.reserve(list_->count());
    for (int i = 0; i < list_->count(); ++i) {
        lines << list_->item(i)->text();
    }
    return lines;
}

void COutputWnd::Clear() {
    list_->clear();
}

void COutputWnd::Copy() {
    QApplication::clipboard()->setText(Lines().join(QLatin1Char('\n')));
}

void COutputWnd::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QWidget::changeEvent(event);
}

void COutputWnd::Retranslate() {
    clear_->setText(tr("Clear output"));
    copy_->setText(tr("Copy output"));
}

} // namespace vd
