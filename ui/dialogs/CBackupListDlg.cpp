#include "ui/dialogs/CBackupListDlg.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vd {

namespace {

constexpr int kPathRole = Qt::UserRole;

} // namespace

CBackupListDlg::CBackupListDlg(const std::vector<BackupEntry>& backups, const QString& model,
                               QWidget* parent)
    : QDialog(parent), model_(model), prompt_(new QLabel(this)), list_(new QTreeWidget(this)),
      restore_(new QPushButton(this)), cancel_(new QPushButton(this)) {
    list_->setRootIsDecorated(false);
    list_->setColumnCount(3);
    for (const BackupEntry& backup : backups) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, QString::fromStdString(backup.model));
        item->setText(1, QString::fromStdString(backup.stamp));
        item->setText(2, QLocale().formattedDataSize(static_cast<qint64>(backup.size)));
        item->setData(0, kPathRole, QString::fromStdString(backup.path));
        item->setToolTip(0, QString::fromStdString(backup.path));
    }
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (list_->topLevelItemCount() > 0) {
        list_->setCurrentItem(list_->topLevelItem(0));
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(restore_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    restore_->setDefault(true);
    restore_->setEnabled(!backups.empty());
    connect(restore_, &QPushButton::clicked, this, &CBackupListDlg::accept);
    connect(list_, &QTreeWidget::itemActivated, this, &CBackupListDlg::accept);
    connect(cancel_, &QPushButton::clicked, this, &CBackupListDlg::reject);
    resize(480, 320);
    Retranslate();
}

QString CBackupListDlg::ChosenPath() const {
    const QTreeWidgetItem* item = list_->currentItem();
    return item ? item->data(0, kPathRole).toString() : QString();
}

void CBackupListDlg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QDialog::changeEvent(event);
}

void CBackupListDlg::Retranslate() {
    setWindowTitle(tr("Restore Backup"));
    prompt_->setText(list_->topLevelItemCount() == 0
                         ? tr("There is no backup of a %1 yet.").arg(model_)
                         : tr("Choose the backup of the %1 to write back:").arg(model_));
    list_->setHeaderLabels({tr("Model"), tr("Date and time"), tr("Size")});
    restore_->setText(tr("&Restore"));
    cancel_->setText(tr("Cancel"));
}

} // namespace vd
