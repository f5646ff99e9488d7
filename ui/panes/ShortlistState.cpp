#include "ui/panes/ShortlistState.h"

#include <algorithm>
#include <set>

namespace vd {

void ShortlistState::Reset(std::vector<ShortlistEntry> records, std::vector<ShortlistEntry> members,
                           int maximum) {
    records_ = std::move(records);
    members_ = std::move(members);
    maximum_ = std::max(maximum, 0);
}

void ShortlistState::Clear() {
    Reset({}, {}, 0);
}

std::vector<ShortlistEntry> ShortlistState::Candidates() const {
    std::set<std::string> memberIds;
    for (const ShortlistEntry& member : members_) {
        memberIds.insert(member.id);
    }
    std::vector<ShortlistEntry> candidates;
    for (const ShortlistEntry& record : records_) {
        if (memberIds.count(record.id) == 0) {
            candidates.push_back(record);
        }
    }
    return candidates;
}

std::vector<std::string> ShortlistState::MemberIds() const {
    std::vector<std::string> ids;
    for (const ShortlistEntry& member : members_) {
        ids.push_back(member.id);
    }
    return ids;
}

SelectResult ShortlistState::Select(const std::vector<int>& candidateRows) {
    SelectResult result;
    const std::vector<ShortlistEntry> candidates = Candidates();
    std::vector<int> rows = candidateRows;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows) {
        if (row < 0 || static_cast<size_t>(row) >= candidates.size()) {
            continue;
        }
        if (static_cast<int>(members_.size()) >= maximum_) {
            result.stoppedAtMaximum = true;
            break;
        }
        members_.push_back(candidates[static_cast<size_t>(row)]);
        ++result.moved;
    }
    return result;
}

int ShortlistState::Unselect(const std::vector<int>& memberRows) {
    std::vector<int> rows = memberRows;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    int removed = 0;
    // last first, so that the rows still to go keep their positions
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (*row >= 0 && static_cast<size_t>(*row) < members_.size()) {
            members_.erase(members_.begin() + *row);
            ++removed;
        }
    }
    return removed;
}

void ShortlistState::SortMembers() {
    auto position = [this](const ShortlistEntry& member) {
        const auto found =
            std::find_if(records_.begin(), records_.end(),
                         [&](const ShortlistEntry& record) { return record.id == member.id; });
        return found - records_.begin();
    };
    std::stable_sort(members_.begin(), members_.end(),
                     [&](const ShortlistEntry& a, const ShortlistEntry& b) {
                         return position(a) < position(b);
                     });
}

bool ShortlistState::MoveMember(int row, int delta) {
    const int to = row + delta;
    const int count = static_cast<int>(members_.size());
    if (row < 0 || row >= count || to < 0 || to >= count || row == to) {
        return false;
    }
    std::swap(members_[static_cast<size_t>(row)], members_[static_cast<size_t>(to)]);
    return true;
}

void ShortlistState::SetOnlyMember(ShortlistEntry entry) {
    members_.assign(1, std::move(entry));
}

} // namespace vd
