#include "ui/panes/CFunctionTree.h"

#include "model/HamCpsElement.h"
#include "ui/frames/UiConstants.h"

#include <QHeaderView>
#include <QStyle>
#include <algorithm>
#include <unordered_map>

namespace vd {

namespace {

constexpr int kDatumRole = Qt::UserRole;

} // namespace

CFunctionTree::CFunctionTree(QWidget* parent) : QTreeWidget(parent) {
    // the template's image numbers: the radio, a settings page, a list, a list record
    for (QStyle::StandardPixmap pixmap :
         {QStyle::SP_ComputerIcon, QStyle::SP_FileDialogDetailedView, QStyle::SP_DirIcon,
          QStyle::SP_FileIcon}) {
        icons_.push_back(style()->standardIcon(pixmap));
    }
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
                if (!current) {
                    return;
                }
                const auto [id, kind] = SplitDatum(current);
                emit nodeSelected(QString::fromStdString(id), QString::fromStdString(kind));
            });
}

std::pair<std::string, std::string> CFunctionTree::SplitDatum(const QTreeWidgetItem* item) {
    if (!item) {
        return {};
    }
    const std::string datum = item->data(0, kDatumRole).toString().toStdString();
    const size_t bar = datum.rfind('|');
    if (bar == std::string::npos) {
        return {datum, std::string()};
    }
    return {datum.substr(0, bar), datum.substr(bar + 1)};
}

QTreeWidgetItem* CFunctionTree::NewItem(const std::string& text, int image, const std::string& id,
                                        const char* kind) {
    auto* item = new QTreeWidgetItem;
    item->setText(0, QString::fromStdString(text));
    item->setToolTip(0, item->text(0)); // whole, where the pane cuts it
    item->setIcon(0, icons_[static_cast<size_t>(std::clamp(image, 0, 3))]);
    item->setData(0, kDatumRole, QString::fromStdString(id + "|" + kind));
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    return item;
}

void CFunctionTree::Fill(HamCpsControl* control) {
    {
        const QSignalBlocker quiet(this); // the old items announce nothing while they go
        clear();
    }
    chapters_.clear();
    records_.clear();
    listsShowingRecords_.clear();
    if (!control) {
        return;
    }
    HamCpsChapter root;
    root.text = control->GetModelName();
    root.image = 0;
    root.showElement = false;
    root.showSelf = true;
    root.expanded = true;
    std::set<std::string> path;
    std::vector<QTreeWidgetItem*> expand;
    // built apart and added at once: a thousand records cost one insertion
    if (QTreeWidgetItem* top = BuildChapter(*control, root, path, expand)) {
        addTopLevelItem(top);
    }
    for (QTreeWidgetItem* item : expand) {
        item->setExpanded(true);
    }

    QTreeWidgetItem* leaf = topLevelItem(0);
    while (leaf && leaf->childCount() > 0) {
        leaf = leaf->child(0);
    }
    if (leaf) {
        setCurrentItem(leaf);
    }
}

QTreeWidgetItem* CFunctionTree::BuildChapter(HamCpsControl& control, const HamCpsChapter& chapter,
                                             std::set<std::string>& path,
                                             std::vector<QTreeWidgetItem*>& expand) {
    // a hidden chapter takes its whole subtree with it; a chapter met again below itself
    // would never end
    if (!chapter.showSelf || !path.insert(chapter.id).second) {
        return nullptr;
    }
    QTreeWidgetItem* item = NewItem(chapter.text, chapter.image, chapter.id, "chapter");
    chapters_.emplace(chapter.id, item);

    QList<QTreeWidgetItem*> children;
    std::vector<HamCpsChapter> chapters;
    control.GetChapters(chapter.id, chapters);
    for (const HamCpsChapter& child : chapters) {
        if (QTreeWidgetItem* childItem = BuildChapter(control, child, path, expand)) {
            children.push_back(childItem);
        }
    }
    if (chapter.showElement) {
        listsShowingRecords_.insert(chapter.id);
        ElementList elements;
        control.GetElements(chapter.id, elements);
        for (const ElementPtr& element : elements) {
            if (!element || element->controlType == 0 || !element->showSelf) {
                continue;
            }
            QTreeWidgetItem* record =
                NewItem(element->inputValue, element->image, element->id, "element");
            children.push_back(record);
            records_.emplace(element->id, record);
        }
    }
    item->addChildren(children);
    if (!children.isEmpty() && chapter.expanded) {
        expand.push_back(item);
    }
    path.erase(chapter.id);
    return item;
}

QTreeWidgetItem* CFunctionTree::RecordItem(const std::string& id) const {
    const auto found = records_.find(id);
    return found == records_.end() ? nullptr : found->second;
}

