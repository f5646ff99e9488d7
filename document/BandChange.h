#pragma once
#include "model/HamCpsControl.h"

#include <optional>
#include <string>
#include <vector>

namespace vd {

/// One channel frequency that a change of the band moves to the band's nearest limit.
struct MovedFrequency {
    std::string recordId;
    std::string channel; ///< the channel's name (its record value)
    std::string fieldId;
    std::string field;  ///< "rxfreq" or "txfreq"
    std::string before; ///< hertz
    std::string after;  ///< hertz (predicted until the change is applied)
};

/// What storing a value would do to the channel frequencies when it changes the model's
/// frequency limits (the VS73 band switch): the new limits and every frequency outside them.
struct BandChange {
    long long lower = 0; ///< hertz
    long long upper = 0; ///< hertz
    std::vector<MovedFrequency> moved;

    /// How many channels have at least one moved frequency.
    int ChannelCount() const;
};

/// Tries the value, reads the frequency limits it gives, and puts the old value back. None
/// when the limits stay as they are or no channel frequency lies outside the new ones.
std::optional<BandChange> PlanBandChange(HamCpsControl& control, const HamCpsElement& element,
                                         const std::string& value);

/// After the change was stored: the frequencies of the plan that really moved, with the
/// values the store now holds.
std::vector<MovedFrequency> MovedAfterChange(HamCpsControl& control, const BandChange& plan);

/// "CH1: rxfreq 446.000000 -> 174.000000 MHz", one line per moved frequency.
std::string DescribeMove(const MovedFrequency& move);

/// Hertz as megahertz with six decimals, as the grid shows frequencies.
std::string HertzToMegahertz(long long hertz);

} // namespace vd
