// The view's commands (New node, Delete node, Cut/Copy/Paste, tree navigation) and the
// messages its frame forwards.
#include "app/Log.h"
#include "document/CValdrenCpsDoc.h"
#include "document/RecordReferences.h"
#include "model/HamCpsElement.h"
#include "ui/frames/UiConstants.h"
#include "ui/panes/CFunctionPane.h"
#include "ui/table/CListTableView.h"
#include "ui/view/CValdrenCpsView.h"
#include "ui/view/ElementCells.h"
#include "ui/view/ReferenceCells.h"
#include "ui/view/ViewStrings.h"

#include <QStringList>
#include <array>

namespace vd {

namespace {

/// Node kind of a list, on which New and Delete are offered.
constexpr int kListNodeKind = 322;

constexpr std::array<int, 6> kNavigationCommands = {
    ui::ID_MOVE_FIRST_NODE, ui::ID_NEXT_NODE,      ui::ID_PREVIOUS_NODE,
    ui::ID_LAST_NODE,       ui::ID_MOVE_NEXT_NODE, ui::ID_MOVE_PREVIOUS_NODE};

bool IsNavigation(int command) {
    return std::find(kNavigationCommands.begin(), kNavigationCommands.end(), command) !=
           kNavigationCommands.end();
}

} // namespace

void CValdrenCpsView::OnNodeNew() {
    HamCpsControl* control = Control();
    if (!control) {
        return;
    }
    Guarded([&] {
        const CValdrenCpsDoc& document = frame_.GetDocument();
        std::string listId = document.SelectedId();
        if (document.SelectedKind() == "element") {
            std::unique_ptr<HamCpsElement> element = control->GetElement(listId);
            if (!element) {
                VD_LOG_ERROR("无法查询element:{}", listId);
                return;
            }
            listId = element->parentID;
        }
        ElementList records;
        if (!control->FindFreeRecord(listId, records) || records.empty() || !records.front()) {
            VD_LOG_ERROR("无法获取{}的模板element", listId);
            Message(Text(IDS_CANNOT_CREATE), MessageStyle::Default);
            return;
        }
        const ElementPtr free = records.front();
        const int capacity = control->GetCapacity(free->name);
        if (capacity < 0) {
            VD_LOG_ERROR("无法获取{}的最大列表数", free->name);
            Message(Text(IDS_CANNOT_CREATE), MessageStyle::Default);
            return;
        }
        if (records.size() > static_cast<size_t>(capacity)) {
            HamCpsChapter list;
            control->GetChapter(listId, list);
            const std::string& listName = list.text.empty() ? free->name : list.text;
            Message(TextWithArg(IDS_MAXIMUM_EXCEEDED, QString::fromStdString(listName)),
                    MessageStyle::Default);
            return;
        }
        ElementPtr created;
        if (!control->NewRecord(free->id, created) || !created) {
            VD_LOG_WARN("无法创建新{}", free->name);
            Message(Text(IDS_CANNOT_CREATE), MessageStyle::Default);
            return;
        }
        frame_.SetModified(tr("New %1").arg(QString::fromStdString(created->inputValue)));
        if (CFunctionPane* pane = frame_.FunctionPane()) {
            pane->AddRecordNode(created->id);
        } else {
            VD_LOG_ERROR("无法获取框架内容");
        }
    });
}

void CValdrenCpsView::OnNodeDelete() {
    HamCpsControl* control = Control();
    if (!control) {
        return;
    }
    Guarded([&] {
        const CValdrenCpsDoc& document = frame_.GetDocument();
        if (document.SelectedKind() != "element") {
            return; // only a record can be deleted
        }
        const std::string id = document.SelectedId();
        std::unique_ptr<HamCpsElement> element = control->GetElement(id);
        if (!element) {
            VD_LOG_ERROR("无法查询element:{}", id);
            return;
        }
        if (element->IsLocked(*control)) {
            return;
        }
        const QString name = QString::fromStdString(element->inputValue);
        const std::vector<RecordReference> references = ReferencesTo(*control, id);
        QString question = TextWithArg(IDS_DELETE_QUESTION, name);
        QStringList cleared;
        for (const RecordReference& reference : references) {
            cleared << QString::fromStdString(DescribeReference(reference));
        }
        if (!cleared.isEmpty()) {
            question += QLatin1Char('\n') + tr("These references to it will be cleared: %1")
                                                .arg(cleared.join(QStringLiteral("; ")));
        }
        if (Message(question, MessageStyle::Question, QMessageBox::Yes | QMessageBox::No) !=
            QMessageBox::Yes) {
            return;
        }
        if (!control->DeleteRecord(id)) {
            VD_LOG_WARN("无法删除指定节点{}:{}", element->parentID, id);
            Message(TextWithArg(IDS_CANNOT_DELETE, name), MessageStyle::Default);
            return;
        }
        ClearReferencesTo(*control, {id}); // the deletion and what it clears are one step
        frame_.SetModified(tr("Delete %1").arg(name));
        for (const QString& reference : cleared) {
            Notice(tr("Deleting %1 cleared %2").arg(name, reference));
        }
        if (CFunctionPane* pane = frame_.FunctionPane()) {
            pane->RemoveRecordNode(id);
        } else {
            VD_LOG_ERROR("无法获取框架内容");
        }
    });
}

bool CValdrenCpsView::HandleCommand(int command) {
    if (command == ui::ID_VIEW_TABLE || command == ui::ID_VIEW_NAME_GRID) {
        ShowListAs(command == ui::ID_VIEW_TABLE);
        return true;
    }
    if (IsTableShown() && !IsNavigation(command)) {
        return table_->HandleCommand(command);
    }
    switch (command) {
    case ui::ID_NODE_NEW:
        OnNodeNew();
        return true;
    case ui::ID_NODE_DELETE:
        OnNodeDelete();
        return true;
    case ui::ID_EDIT_CUT:
    case ui::ID_EDIT_COPY:
    case ui::ID_EDIT_PASTE:
        // while a cell's text is being typed, the text box cuts, copies and pastes itself
        if (grid_->IsEditingCell()) {
            return false;
        }
        if (command == ui::ID_EDIT_CUT) {
            grid_->Cut();
        } else if (command == ui::ID_EDIT_COPY) {
            grid_->Copy();
        } else {
            grid_->Paste();
        }
        return true;
    default:
        if (IsNavigation(command)) {
            frame_.NavigateTree(command);
            return true;
        }
        return false;
    }
}

bool CValdrenCpsView::IsCommandEnabled(int command) const {
    HamCpsControl* control = frame_.GetDocument().Control();
    if (command == ui::ID_VIEW_TABLE || command == ui::ID_VIEW_NAME_GRID) {
        return !SelectedListName().empty();
    }
    if (IsTableShown() && !IsNavigation(command)) {
        return table_->IsCommandEnabled(command);
    }
    switch (command) {
    case ui::ID_NODE_NEW:
    case ui::ID_NODE_DELETE: {
        const CValdrenCpsDoc& document = frame_.GetDocument();
        try {
            if (!control || control->GetNodeKind(document.SelectedId(), document.SelectedKind()) !=
                                kListNodeKind) {
                return false;
            }
            if (command == ui::ID_NODE_NEW) {
                return true;
            }
            // only a record the model lets go of can be deleted
            const std::unique_ptr<HamCpsElement> record =
                document.SelectedKind() == "element" ? control->GetElement(document.SelectedId())
                                                     : nullptr;
            return record && !record->IsLocked(*control);
        } catch (const std::exception&) {
            return false;
        }
    }
    case ui::ID_EDIT_COPY:
        return grid_->CanCopy();
    case ui::ID_EDIT_CUT:
    case ui::ID_EDIT_PASTE:
        return grid_->CanChangeFocusCell();
    default:
        return IsNavigation(command) && control != nullptr;
    }
}

void CValdrenCpsView::OnFrameMessage(int message, quint32 param) {
    if (message == ui::WM_LANGUAGE_CHANGED) {
        Retranslate();
        return;
    }
    if (message != ui::WM_MEMBER_COUNT_CHANGED) {
        return;
    }
    HamCpsControl* control = Control();
    if (!control) {
        return;
    }
    const int row = ui::CellRow(param);
    const int column = ui::CellColumn(param);
    Guarded([&] {
        const ElementPtr element = grid_->GetItemElement(row, column);
        if (!element) {
            return;
        }
        if (memberCell_ == CellId{row, column}) {
            grid_->SetItemText(
                row, column,
                ShownModelText(control->FormatMemberList(MemberValues(*control, *element))));
        } else {
            RefillCell(*control, row, column);
        }
    });
}

} // namespace vd
