#pragma once
#include "model/HamCpsControl.h"

#include <string>
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

/// Clears every reference to a record no longer in use, at once rather than when its
/// record is next shown, so that a deletion and what it clears are one change (one undo
/// step). True when something was cleared.
bool DropDanglingReferences(HamCpsControl& control);

/// "Home 1: power-up channel" or "Zone 1: Channel" for one reference.
std::string DescribeReference(const RecordReference& reference);

} // namespace vd
