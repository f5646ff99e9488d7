#include "model/ReferenceTables.h"

#include <unordered_map>

namespace vd {

namespace {

const std::unordered_map<std::string, std::string>& Targets() {
    static const std::unordered_map<std::string, std::string> targets = {
        {"Channel", "ChannelName"},
        {"TxChannel", "ChannelName"},
        {"jumpChnl", "ChannelName"},
        {"prio1Chnl", "ChannelName"},
        {"prio2Chnl", "ChannelName"},
        {"home1PwrupChnl", "ChannelName"},
        {"home2PwrupChnl", "ChannelName"},
        {"home3PwrupChnl", "ChannelName"},
        {"scanListIndex", "ScanName"},
        {"emgListIndex", "EmergencyName"},
        {"Zone", "ZoneName"},
        {"home1PwrupZoneIndex", "ZoneName"},
        {"home2PwrupZoneIndex", "ZoneName"},
        {"home3PwrupZoneIndex", "ZoneName"},
    };
    return targets;
}

} // namespace

bool IsGenericReferenceName(const std::string& name) {
    return Targets().count(name) != 0;
}

std::string GenericReferenceTarget(const std::string& name) {
    auto found = Targets().find(name);
    return found == Targets().end() ? std::string() : found->second;
}

} // namespace vd
