#include "ui/panes/CFunctionPane.h"

#include "app/Log.h"
#include "document/CValdrenCpsDoc.h"
#include "model/HamCpsElement.h"
#include "ui/frames/UiConstants.h"
#include "ui/panes/CFunctionTree.h"

#include <QMenu>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <set>

namespace vd {

namespace {

/// Runs a handler of the pane, keeping a failure of the model out of Qt's event loop.
template <typename Fn> void Guarded(Fn&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        VD_LOG_ERROR("界面操作失败:{}", error.what());
    }
}

} // namespace

CFunctionPane::CFunctionPane(IChildFrame& frame, QWidget* parent)
    : QWidget(parent), frame_(frame), tree_(new CFunctionTree(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree_);
    connect(tree_, &CFunctionTree::nodeSelected, this, &CFunctionPane::OnNodeSelected);
    connect(tree_, &QWidget::customContextMenuRequested, this, &CFunctionPane::OnContextMenu);
    frame_.Subscribe(ui::WM_LANGUAGE_CHANGED, this);
    frame_.Subscribe(ui::WM_VALUES_REPLACED, this);
}

CFunctionPane::~CFunctionPane() = default;

void CFunctionPane::FillTree() {
    Guarded([&] { tree_->Fill(frame_.GetDocument().Control()); });
}

void CFunctionPane::OnNodeSelected(const QString& id, const QString& kind) {
    Guarded([&] { frame_.GetDocument().SetSelection(id.toStdString(), kind.toStdString()); });
}

void CFunctionPane::UpdateCurrentTreeNode(const std::string& id) {
    HamCpsControl* control = frame_.GetDocument().Control();
    if (!control) {
        VD_LOG_ERROR("无法获取doc:{}", "ham_cps == nullptr");
        return;
    }
    Guarded([&] {
        std::unique_ptr<HamCpsElement> element = control->GetElement(id);
        if (!element) {
            VD_LOG_ERROR("无法查询element:{}", id);
            return;
        }
        if (QTreeWidgetItem* item = tree_->RecordItem(id)) {
            item->setText(0, QString::fromStdString(element->inputValue));
            item->setToolTip(0, item->text(0));
        }
    });
}

void CFunctionPane::AddRecordNode(const std::string& id) {
    HamCpsControl* control = frame_.GetDocument().Control();
    if (!control) {
        return;
    }
    Guarded([&] {
        std::unique_ptr<HamCpsElement> record = control->GetElement(id);
        if (!record) {
            VD_LOG_ERROR("无法查询element:{}", id);
            return;
        }
        tree_->AddRecord(*record);
    });
}

void CFunctionPane::RemoveRecordNode(const std::string& id) {
    tree_->RemoveRecord(id);
}

void CFunctionPane::SyncListNode(const std::string& chapterId) {
    if (HamCpsControl* control = frame_.GetDocument().Control()) {
        Guarded([&] { tree_->SyncRecords(*control, chapterId); });
    }
}

void CFunctionPane::Navigate(int command) {
    tree_->Navigate(command);
}

bool CFunctionPane::HandleCommand(int command) {
    if (command != ui::ID_PROPERTIES) {
        return false;
    }
    // the properties of a node are what the view shows for it
    if (auto* view = dynamic_cast<QWidget*>(frame_.DocumentView())) {
        view->setFocus();
    }
    return true;
}

void CFunctionPane::OnFrameMessage(int message, quint32) {
    if (message != ui::WM_LANGUAGE_CHANGED && message != ui::WM_VALUES_REPLACED) {
        return;
    }
    // new texts or values, same tree: the person's open chapters and selection stay as they
    // were; a record an undo took away leaves its chapter selected
    std::set<std::pair<std::string, std::string>> expanded;
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        if ((*it)->isExpanded()) {
            expanded.insert(CFunctionTree::SplitDatum(*it));
        }
    }
    const QTreeWidgetItem* before = tree_->currentItem();
    const auto selected =
        before ? CFunctionTree::SplitDatum(before) : std::pair<std::string, std::string>();
    const auto selectedParent = before && before->parent()
                                    ? CFunctionTree::SplitDatum(before->parent())
                                    : std::pair<std::string, std::string>();
    FillTree();
    QTreeWidgetItem* current = nullptr;
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        const auto datum = CFunctionTree::SplitDatum(*it);
        (*it)->setExpanded(expanded.count(datum) != 0);
        if (datum == selected && !selected.first.empty()) {
            current = *it;
        }
    }
    if (!current && message == ui::WM_VALUES_REPLACED && selectedParent.second == "chapter") {
        current = tree_->ChapterItem(selectedParent.first);
    }
    if (current) {
        tree_->setCurrentItem(current);
    }
    if (message == ui::WM_VALUES_REPLACED) {
        // the view shows the selected node's values again, whether or not it moved
        const auto shown =
            current ? CFunctionTree::SplitDatum(current) : std::pair<std::string, std::string>();
        OnNodeSelected(QString::fromStdString(shown.first), QString::fromStdString(shown.second));
    }
}

void CFunctionPane::OnContextMenu(const QPoint& position) {
    QTreeWidgetItem* item = tree_->itemAt(position);
    HamCpsControl* control = frame_.GetDocument().Control();
    if (!item || !control) {
        return;
    }
    tree_->setCurrentItem(item);
    tree_->setFocus();
    const auto [id, kind] = CFunctionTree::SplitDatum(item);
    int menuId = -1;
    Guarded([&] { menuId = control->GetContextMenuId(id, kind); });

    QMenu menu(this);
    std::vector<std::pair<QAction*, int>> commands;
    IDocumentView* view = frame_.DocumentView();
    auto add = [&](const QString& text, int command) {
        QAction* action = menu.addAction(text);
        action->setEnabled(command == ui::ID_PROPERTIES ||
                           (view != nullptr && view->IsCommandEnabled(command)));
        commands.emplace_back(action, command);
    };
    if (menuId == ui::IDR_POPUP_LIST_NODE) {
        add(tr("&New"), ui::ID_NODE_NEW);
        add(tr("&Delete"), ui::ID_NODE_DELETE);
    } else if (menuId == ui::IDR_POPUP_PROPERTIES) {
        add(tr("&Properties..."), ui::ID_PROPERTIES);
    } else {
        return;
    }
    QAction* picked = menu.exec(tree_->viewport()->mapToGlobal(position));
    for (const auto& [action, command] : commands) {
        if (action != picked) {
            continue;
        }
        if (!HandleCommand(command) && view) {
            view->HandleCommand(command);
        }
    }
}

} // namespace vd
