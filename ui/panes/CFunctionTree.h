#pragma once
#include "model/HamCpsControl.h"

#include <QTreeWidget>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>

namespace vd {

/// The chapter tree of a document: chapters of the template and the records of the lists
/// that show their elements. Each item carries the datum id + "|chapter" or id + "|element".
class CFunctionTree : public QTreeWidget {
    Q_OBJECT
public:
    /// An empty tree.
    explicit CFunctionTree(QWidget* parent = nullptr);

    /// Rebuilds the whole tree (empty without a control) and selects its first leaf.
    void Fill(HamCpsControl* control);
    /// The item of a record, or null.
    QTreeWidgetItem* RecordItem(const std::string& id) const;
    /// The item of a chapter, or null.
    QTreeWidgetItem* ChapterItem(const std::string& id) const;
    /// Adds a record that was just created below its list and selects it; false when its list
    /// is not in the tree or does not show its records.
    bool AddRecord(const HamCpsElement& record);
    /// Brings the record items of a list in line with its in-use records (added, removed,
    /// renamed, reordered) without changing the selected item unless it was removed.
    void SyncRecords(HamCpsControl& control, const std::string& chapterId);
    /// Removes a record's item, selecting its next sibling (else the previous one, else its
    /// list).
    void RemoveRecord(const std::string& id);
    /// Moves the selection for one of the six navigation commands.
    void Navigate(int command);
    /// The identifier and kind of an item's datum.
    static std::pair<std::string, std::string> SplitDatum(const QTreeWidgetItem* item);

signals:
    /// The selected item changed to the node (id, kind).
    void nodeSelected(const QString& id, const QString& kind);

private:
    /// Builds a chapter's item with everything below it, not yet in the tree; the items to
    /// expand are collected, since only items in the tree can be expanded.
    QTreeWidgetItem* BuildChapter(HamCpsControl& control, const HamCpsChapter& chapter,
                                  std::set<std::string>& path,
                                  std::vector<QTreeWidgetItem*>& expand);
    QTreeWidgetItem* NewItem(const std::string& text, int image, const std::string& id,
                             const char* kind);

    std::unordered_map<std::string, QTreeWidgetItem*> chapters_;
    std::unordered_map<std::string, QTreeWidgetItem*> records_;
    std::set<std::string> listsShowingRecords_;
    std::vector<QIcon> icons_; ///< by image number, made once
};

} // namespace vd
