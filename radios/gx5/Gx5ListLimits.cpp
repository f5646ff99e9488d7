#include "radios/gx5/Gx5ListLimits.h"

#include "model/CommonCpsControl.h"
#include "radios/gx5/Gx5ImageLayout.h"

#include <algorithm>

namespace vd::gx5 {

ListLimits ListLimits::Of(CommonCpsControl& control) {
    auto limit = [&control](const char* name, size_t slots) {
        const int capacity = control.GetCapacity(name);
        return capacity < 0 ? slots : std::min(slots, static_cast<size_t>(capacity));
    };
    return {limit("ZoneName", kZones.capacity),     limit("ChannelName", kChannels.capacity),
            limit("ScanName", kScanLists.capacity), limit("EmergencyName", kEmergencies.capacity),
            limit("fmName", kFmStations.capacity),  limit("noaaName", kNoaaChannels.capacity),
            limit("dtmfSystem", kDtmfCapacity)};
}

} // namespace vd::gx5
