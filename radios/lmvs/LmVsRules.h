#pragma once
#include "model/CommonCpsControl.h"

#include <string>
#include <unordered_set>
#include <vector>

namespace vd {

/// An inclusive frequency range in Hz.
struct FrequencyLimits {
    long long lower;
    long long upper;
};

/// The value rules of one model: what may not be edited and the frequencies it takes.
struct LmVsRuleData {
    /// Settings and device elements that are read-only, as id + "_" + name.
    std::vector<std::string> readOnlyKeys;
    /// Fields that are read-only in every channel record, the free record included.
    std::vector<std::string> lockedChannelFields;
    /// The frequencies "rxfreq" and "txfreq" may take.
    FrequencyLimits frequencies;
};

/// The read-only keys of a model (id + "_" + name), built once from its rule data: the listed
/// keys, the locked fields of the channel records e01090001 to e01090017 and the names of the
/// records e01090002 to e01090017 (the radio has no channel names).
std::unordered_set<std::string> build_read_only_keys(const LmVsRuleData& rules);

/// Whether a field name is a channel frequency ("rxfreq", "txfreq").
bool is_frequency_field(const std::string& name);

/// The frequency rule: for a frequency field fills one "value" range and returns true; false
/// for any other name.
bool frequency_rule(const std::string& name, const FrequencyLimits& limits, std::string& kind,
                    std::vector<long long>& lower, std::vector<long long>& upper);

/// Whether the LM704, VS31, VS58 and VS73 take a field name as a channel reference.
bool is_channel_reference_name(const std::string& name);
/// The list such a reference points into: "ChannelName" for "Channel" and "jumpChnl", empty
/// text for every other name.
std::string channel_reference_target(const std::string& name);

/// The value text unchanged when it lies in one of the ranges, else the decimal text of the
/// nearest limit (lower limits first, then upper limits; the earlier wins a tie).
std::string nearest_in_range(const std::string& value, const std::vector<long long>& lower,
                             const std::vector<long long>& upper);

/// Moves the frequencies of every channel in use into the ranges (nearest_in_range) with the
/// forced write and lists the fields in `changed`; false when a record has no fields.
bool move_channels_into_range(CommonCpsControl& control, const std::vector<long long>& lower,
                              const std::vector<long long>& upper,
                              std::vector<ElementKey>& changed);

} // namespace vd
