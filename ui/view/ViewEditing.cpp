// The view's answers to the grid: end of edit, commit, button cells, focus changes and the
// context menu.
#include "app/Log.h"
#include "document/BandChange.h"
#include "document/CValdrenCpsDoc.h"
#include "model/HamCpsElement.h"
#include "ui/frames/UiConstants.h"
#include "ui/panes/CFunctionPane.h"
#include "ui/panes/CShortlistPane.h"
#include "ui/view/CValdrenCpsView.h"
#include "ui/view/ElementCells.h"
#include "ui/view/ReferenceCells.h"
#include "ui/view/ViewStrings.h"

#include <QMenu>

namespace vd {

bool CValdrenCpsView::OnGridBeginEdit(int row, int column, QString& text, int chosen) {
    HamCpsControl* control = Control();
    if (!control) {
        return false;
    }
    bool accept = false;
    Guarded([&] {
        const GridCell& cell = grid_->GetCell(row, column);
        if (!cell.element) {
            return;
        }
        accept = ReportEditCheck(
            CheckEditedText(*control, *cell.element, cell, text, chosen), text,
            [this](const QString& notice) { Notice(notice); },
            [this](const QString& message, MessageStyle style) { Message(message, style); });
    });
    return accept;
}

void CValdrenCpsView::OnGridAfterEdit(int row, int column) {
    HamCpsControl* control = Control();
    if (!control) {
        return;
    }
    Guarded([&] {
        const GridCell cell = grid_->GetCell(row, column);
        const ElementPtr element = cell.element;
        if (!element) {
            return;
        }
        const std::optional<std::string> value =
            ParseCellText(*control, *element, cell, cell.text, cell.chosen);
        const std::optional<BandChange> band =
            value ? PlanBandChange(*control, *element, *value) : std::nullopt;
        if (band && !ConfirmBandChange(*band)) {
            RefillCell(*control, row, column); // the old band stays
            return;
        }
        bool refresh = false;
        if (!value || !element->SetValue(*control, *value, refresh)) {
            VD_LOG_WARN("无法设置element:{}", element->id);
            RefillCell(*control, row, column); // show what is really stored
            return;
        }
        if (refresh) {
            if (CFunctionPane* pane = frame_.FunctionPane()) {
                pane->UpdateCurrentTreeNode(element->id);
            }
        }
        std::vector<ElementKey> changed;
        control->OnValueChanged(*element, *value, changed);
        // after the values that follow from it: one undo takes back all of them
        frame_.SetModified(tr("Edit %1").arg(
            QString::fromStdString(element->text.empty() ? element->name : element->text)));
        RefillCell(*control, row, column);
        RefillDependents(*control, changed);
        if (band) {
            ReportBandChange(*control, *band);
        }
    });
}

void CValdrenCpsView::OnGridButtonClick(int row, int column) {
    HamCpsControl* control = Control();
    if (!control) {
        return;
    }
    Guarded([&] {
        const ElementPtr element = grid_->GetItemElement(row, column);
        if (!element || element->IsLocked(*control) || !chooseBitmap_) {
            return;
        }
        const QString path = chooseBitmap_(this);
        if (path.isEmpty()) {
            return;
        }
        bool refresh = false;
        if (element->SetValue(*control, path.toStdString(), refresh)) {
            frame_.SetModified(tr("Edit %1").arg(
                QString::fromStdString(element->text.empty() ? element->name : element->text)));
        } else {
            VD_LOG_WARN("无法设置element:{}", element->id);
        }
        RefillCell(*control, row, column);
    });
}

void CValdrenCpsView::OnFocusCellChanged(int row, int column) {
    HamCpsControl* control = frame_.GetDocument().Control();
    CShortlistPane* pane = Shortlist();
    if (!control) {
        return;
    }
    Guarded([&] {
        const ElementPtr element = grid_->GetItemElement(row, column);
        const bool member = memberCell_ == CellId{row, column};
        if (!element || member || !IsReferenceCell(element->name)) {
            if (pane && memberField_.empty()) {
                pane->ClearShortlist();
            }
            return;
        }
        // the entries follow the records as they are now
        const ElementPtr fresh = ReadElement(*control, *element);
        const HamCpsElement& reference = fresh ? *fresh : *element;
        ReferenceChoices choices = BuildReferenceChoices(*control, reference);
        grid_->SetItemChoices(row, column, std::move(choices.choices));
        if (choices.originalDeleted) {
            const QString note =
                TextWithArg(IDS_REFERENCE_DELETED, QString::fromStdString(reference.text));
            grid_->SetItemToolTip(row, column, note);
            VD_LOG_WARN("引用的记录已删除:{}", reference.id);
        }
        if (pane && IsPowerUpZoneReference(reference.name)) {
            pane->SwitchToReference(reference, CellId{row, column});
        } else if (pane && memberField_.empty()) {
            pane->ClearShortlist();
        }
    });
}

void CValdrenCpsView::OnContextMenu(const QPoint& position) {
    const QModelIndex index = grid_->indexAt(position);
    if (index.isValid()) {
        grid_->SetFocusCell(index.row(), index.column());
    }
    QMenu menu(this);
    QAction* cut = menu.addAction(tr("Cu&t"));
    QAction* copy = menu.addAction(tr("&Copy"));
    QAction* paste = menu.addAction(tr("&Paste"));
    cut->setEnabled(IsCommandEnabled(ui::ID_EDIT_CUT));
    copy->setEnabled(IsCommandEnabled(ui::ID_EDIT_COPY));
    paste->setEnabled(IsCommandEnabled(ui::ID_EDIT_PASTE));
    QAction* picked = menu.exec(grid_->viewport()->mapToGlobal(position));
    if (picked == cut) {
        HandleCommand(ui::ID_EDIT_CUT);
    } else if (picked == copy) {
        HandleCommand(ui::ID_EDIT_COPY);
    } else if (picked == paste) {
        HandleCommand(ui::ID_EDIT_PASTE);
    }
}

} // namespace vd
