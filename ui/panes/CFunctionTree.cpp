#include "ui/panes/CFunctionTree.h"

#include "model/HamCpsElement.h"
#include "ui/frames/UiConstants.h"

#include <QHeaderView>
#include <QStyle>

namespace vd {

namespace {

constexpr int kDatumRole = Qt::UserRole;

QIcon TreeIcon(const QStyle* style, int image) {
    switch (image) {
    case 0:
        return style->standardIcon(QStyle::SP_ComputerIcon);
    case 1:
        return style->standardIcon(QStyle::SP_FileDialogDetailedView);
    case 2:
        return style->standardIcon(QStyle::SP_DirIcon);
    default:
        return style->standardIcon(QStyle::SP_FileIcon);
    }
}

} // namespace

CFunctionTree::CFunctionTree(QWidget* parent) : QTreeWidget(parent) {
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
    item->setIcon(0, TreeIcon(style(), image));
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
    AddChapter(*control, nullptr, root, path);

    QTreeWidgetItem* leaf = topLevelItem(0);
    while (leaf && leaf->childCount() > 0) {
        leaf = leaf->child(0);
    }
    if (leaf) {
        setCurrentItem(leaf);
    }
}

void CFunctionTree::AddChapter(HamCpsControl& control, QTreeWidgetItem* parent,
                               const HamCpsChapter& chapter, std::set<std::string>& path) {
    // a hidden chapter takes its whole subtree with it; a chapter met again below itself
    // would never end
    if (!chapter.showSelf || !path.insert(chapter.id).second) {
        return;
    }
    QTreeWidgetItem* item = NewItem(chapter.text, chapter.image, chapter.id, "chapter");
    if (parent) {
        parent->addChild(item);
    } else {
        addTopLevelItem(item);
    }
    chapters_.emplace(chapter.id, item);

    std::vector<HamCpsChapter> children;
    control.GetChapters(chapter.id, children);
    for (const HamCpsChapter& child : children) {
        AddChapter(control, item, child, path);
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
            item->addChild(record);
            records_.emplace(element->id, record);
        }
    }
    if (item->childCount() > 0 && chapter.expanded) {
        item->setExpanded(true);
    }
    path.erase(chapter.id);
}

QTreeWidgetItem* CFunctionTree::RecordItem(const std::string& id) const {
    const auto found = records_.find(id);
    return found == records_.end() ? nullptr : found->second;
}

QTreeWidgetItem* CFunctionTree::ChapterItem(const std::string& id) const {
    const auto found = chapters_.find(id);
    return found == chapters_.end() ? nullptr : found->second;
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
