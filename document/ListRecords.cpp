#include "document/ListRecords.h"

#include "document/ListTable.h"
#include "document/RecordReferences.h"

#include <algorithm>
#include <unordered_set>

namespace vd {

std::optional<std::string> InsertRecord(HamCpsControl& control, const std::string& chapterId,
                                        const std::string& afterId) {
    const ListTable list(control, chapterId);
    const int capacity = list.Capacity();
    if (capacity >= 0 && list.RecordIds().size() >= static_cast<std::size_t>(capacity)) {
        return std::nullopt;
    }
    ElementPtr created;
    if (!control.NewRecord(list.FreeRecordId(), created) || !created) {
        return std::nullopt;
    }
    std::vector<std::string> order = list.RecordIds();
    const auto after = std::find(order.begin(), order.end(), afterId);
    order.insert(after == order.end() ? order.end() : after + 1, created->id);
    if (!control.ReorderRecords(chapterId, order)) {
        control.DeleteRecord(created->id);
        return std::nullopt;
    }
    return created->id;
}

std::vector<std::string> DeleteRecords(HamCpsControl& control, const std::string& chapterId,
                                       const std::vector<std::string>& ids) {
    const ListTable list(control, chapterId);
    std::vector<std::string> deleted;
    for (const std::string& id : list.RecordIds()) {
        const ElementPtr record = list.CellElement(id, 0);
        if (std::find(ids.begin(), ids.end(), id) != ids.end() && record &&
            !record->IsLocked(control) && control.DeleteRecord(id)) {
            deleted.push_back(id);
        }
    }
    ClearReferencesTo(control, std::unordered_set<std::string>(deleted.begin(), deleted.end()));
    return deleted;
}

} // namespace vd
