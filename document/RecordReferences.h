#pragma once
#include "model/HamCpsControl.h"

#include <cstddef>
#include <string>
#include <unordered_set>
#include <vector>

namespace vd {

/// One value that refers to a record and is cleared (or loses a member) when that record is
/// deleted.
struct RecordReference {
    std::string owner; ///< display text of the setting, or the name of the record holding it
    std::string field; ///< display text of the field inside that record; empty for a setting
};

/// Every setting and record field that refers to the record id, in tree order, so that a
/// deletion can say what it clears.
std::vector<RecordReference> ReferencesTo(HamCpsControl& control, const std::string& recordId);

/// Clears every setting and record field that refers to one of the records (removed ones):
/// a reference becomes empty, a member list loses the member. Returns how many references
/// it cleared.
std::size_t ClearReferencesTo(HamCpsControl& control,
                              const std::unordered_set<std::string>& recordIds);

/// "Home 1: power-up channel" or "Zone 1: Channel" for one reference.
std::string DescribeReference(const RecordReference& reference);

} // namespace vd
