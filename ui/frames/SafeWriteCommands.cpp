// Restore Backup, Compare with Radio and File Compare: the windows over the document's safe
// writing and comparing.
#include "document/BackupStore.h"
#include "document/ImageFile.h"
#include "model/Exceptions.h"
#include "ui/dialogs/CBackupListDlg.h"
#include "ui/dialogs/CDifferencesDlg.h"
#include "ui/dialogs/CpsMessageBox.h"
#include "ui/frames/CChildFrame.h"
#include "ui/frames/CMainFrame.h"
#include "ui/panes/CFunctionPane.h"
#include "ui/panes/CFunctionTree.h"

#include <QInputDialog>

namespace vd {

void CChildFrame::RunRestoreBackup() {
    HamCpsControl* control = doc_.Control();
    if (!control) {
        return;
    }
    const std::string model = control->GetModelName();
    CBackupListDlg chooser(BackupStore::List(BackupStore::Folder(), model),
                           QString::fromStdString(model), dialogParent_);
    if (chooser.exec() != QDialog::Accepted || chooser.ChosenPath().isEmpty()) {
        return;
    }
    ByteVector image;
    try {
        image = ReadImageFile(chooser.ChosenPath().toStdString());
    } catch (const ValdrenCpsException& e) {
        CpsMessageBox(dialogParent_, QString::fromStdString(e.what()), MessageStyle::Error);
        return;
    }
    RunBusy([this, &image] { doc_.RestoreImage(image); });
}

void CChildFrame::RunCompareWithRadio() {
    std::vector<Difference> differences;
    RunBusy([this, &differences] { differences = doc_.CompareWithDevice(); });
    if (doc_.LastResult() == OperationResult::Success) {
        ShowDifferences(differences, tr("Radio"), Title());
    }
}

void CChildFrame::ShowDifferences(const std::vector<Difference>& differences,
                                  const QString& oldSide, const QString& newSide) {
    CDifferencesDlg dialog(differences, oldSide, newSide, dialogParent_);
    connect(&dialog, &CDifferencesDlg::showNode, this,
            [this](const QString& nodeId) { ShowNode(nodeId.toStdString()); });
    dialog.exec();
}

bool CChildFrame::ShowNode(const std::string& nodeId) {
    if (!functionPane_) {
        return false;
    }
    CFunctionTree& tree = functionPane_->Tree();
    QTreeWidgetItem* item = tree.RecordItem(nodeId);
    if (!item) {
        item = tree.ChapterItem(nodeId);
    }
    if (!item) {
        return false;
    }
    tree.setCurrentItem(item);
    tree.scrollToItem(item);
    return true;
}

void CMainFrame::OnCompareDocuments() {
    CChildFrame* current = CurrentFrame();
    if (!current || !current->GetDocument().Control()) {
        return;
    }
    HamCpsControl& control = *current->GetDocument().Control();
    QList<CChildFrame*> others;
    QStringList titles;
    for (CChildFrame* frame : Frames()) {
        HamCpsControl* other = frame->GetDocument().Control();
        if (frame != current && other && other->GetModelName() == control.GetModelName()) {
            others << frame;
            titles << frame->Title();
        }
    }
    if (others.isEmpty()) {
        CpsMessageBox(this,
                      tr("No other open document of the %1 to compare with.")
                          .arg(QString::fromStdString(control.GetModelName())),
                      MessageStyle::Information);
        return;
    }
    int chosen = 0;
    if (others.size() > 1) {
        bool ok = false;
        const QString title =
            QInputDialog::getItem(this, tr("Compare"), tr("Compare %1 with:").arg(current->Title()),
                                  titles, 0, false, &ok);
        chosen = static_cast<int>(titles.indexOf(title));
        if (!ok || chosen < 0) {
            return;
        }
    }
    CChildFrame* other = others[chosen];
    current->ShowDifferences(CompareConfigurations(*other->GetDocument().Control(), control),
                             other->Title(), current->Title());
}

} // namespace vd
