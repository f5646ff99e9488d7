// The GX5's value rules.
#include "radios/gx5/Gx5v001Control.h"

#include "model/xml/NodeReader.h"
#include "radios/gx5/Gx5Bytes.h"
#include "radios/gx5/Gx5ImageLayout.h"
#include "radios/gx5/Gx5ReferenceEncoder.h"
#include "radios/gx5/Gx5ValueRules.h"

#include <array>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace vd {

namespace {

const std::unordered_set<std::string>& ReadOnlyKeys() {
    static const std::unordered_set<std::string> keys = {
        "e01010001_SerialNO",     "e01010002_datVer",      "e01010003_swVer",
        "e01010004_ModelNumber",  "e01010005_hwVer",       "e01010007_freqMin",
        "e01010008_freqMax",      "e01010009_SaleTerr",    "e01010010_machMode",
        "e01010011_ModelNumber2", "e01090002_ChannelName", "e01090003_ChannelName",
        "e01090004_ChannelName",
    };
    return keys;
}

constexpr std::array<std::string_view, 3> kPowerUpZoneFields = {
    "home1PwrupZoneIndex", "home2PwrupZoneIndex", "home3PwrupZoneIndex"};

} // namespace

bool Gx5v001Control::IsElementReadOnly(const std::string& id, const std::string& name) {
    return ReadOnlyKeys().count(gx5::ElementKeyText(id, name)) != 0;
}

bool Gx5v001Control::ValidateValue(const std::string& name, std::string& kind,
                                   std::vector<long long>& lower, std::vector<long long>& upper,
                                   std::string& allowedChars) {
    const gx5::ValueRule* rule = gx5::FindValueRule(gx5::Gx5ValueRules(), name);
    if (rule == nullptr) {
        return false;
    }
    gx5::FillValueRule(*rule, kind, lower, upper, allowedChars);
    return true;
}

std::string Gx5v001Control::GetReferenceTarget(const std::string& name) {
    static const std::unordered_map<std::string, std::string> targets = {
        {"scanListIndex", "ScanName"},
        {"Channel", "ChannelName"},
        {"jumpChnl", "ChannelName"},
        {"TxChannel", "ChannelName"},
        {"prio1Chnl", "ChannelName"},
        {"prio2Chnl", "ChannelName"},
        {"home1PwrupChnl", "ChannelName"},
        {"home2PwrupChnl", "ChannelName"},
        {"home3PwrupChnl", "ChannelName"},
        {"home1PwrupZoneIndex", "ZoneName"},
        {"home2PwrupZoneIndex", "ZoneName"},
        {"home3PwrupZoneIndex", "ZoneName"},
        {"Zone", "ZoneName"},
        {"emgListIndex", "EmergencyName"},
    };
    auto found = targets.find(name);
    return found == targets.end() ? std::string() : found->second;
}

std::string Gx5v001Control::FormatMemberList(const std::vector<std::string>& members) {
    if (members.empty()) {
        return "None";
    }
    if (members.size() > 1) {
        return std::to_string(members.size());
    }
    if (members.front() == "0x0FFF") {
        return "AllChannel";
    }
    std::unique_ptr<HamCpsElement> element = GetElement(members.front());
    return element ? element->inputValue : std::string();
}

std::string Gx5v001Control::DefaultRecordName(const std::string& name, const std::string& prefix) {
    if (name != "ChannelName") {
        return CommonCpsControl::DefaultRecordName(name, prefix);
    }
    // the three VFOs are channel records too, but memory channels are numbered without them
    long long inUse = 0;
    for (pugi::xml_node channel : Store().ElementsByName(name)) {
        inUse += AttributeInt(channel, "controlType") != 0 ? 1 : 0;
    }
    return prefix + std::to_string(inUse - 2);
}

bool Gx5v001Control::IsValueAllowed(const std::string& value, const std::string& name) {
    if (value == gx5::kEndOfMembersText) {
        // the end mark of a zone read from a radio: no channel, and the members end there
        return name != "Channel";
    }
    if (value != gx5::kAllChannelsText) {
        return true;
    }
    for (std::string_view field : kPowerUpZoneFields) {
        if (field == name) {
            return false;
        }
    }
    return true;
}

const ProjectRules& Gx5v001Control::GetProjectRules() const {
    static const ProjectRules rules = [] {
        ProjectRules r;
        r.memberCapacity = gx5::kMemberSlots;
        for (int home = 1; home <= 3; ++home) {
            const std::string channel = "home" + std::to_string(home) + "PwrupChnl";
            const std::string zone = "home" + std::to_string(home) + "PwrupZoneIndex";
            // an empty power-up zone or channel is stored as the first one
            r.requiredReferences.push_back(zone);
            r.requiredReferences.push_back(channel);
            r.channelInZone.emplace_back(channel, zone);
        }
        r.receiveField = "RxFrequency";
        r.transmitField = "TxFrequency";
        r.receiveOnly = {{162400000, 162550000}}; // the weather broadcasts
        return r;
    }();
    return rules;
}

std::string Gx5v001Control::ToRadioText(const std::string& utf8) const {
    return gx5::ToRadioCharacters(utf8);
}

} // namespace vd
