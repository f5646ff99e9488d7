#include "ui/dialogs/CDifferencesDlg.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vd {

namespace {

constexpr int kNodeRole = Qt::UserRole;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CDifferencesDlg::CDifferencesDlg(const std::vector<Difference>& differences, const QString& oldSide,
                                 const QString& newSide, QWidget* parent)
    : QDialog(parent), oldSide_(oldSide), newSide_(newSide), summary_(new QLabel(this)),
      list_(new QTreeWidget(this)), goTo_(new QPushButton(this)), close_(new QPushButton(this)),
      count_(differences.size()) {
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setColumnCount(4);
    for (const Difference& difference : differences) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, Text(difference.path));
        switch (difference.kind) {
        case Difference::Kind::Added:
            item->setText(1, Text(difference.newValue));
            item->setText(3, tr("added"));
            break;
        case Difference::Kind::Removed:
            item->setText(1, Text(difference.oldValue));
            item->setText(2, tr("removed"));
            break;
        case Difference::Kind::Changed:
            item->setText(1, Text(difference.selector));
            item->setText(2, Text(difference.oldValue));
            item->setText(3, Text(difference.newValue));
            break;
        }
        item->setData(0, kNodeRole, Text(difference.nodeId));
    }
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(goTo_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    goTo_->setEnabled(count_ > 0);
    close_->setDefault(true);
    connect(goTo_, &QPushButton::clicked, this, &CDifferencesDlg::GoTo);
    connect(list_, &QTreeWidget::itemActivated, this, &CDifferencesDlg::GoTo);
    connect(close_, &QPushButton::clicked, this, &CDifferencesDlg::accept);
    if (count_ > 0) {
        list_->setCurrentItem(list_->topLevelItem(0));
    }
    resize(720, 420);
    Retranslate();
}

void CDifferencesDlg::GoTo() {
    if (const QTreeWidgetItem* item = list_->currentItem()) {
        emit showNode(item->data(0, kNodeRole).toString());
    }
}

void CDifferencesDlg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QDialog::changeEvent(event);
}

void CDifferencesDlg::Retranslate() {
    setWindowTitle(tr("Differences"));
    summary_->setText(
        count_ == 0 ? tr("%1 and %2 hold the same values.").arg(oldSide_, newSide_)
                    : tr("Differences from %1 to %2: %3").arg(oldSide_, newSide_).arg(count_));
    list_->setHeaderLabels({tr("Place"), tr("Setting"), oldSide_, newSide_});
    goTo_->setText(tr("&Go to"));
    close_->setText(tr("Close"));
}

} // namespace vd
