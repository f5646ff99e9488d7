#include "radios/gx5/Gx5RecordEncoders.h"

#include "model/TextNumber.h"
#include "radios/gx5/Gx5FieldTables.h"
#include "radios/gx5/Gx5ImageLayout.h"

#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/split.hpp>
#include <fmt/format.h>

#include <algorithm>
#include <vector>

namespace vd::gx5 {

namespace {

constexpr unsigned kNoChannel = 0xFFFF;
constexpr unsigned kNoScanList = 127;
constexpr unsigned kNoEmergency = 255;
constexpr unsigned kEmptyTxChannel = 3;

void EncodeRecordFields(Bytes record, const RecordView& view, FieldTable table) {
    for (const FieldSpec& field : table) {
        if (auto value = view.Field(field.name)) {
            EncodeField(record, field, *value);
        }
    }
}

void EncodeSettingFields(Bytes section, const DocumentView& document, FieldTable table) {
    for (const FieldSpec& field : table) {
        if (auto value = document.Setting(field.name)) {
            EncodeField(section, field, *value);
        }
    }
}

std::string ValueOf(const RecordView& record, std::string_view fieldName) {
    return record.Field(fieldName).value_or(std::string());
}

unsigned ChannelIndex(ReferenceEncoder& references, const RecordView& record, const char* field,
                      unsigned none) {
    return references.Index(RefList::Channel, ValueOf(record, field), none,
                            record.id + "." + field);
}

/// Member channel indexes into 16 slots; the unused slots hold 0xFFFF.
void EncodeMembers(Bytes record, size_t offset, const RecordView& owner,
                   const std::vector<std::string>& members, ReferenceEncoder& references) {
    for (size_t slot = 0; slot < kMemberSlots; ++slot) {
        unsigned index = kNoChannel;
        if (slot < members.size()) {
            index = references.Index(RefList::Channel, members[slot], kNoChannel,
                                     owner.id + ".Channel");
        }
        PutU16(record, offset + 2 * slot, index);
    }
}

} // namespace

void EncodeHeader(Bytes image) {
    for (size_t i = 0; i < 4; ++i) {
        image[kMagicOffset + i] = static_cast<uint8_t>(kMagic[i]);
    }
    PutU32(image, kImageMarkOffset, kImageMark);
}

void EncodeDeviceInfo(Bytes section, const DocumentView& document, std::string_view identity) {
    PutText(section, 0, kModelStringWidth, std::string(identity));
    EncodeSettingFields(section, document, DeviceInfoFields());
}

std::array<uint8_t, 4> SoftwareVersionBytes(const std::string& text) {
    std::string digits;
    std::copy_if(text.begin(), text.end(), std::back_inserter(digits),
                 [](char c) { return c != 'v' && c != 'V'; });
    std::vector<std::string> parts;
    boost::algorithm::split(parts, digits, boost::algorithm::is_any_of("."));
    std::array<uint8_t, 4> bytes{};
    for (size_t i = 0; i < bytes.size() && i < parts.size(); ++i) {
        bytes[i] = static_cast<uint8_t>(ParseDecimal(parts[i]));
    }
    return bytes;
}

std::string SoftwareVersionText(uint8_t major, uint8_t minor, uint8_t patch, uint8_t build) {
    return fmt::format("V{:>1}.{:0>2}.{:0>2}.{:0>3}", major, minor, patch, build);
}

void EncodeVersion(Bytes section, const DocumentView& document) {
    PutU16(section, 0, 1); // the data version of this layout, whatever the project says
    if (auto version = document.Setting("swVer")) {
        const std::array<uint8_t, 4> bytes = SoftwareVersionBytes(*version);
        std::copy(bytes.begin(), bytes.end(), section.begin() + 2);
    }
}

void EncodeSettings(Bytes section, const DocumentView& document, ReferenceEncoder& references) {
    EncodeSettingFields(section, document, SettingsFields());
    for (const PowerUpSpec& home : PowerUpFields()) {
        // a power-up position counts only when both of its settings are unique
        const auto zone = document.Setting(home.zoneName);
        if (zone) {
            const unsigned index = references.PowerUpZone(*zone, home.zoneName);
            PutBits(section, home.zoneOffset, 0, 8, index);
            PutBits(section, home.zoneOffset + 1, 0, 4, index >> 8);
        }
        if (auto channel = document.Setting(home.channelName)) {
            PutU16(section, home.channelOffset,
                   references.PowerUpChannel(zone.value_or(std::string()), *channel));
        }
    }
}

void EncodeDtmfSettings(Bytes section, const DocumentView& document) {
    EncodeSettingFields(section, document, DtmfSettingsFields());
}

void EncodeChannel(Bytes record, const RecordView& channel, ReferenceEncoder& references) {
    PutText(record, 0, kNameWidth, channel.name);
    EncodeRecordFields(record, channel, ChannelFields());
    PutBits(record, 32, 0, 7,
            references.Index(RefList::ScanList, ValueOf(channel, "scanListIndex"), kNoScanList,
                             channel.id + ".scanListIndex"));
    PutBits(record, 33, 0, 8,
            references.Index(RefList::Emergency, ValueOf(channel, "emgListIndex"), kNoEmergency,
                             channel.id + ".emgListIndex"));
}

void EncodeZone(Bytes record, const RecordView& zone, ReferenceEncoder& references) {
    PutText(record, 0, kNameWidth, zone.name);
    const std::vector<std::string> members = ZoneMembers(zone);
    PutU16(record, 14, members.size());
    EncodeMembers(record, 16, zone, members, references);
}

void EncodeScanList(Bytes record, const RecordView& scanList, ReferenceEncoder& references) {
    PutText(record, 0, kNameWidth, scanList.name);
    EncodeRecordFields(record, scanList, ScanListFields());
    // the member slot count includes empty members; the radio has 16 slots
    PutBits(record, 16, 0, 8, std::min(scanList.Fields("Channel").size(), kMemberSlots));
    PutU16(record, 17, ChannelIndex(references, scanList, "TxChannel", kEmptyTxChannel));
    PutU16(record, 19, ChannelIndex(references, scanList, "prio1Chnl", kNoChannel));
    PutU16(record, 21, ChannelIndex(references, scanList, "prio2Chnl", kNoChannel));
    EncodeMembers(record, 24, scanList, ScanListMembers(scanList), references);
}

void EncodeEmergency(Bytes record, const RecordView& emergency, ReferenceEncoder& references) {
    PutText(record, 0, kNameWidth, emergency.name);
    EncodeRecordFields(record, emergency, EmergencyFields());
    PutU16(record, 15, ChannelIndex(references, emergency, "jumpChnl", kNoChannel));
}

void EncodeFm(Bytes record, const RecordView& station) {
    PutText(record, 0, kNameWidth, station.name);
    EncodeRecordFields(record, station, FmFields());
}

void EncodeNoaa(Bytes record, const RecordView& channel) {
    PutText(record, 0, kNameWidth, channel.name);
    EncodeRecordFields(record, channel, NoaaFields());
}

void EncodeDtmfSystem(Bytes record, const RecordView& system) {
    PutText(record, 0, kNameWidth, system.name);
    EncodeRecordFields(record, system, DtmfSystemFields());
}

} // namespace vd::gx5