QTreeWidgetItem* CFunctionTree::ChapterItem(const std::string& id) const {
    const auto found = chapters_.find(id);
    return found == chapters_.end() ? nullptr : found->second;
}

void CFunctionTree::SyncRecords(HamCpsControl& control, const std::string& chapterId) {
    QTreeWidgetItem* list = ChapterItem(chapterId);
    if (!list || listsShowingRecords_.count(chapterId) == 0) {
        return;
    }
    QTreeWidgetItem* const before = currentItem();
    const auto [currentId, currentKind] = SplitDatum(before);
    ElementList elements;
    control.GetElements(chapterId, elements);
    QList<QTreeWidgetItem*> items;
    std::unordered_map<std::string, QTreeWidgetItem*> kept;
    {
        const QSignalBlocker quiet(this);
        // the record items come off the list; its sub-chapters stay where they are
        for (int i = list->childCount() - 1; i >= 0; --i) {
            const auto [id, kind] = SplitDatum(list->child(i));
            if (kind == "element") {
                kept.emplace(id, list->takeChild(i));
            }
        }
        for (const ElementPtr& element : elements) {
            if (!element || element->controlType == 0 || !element->showSelf) {
                continue;
            }
            QTreeWidgetItem* item = nullptr;
            if (const auto found = kept.find(element->id); found != kept.end()) {
                item = found->second;
                kept.erase(found);
                item->setText(0, QString::fromStdString(element->inputValue));
                item->setToolTip(0, item->text(0));
            } else {
                item = NewItem(element->inputValue, element->image, element->id, "element");
            }
            items.push_back(item);
            records_[element->id] = item;
        }
        list->addChildren(items);
        for (const auto& [id, item] : kept) {
            records_.erase(id);
        }
        if (before && (currentKind != "element" || kept.count(currentId) == 0)) {
            setCurrentItem(before); // taking the items off moved it silently
        }
    }
    const bool currentGone = currentKind == "element" && kept.count(currentId) != 0;
    if (currentGone) {
        setCurrentItem(list);
    }
    for (const auto& [id, item] : kept) {
        delete item;
    }
}

bool CFunctionTree::AddRecord(const HamCpsElement& record) {
    QTreeWidgetItem* list = ChapterItem(record.parentID);
    if (!list || listsShowingRecords_.count(record.parentID) == 0 || RecordItem(record.id)) {
        return false;
    }
    QTreeWidgetItem* item = NewItem(record.inputValue, record.image, record.id, "element");
    list->addChild(item);
    records_.emplace(record.id, item);
    list->setExpanded(true);
    setCurrentItem(item);
    return true;
}

void CFunctionTree::RemoveRecord(const std::string& id) {
    QTreeWidgetItem* item = RecordItem(id);
    if (!item) {
        return;
    }
    records_.erase(id);
    QTreeWidgetItem* parent = item->parent();
    QTreeWidgetItem* next = nullptr;
    if (parent) {
        const int index = parent->indexOfChild(item);
        next = index + 1 < parent->childCount() ? parent->child(index + 1)
               : index > 0                      ? parent->child(index - 1)
                                                : parent;
    }
    if (currentItem() == item && next) {
        setCurrentItem(next);
    }
    delete item;
}

void CFunctionTree::Navigate(int command) {
    QTreeWidgetItem* current = currentItem();
    if (!current) {
        return;
    }
    QTreeWidgetItem* parent = current->parent();
    const int count = parent ? parent->childCount() : topLevelItemCount();
    const int index = parent ? parent->indexOfChild(current) : indexOfTopLevelItem(current);
    auto sibling = [&](int at) -> QTreeWidgetItem* {
        if (at < 0 || at >= count) {
            return nullptr;
        }
        return parent ? parent->child(at) : topLevelItem(at);
    };
    QTreeWidgetItem* target = nullptr;
    switch (command) {
    case ui::ID_MOVE_FIRST_NODE:
        target = sibling(0);
        break;
    case ui::ID_LAST_NODE:
        target = sibling(count - 1);
        break;
    case ui::ID_NEXT_NODE:
        target = sibling(index + 1);
        break;
    case ui::ID_PREVIOUS_NODE:
        target = sibling(index - 1);
        break;
    case ui::ID_MOVE_NEXT_NODE:
        target = itemBelow(current);
        break;
    case ui::ID_MOVE_PREVIOUS_NODE:
        target = itemAbove(current);
        break;
    default:
        break;
    }
    if (target && target != current) {
        setCurrentItem(target);
        scrollToItem(target);
    }
}

} // namespace vd
