#include "document/ListOrder.h"

#include "document/ListTable.h"

#include <algorithm>
#include <boost/algorithm/string/case_conv.hpp>
#include <cstdlib>
#include <optional>
#include <unordered_set>

namespace vd {

namespace {

std::vector<bool> LockedRecords(HamCpsControl& control, const std::vector<std::string>& ids) {
    std::vector<bool> locked;
    locked.reserve(ids.size());
    for (const std::string& id : ids) {
        const std::unique_ptr<HamCpsElement> record = control.GetElement(id);
        locked.push_back(record && record->IsLocked(control));
    }
    return locked;
}

/// A cell's sort key: the number it starts with, when it does, and its text.
struct SortKey {
    std::optional<double> number;
    std::string text;
};

SortKey KeyOf(const std::string& cell) {
    SortKey key{std::nullopt, boost::algorithm::to_lower_copy(cell)};
    const char* start = cell.c_str();
    char* end = nullptr;
    const double number = std::strtod(start, &end);
    if (end != start && (*end == '\0' || *end == ' ')) {
        key.number = number;
    }
    return key;
}

bool Before(const SortKey& a, const SortKey& b) {
    if (a.number && b.number) {
        return *a.number < *b.number;
    }
    if (a.number || b.number) {
        return a.number.has_value(); // numbers first
    }
    return a.text < b.text;
}

} // namespace

bool MoveRecords(HamCpsControl& control, const std::string& chapterId,
                 const std::vector<std::string>& ids, int delta) {
    ListTable list(control, chapterId);
    std::vector<std::string> order = list.RecordIds();
    const std::vector<bool> locked = LockedRecords(control, order);
    const std::unordered_set<std::string> chosen(ids.begin(), ids.end());
    std::vector<bool> moving(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        moving[i] = chosen.count(order[i]) != 0 && !locked[i];
    }
    bool changed = false;
    for (int step = 0; step < std::abs(delta); ++step) {
        // one place: each chosen record trades places with the unchosen neighbour in the
        // direction of the move; a chosen record at the edge holds its block back
        const bool up = delta < 0;
        const std::size_t n = order.size();
        for (std::size_t k = 0; k + 1 < n; ++k) {
            const std::size_t i = up ? k + 1 : n - 2 - k; // the record that moves
            const std::size_t j = up ? i - 1 : i + 1;     // its neighbour
            if (moving[i] && !moving[j] && !locked[j]) {
                std::swap(order[i], order[j]);
                moving[i] = false;
                moving[j] = true;
                changed = true;
            }
        }
    }
    return changed && control.ReorderRecords(chapterId, order);
}

bool SortRecords(HamCpsControl& control, const std::string& chapterId, std::size_t column,
                 bool ascending) {
    ListTable list(control, chapterId);
    const std::vector<std::string>& ids = list.RecordIds();
    const std::vector<bool> locked = LockedRecords(control, ids);
    std::vector<std::pair<SortKey, std::string>> sortable;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (!locked[i]) {
            sortable.emplace_back(KeyOf(list.CellText(ids[i], column)), ids[i]);
        }
    }
    std::stable_sort(sortable.begin(), sortable.end(), [ascending](const auto& a, const auto& b) {
        return ascending ? Before(a.first, b.first) : Before(b.first, a.first);
    });
    std::vector<std::string> order = ids;
    std::size_t next = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (!locked[i]) {
            order[i] = sortable[next++].second;
        }
    }
    return order != ids && control.ReorderRecords(chapterId, order);
}

} // namespace vd
