#pragma once
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace vd {

/// What a model's radio does with a configuration as a whole, beyond the rule of each value
/// (ValidateValue, IsValueAllowed, the capacities and the reference tables): the whole-project
/// check holds a project against these. The models differ only in this data.
struct ProjectRules {
    /// An inclusive frequency range in Hz.
    using Range = std::pair<long long, long long>;

    /// Field of the zones and scan lists that holds one member each.
    std::string memberField = "Channel";
    /// Most members a zone or scan list stores; 0 when the model has no member lists.
    size_t memberCapacity = 0;
    /// References the radio cannot store empty: it has no "none" value for them.
    std::vector<std::string> requiredReferences;
    /// Pairs (channel reference, zone reference) of settings: the radio stores the channel
    /// as a place among the members of the zone, so it must be one of them.
    std::vector<std::pair<std::string, std::string>> channelInZone;
    /// Receive and transmit frequency fields of a channel record.
    std::string receiveField;
    std::string transmitField;
    /// Frequencies the radio only receives on (weather broadcasts).
    std::vector<Range> receiveOnly;
};

} // namespace vd
