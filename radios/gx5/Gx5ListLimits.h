#pragma once
#include <cstddef>

namespace vd {
class CommonCpsControl;
}

namespace vd::gx5 {

/// How many records of each list an image carries at most: the smaller of the section's
/// slots and the model's capacity (the GX5G holds fewer channels and zones than the image
/// has room for).
struct ListLimits {
    size_t zones;
    size_t channels;
    size_t scanLists;
    size_t emergencies;
    size_t fmStations;
    size_t noaaChannels;
    size_t dtmfSystems;

    /// The limits of a model, from its capacity table.
    static ListLimits Of(CommonCpsControl& control);
};

} // namespace vd::gx5
