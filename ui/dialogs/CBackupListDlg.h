#pragma once
#include "document/BackupStore.h"

#include <QDialog>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace vd {

/// The backups of one model, newest first (model, date and time, size), to choose the one to
/// restore.
class CBackupListDlg : public QDialog {
    Q_OBJECT
public:
    /// A dialog listing `backups` of the model.
    CBackupListDlg(const std::vector<BackupEntry>& backups, const QString& model,
                   QWidget* parent = nullptr);

    /// The chosen backup's path, or empty text.
    QString ChosenPath() const;
    /// The list, for the tests.
    QTreeWidget* List() const { return list_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();

    QString model_;
    QLabel* prompt_;
    QTreeWidget* list_;
    QPushButton* restore_;
    QPushButton* cancel_;
};

} // namespace vd
