#pragma once
#include "radios/gx5/Gx5DocumentView.h"
#include "radios/gx5/Gx5Progress.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace vd::gx5 {

/// The stored zone index and the zone field value meaning "all channels".
inline constexpr unsigned kAllChannelsZone = 0x0FFF;
inline constexpr const char* kAllChannelsText = "0x0FFF";
/// The zone member value that ends a zone's member list.
inline constexpr const char* kEndOfMembersText = "0xFFFF";
/// Channel records in front of the memory channels (the VFOs); in all-channels mode a
/// power-up channel is counted from the first memory channel.
inline constexpr unsigned kVfoChannels = 3;

/// The members a zone stores: its non-empty "Channel" fields up to the first "0xFFFF",
/// at most 16.
std::vector<std::string> ZoneMembers(const RecordView& zone);
/// The members a scan list stores: its non-empty "Channel" fields, at most 16.
std::vector<std::string> ScanListMembers(const RecordView& scanList);

/// The lists that references point into.
enum class RefList { Channel, Zone, ScanList, Emergency };

/// Turns the record ids held by reference fields into the positions the radio stores,
/// among the in-use records of the referenced list, and raises the channel error tip for
/// an id that no in-use record has.
class ReferenceEncoder {
public:
    /// The records are those the image carries, in list order.
    ReferenceEncoder(const std::vector<RecordView>& channels, const std::vector<RecordView>& zones,
                     const std::vector<RecordView>& scanLists,
                     const std::vector<RecordView>& emergencies, ChannelErrorTip& tip);

    /// Position of the referenced record; none for an empty reference; 0 and a tip for an
    /// id that is not an in-use record of the list. field names the reference in the log.
    unsigned Index(RefList list, const std::string& id, unsigned none, const std::string& field);
    /// Stored zone of a power-up position: 0x0FFF for all channels, 0 when empty, else the
    /// zone's position (0 and a tip when the zone is gone).
    unsigned PowerUpZone(const std::string& zone, const std::string& field);
    /// Stored channel of a power-up position: its place among the members of the power-up
    /// zone, or in all-channels mode among the memory channels; 0 when empty or not found.
    unsigned PowerUpChannel(const std::string& zone, const std::string& channel) const;

private:
    using Positions = std::unordered_map<std::string, unsigned>;
    const Positions& PositionsOf(RefList list) const;

    Positions channels_;
    Positions zones_;
    Positions scanLists_;
    Positions emergencies_;
    std::unordered_map<std::string, std::vector<std::string>> zoneMembers_;
    ChannelErrorTip& tip_;
};

} // namespace vd::gx5
