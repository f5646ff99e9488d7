#pragma once
#include "model/HamCpsControl.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vd {

/// Moves the given records of a list up (delta < 0) or down by |delta| places; a block of
/// neighbours moves together and records the model keeps in place (the VFOs) are neither
/// moved nor passed. True when the order changed.
bool MoveRecords(HamCpsControl& control, const std::string& chapterId,
                 const std::vector<std::string>& ids, int delta);

/// Sorts the records of a list by a table column (ListTable's numbering), stably: values that
/// start with a number (frequencies, tones, numbers) compare as numbers and come first, texts
/// compare without regard to case. Records the model keeps in place stay where they are.
/// True when the order changed.
bool SortRecords(HamCpsControl& control, const std::string& chapterId, std::size_t column,
                 bool ascending);

} // namespace vd
