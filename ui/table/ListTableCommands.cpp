// The list table's commands: clipboard, insert, delete, move, sort, import and export. The
// work is done by the document's list operations; this file asks, reports and refreshes.
#include "app/Log.h"
#include "document/CValdrenCpsDoc.h"
#include "document/RecordReferences.h"
#include "model/HamCpsElement.h"
#include "ui/frames/UiConstants.h"
#include "ui/panes/CFunctionPane.h"
#include "ui/table/CListTableView.h"

#include <QApplication>
#include <QStringList>

namespace vd {

bool CListTableView::HandleCommand(int command) {
    HamCpsControl* control = Control();
    if (!control || chapterId_.empty()) {
        return false;
    }
    switch (command) {
    case ui::ID_NODE_NEW:
        Guarded([&] { InsertRow(*control); });
        return true;
    case ui::ID_NODE_DELETE:
        Guarded([&] { DeleteRows(*control); });
        return true;
    default:
        return false;
    }
}

bool CListTableView::IsCommandEnabled(int command) const {
    if (chapterId_.empty() || !frame_.GetDocument().Control()) {
        return false;
    }
    const std::vector<int> rows = grid_->GetSelectedRows(); // ascending, in list order
    switch (command) {
    case ui::ID_NODE_DELETE:
        return !rows.empty();
    case ui::ID_NODE_NEW:
        return true;
    default:
        return false;
    }
}

QString CListTableView::ListText(HamCpsControl& control) const {
    HamCpsChapter chapter;
    control.GetChapter(chapterId_, chapter);
    return QString::fromStdString(chapter.text.empty() ? chapter.name : chapter.text);
}

void CListTableView::AfterListChange(HamCpsControl& control,
                                     const std::vector<std::string>& select) {
    if (CFunctionPane* pane = frame_.FunctionPane()) {
        pane->SyncListNode(chapterId_);
    }
    ShowList(control, chapterId_);
    SelectRecords(select);
}

void CListTableView::InsertRow(HamCpsControl& control) {
    ElementList free;
    if (!control.FindFreeRecord(chapterId_, free) || free.empty() || !free.front()) {
        Message(tr("%1 holds no more records.").arg(ListText(control)), MessageStyle::Default);
        return;
    }
    const int capacity = control.GetCapacity(free.front()->name);
    if (capacity >= 0 && rowIds_.size() >= static_cast<size_t>(capacity)) {
        Message(tr("%1 holds no more records.").arg(ListText(control)), MessageStyle::Default);
        return;
    }
    ElementPtr created;
    if (!control.NewRecord(free.front()->id, created) || !created) {
        VD_LOG_WARN("无法创建新{}", free.front()->name);
        Message(tr("No record could be added to %1.").arg(ListText(control)),
                MessageStyle::Default);
        return;
    }
    frame_.SetModified(tr("New %1").arg(QString::fromStdString(created->inputValue)));
    AfterListChange(control, {created->id});
}

void CListTableView::DeleteRows(HamCpsControl& control) {
    std::vector<std::string> ids;
    QStringList names;
    QStringList cleared;
    for (const std::string& id : SelectedRecordIds()) {
        std::unique_ptr<HamCpsElement> record = control.GetElement(id);
        if (!record || record->IsLocked(control)) {
            continue;
        }
        ids.push_back(id);
        names << QString::fromStdString(record->inputValue);
        for (const RecordReference& reference : ReferencesTo(control, id)) {
            cleared << QString::fromStdString(DescribeReference(reference));
        }
    }
    if (ids.empty()) {
        return;
    }
    QString question = tr("Delete %1?").arg(names.join(QStringLiteral(", ")));
    if (!cleared.isEmpty()) {
        question += QLatin1Char('\n') + tr("These references to them will be cleared: %1")
                                            .arg(cleared.join(QStringLiteral("; ")));
    }
    if (Message(question, MessageStyle::Question, QMessageBox::Yes | QMessageBox::No) !=
        QMessageBox::Yes) {
        return;
    }
    int deleted = 0;
    for (size_t i = 0; i < ids.size(); ++i) {
        if (control.DeleteRecord(ids[i])) {
            ++deleted;
        } else {
            VD_LOG_WARN("无法删除指定节点{}:{}", chapterId_, ids[i]);
            Notice(tr("%1 could not be deleted").arg(names[static_cast<int>(i)]));
        }
    }
    if (deleted == 0) {
        return;
    }
    frame_.SetModified(deleted == 1 ? tr("Delete Row") : tr("Delete %1 Rows").arg(deleted));
    for (const QString& reference : cleared) {
        Notice(tr("Deleting rows cleared %1").arg(reference));
    }
    AfterListChange(control, {});
}

} // namespace vd
