#pragma once
#include <string>

namespace vd {

/// Whether fields of that name hold the id of another record (zone members, a channel's scan
/// list, power-up channels and zones, priority channels, ...).
bool IsGenericReferenceName(const std::string& name);

/// The record name of the list such a field points into ("ChannelName", "ZoneName", ...),
/// or empty text.
std::string GenericReferenceTarget(const std::string& name);

} // namespace vd
