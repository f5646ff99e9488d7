#include "radios/gx5/Gx5ReferenceEncoder.h"

#include "radios/gx5/Gx5ImageLayout.h"

#include <algorithm>

namespace vd::gx5 {

namespace {

std::unordered_map<std::string, unsigned> PositionMap(const std::vector<RecordView>& records) {
    std::unordered_map<std::string, unsigned> positions;
    positions.reserve(records.size());
    unsigned position = 0;
    for (const RecordView& record : records) {
        positions.emplace(record.id, position++); // a repeated id keeps its first place
    }
    return positions;
}

} // namespace

std::vector<std::string> ZoneMembers(const RecordView& zone) {
    std::vector<std::string> members;
    for (const RecordField& field : zone.fields) {
        if (field.name != "Channel" || field.value.empty()) {
            continue;
        }
        if (field.value == kEndOfMembersText || members.size() == kMemberSlots) {
            break;
        }
        members.push_back(field.value);
    }
    return members;
}

std::vector<std::string> ScanListMembers(const RecordView& scanList) {
    std::vector<std::string> members;
    for (const RecordField& field : scanList.fields) {
        if (field.name == "Channel" && !field.value.empty() && members.size() < kMemberSlots) {
            members.push_back(field.value);
        }
    }
    return members;
}

ReferenceEncoder::ReferenceEncoder(const std::vector<RecordView>& channels,
                                   const std::vector<RecordView>& zones,
                                   const std::vector<RecordView>& scanLists,
                                   const std::vector<RecordView>& emergencies, ChannelErrorTip& tip)
    : channels_(PositionMap(channels)), zones_(PositionMap(zones)),
      scanLists_(PositionMap(scanLists)), emergencies_(PositionMap(emergencies)), tip_(tip) {
    for (const RecordView& zone : zones) {
        zoneMembers_.emplace(zone.id, ZoneMembers(zone));
    }
}

const ReferenceEncoder::Positions& ReferenceEncoder::PositionsOf(RefList list) const {
    switch (list) {
    case RefList::Zone:
        return zones_;
    case RefList::ScanList:
        return scanLists_;
    case RefList::Emergency:
        return emergencies_;
    case RefList::Channel:
        break;
    }
    return channels_;
}

unsigned ReferenceEncoder::Index(RefList list, const std::string& id, unsigned none,
                                 const std::string& field) {
    if (id.empty()) {
        return none;
    }
    const Positions& positions = PositionsOf(list);
    auto found = positions.find(id);
    if (found == positions.end()) {
        tip_.Raise(field + "=" + id);
        return 0;
    }
    return found->second;
}

unsigned ReferenceEncoder::PowerUpZone(const std::string& zone, const std::string& field) {
    if (zone == kAllChannelsText) {
        return kAllChannelsZone;
    }
    return Index(RefList::Zone, zone, 0, field);
}

unsigned ReferenceEncoder::PowerUpChannel(const std::string& zone,
                                          const std::string& channel) const {
    if (channel.empty()) {
        return 0;
    }
    if (zone == kAllChannelsText) {
        auto found = channels_.find(channel);
        // a VFO has no place among the memory channels: treated like a channel not found
        if (found == channels_.end() || found->second < kVfoChannels) {
            return 0;
        }
        return found->second - kVfoChannels;
    }
    auto members = zoneMembers_.find(zone);
    if (members == zoneMembers_.end()) {
        return 0;
    }
    auto at = std::find(members->second.begin(), members->second.end(), channel);
    return at == members->second.end() ? 0 : static_cast<unsigned>(at - members->second.begin());
}

} // namespace vd::gx5
