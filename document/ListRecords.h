#pragma once
#include "model/HamCpsControl.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vd {

/// Adds a record to a list as New does (the free record's values, the next number and
/// name) and puts it right after `afterId` (at the end when empty). None when the list is
/// full or the model keeps the following records in place.
std::optional<std::string> InsertRecord(HamCpsControl& control, const std::string& chapterId,
                                        const std::string& afterId);

/// Deletes records of a list and clears the references to them; records the model locks are
/// kept. Returns the ids it deleted.
std::vector<std::string> DeleteRecords(HamCpsControl& control, const std::string& chapterId,
                                       const std::vector<std::string>& ids);

} // namespace vd
