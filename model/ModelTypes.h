#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vd {

class HamCpsElement;

/// A memory image or any other run of bytes that travels to or from a radio.
using ByteVector = std::vector<uint8_t>;

/// Snapshot records handed out by a model control.
using ElementPtr = std::shared_ptr<HamCpsElement>;
using ElementList = std::vector<ElementPtr>;

/// Identifies one element for a refresh: (element id, "") for a top-level element,
/// (record id, field id) for a field of a record.
using ElementKey = std::pair<std::string, std::string>;

/// In-use records of the lists that references point into, read once per caller:
/// target record name -> (record id -> position among the in-use records).
using ReferenceCache = std::map<std::string, std::unordered_map<std::string, int>>;

} // namespace vd
