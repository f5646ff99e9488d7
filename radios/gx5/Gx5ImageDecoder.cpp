#include "radios/gx5/Gx5ImageDecoder.h"

#include "model/CommonCpsControl.h"
#include "model/TextNumber.h"
#include "radios/gx5/Gx5ImageLayout.h"
#include "radios/gx5/Gx5RecordEncoders.h"
#include "radios/gx5/Gx5ReferenceEncoder.h"

#include <algorithm>

namespace vd::gx5 {

namespace {

constexpr unsigned kNoChannel = 0xFFFF;
constexpr unsigned kNoScanList = 127;
constexpr unsigned kNoEmergency = 255;

ConstBytes Slice(ConstBytes image, size_t offset, size_t size) {
    return image.subspan(offset, size);
}

} // namespace

ImageDecoder::ImageDecoder(CommonCpsControl& control, const XmlStore& store, int& tipCounter,
                           const ListLimits& limits)
    : control_(control), document_(store), tip_(control.progress, control.notice, tipCounter),
      limits_(limits) {}

bool ImageDecoder::Decode(ConstBytes image) {
    if (image.size() < kMinimumImageSize) {
        return false;
    }
    DecodeDeviceInfo(Slice(image, kDeviceInfoOffset, kDeviceInfoSize));
    DecodeVersion(Slice(image, kVersionOffset, kVersionSize));
    const ConstBytes settings = Slice(image, kSettingsOffset, kSettingsSize);
    for (const FieldSpec& field : SettingsFields()) {
        WriteSetting(field.name, DecodeField(settings, field));
    }

    auto place = [](const ListSection& list) {
        return ListPlace{list.offset, list.capacity, list.RecordsOffset(), list.recordSize};
    };
    DecodedList channels, scanLists, zones, emergencies, fmStations, dtmfSystems, noaaChannels;
    if (!DecodeList(image, place(kChannels), limits_.channels, "ChannelName", ChannelFields(),
                    kImportChannelText, channels)) {
        return false;
    }
    if (!DecodeList(image, place(kScanLists), limits_.scanLists, "ScanName", ScanListFields(),
                    std::nullopt, scanLists)) {
        return false;
    }
    DecodeScanLists(scanLists, channels.ids);
    if (!DecodeList(image, place(kZones), limits_.zones, "ZoneName", {}, std::nullopt, zones)) {
        return false;
    }
    DecodeZones(zones, channels.ids);
    if (!DecodeList(image, place(kEmergencies), limits_.emergencies, "EmergencyName",
                    EmergencyFields(), std::nullopt, emergencies)) {
        return false;
    }
    DecodeEmergencies(emergencies, channels.ids);
    if (!DecodeList(image, place(kFmStations), limits_.fmStations, "fmName", FmFields(),
                    std::nullopt, fmStations)) {
        return false;
    }
    const ConstBytes dtmfSettings = Slice(image, kDtmfSettingsOffset, kDtmfSettingsSize);
    for (const FieldSpec& field : DtmfSettingsFields()) {
        WriteSetting(field.name, DecodeField(dtmfSettings, field));
    }
    const ListPlace dtmf{kDtmfOffset, kDtmfCapacity, kDtmfRecordsOffset, kDtmfSystemRecordSize};
    if (!DecodeList(image, dtmf, limits_.dtmfSystems, "dtmfSystem", DtmfSystemFields(),
                    std::nullopt, dtmfSystems)) {
        return false;
    }
    if (!DecodeList(image, place(kNoaaChannels), limits_.noaaChannels, "noaaName", NoaaFields(),
                    std::nullopt, noaaChannels)) {
        return false;
    }

    // references into lists decoded after the records that hold them
    ResolveChannelLists(channels, scanLists, emergencies);
    ResolvePowerUp(settings, channels.ids, zones.ids);
    return true;
}

bool ImageDecoder::DecodeList(ConstBytes image, const ListPlace& place, size_t limit,
                              const std::string& recordName, FieldTable fields,
                              std::optional<StringId> progressText, DecodedList& out) {
    const size_t count = std::min<size_t>(GetU16(image, place.countOffset), limit);
    std::vector<std::string> ids;
    if (!control_.ResizeRecordList(recordName, count, ids)) {
        return false;
    }
    out.records = document_.InUseRecords(recordName);
    out.records.resize(std::min(out.records.size(), count));
    const int total = static_cast<int>(out.records.size());
    for (size_t j = 0; j < out.records.size(); ++j) {
        if (progressText) {
            Report(control_.progress, *progressText, static_cast<int>(j) + 1, total);
        }
        // the index table says which slot holds the j-th record; a slot beyond the section
        // is not believed and the record is taken from its dense place
        size_t slot = GetU16(image, place.countOffset + 2 + 2 * j);
        if (slot >= place.capacity) {
            slot = j;
        }
        const ConstBytes bytes =
            Slice(image, place.recordsOffset + slot * place.recordSize, place.recordSize);
        const RecordView& record = out.records[j];
        control_.SetInputValue(record.id, "", GetText(bytes, 0, kNameWidth), true);
        WriteFields(record, bytes, fields);
        out.bytes.push_back(bytes);
        out.ids.push_back(record.id);
    }
    return true;
}

void ImageDecoder::DecodeDeviceInfo(ConstBytes section) {
    const std::string model = GetText(section, 0, kModelStringWidth);
    const size_t dash = model.find('-');
    WriteSetting("ModelNumber", model.substr(0, dash));
    WriteSetting("ModelNumber2", dash == std::string::npos ? std::string() : model.substr(dash));
    for (const FieldSpec& field : DeviceInfoFields()) {
        WriteSetting(field.name, DecodeField(section, field));
    }
}

void ImageDecoder::DecodeVersion(ConstBytes section) {
    WriteSetting("datVer", DecimalText(GetU16(section, 0)));
    WriteSetting("swVer", SoftwareVersionText(section[2], section[3], section[4], section[5]));
}

void ImageDecoder::DecodeScanLists(const DecodedList& scanLists,
                                   const std::vector<std::string>& channels) {
    for (size_t j = 0; j < scanLists.records.size(); ++j) {
        const RecordView& record = scanLists.records[j];
        const ConstBytes bytes = scanLists.bytes[j];
        // an empty designated channel went out as 3 and comes back as the channel there
        const unsigned tx = GetU16(bytes, 17);
        WriteField(record, "TxChannel", tx < channels.size() ? channels[tx] : std::string());
        for (auto [name, offset] : {std::pair{"prio1Chnl", 19}, std::pair{"prio2Chnl", 21}}) {
            const unsigned index = GetU16(bytes, offset);
            WriteField(record, name,
                       index == kNoChannel ? std::string()
                                           : Resolve(channels, index, record.id + "." + name));
        }
        const size_t slots = std::min<size_t>(bytes[16], kMemberSlots);
        std::vector<std::string> members;
        for (size_t k = 0; k < slots; ++k) {
            const unsigned index = GetU16(bytes, 24 + 2 * k);
            members.push_back(index == kNoChannel
                                  ? std::string()
                                  : Resolve(channels, index, record.id + ".Channel"));
        }
        control_.SetFieldValue(record.id, "Channel", members);
    }
}

void ImageDecoder::DecodeZones(const DecodedList& zones, const std::vector<std::string>& channels) {
    for (size_t j = 0; j < zones.records.size(); ++j) {
        const RecordView& record = zones.records[j];
        const ConstBytes bytes = zones.bytes[j];
        const size_t count = std::min<size_t>(GetU16(bytes, 14), kMemberSlots);
        std::vector<std::string> members;
        for (size_t k = 0; k < count; ++k) {
            members.push_back(Resolve(channels, GetU16(bytes, 16 + 2 * k), record.id + ".Channel"));
        }
        // the image ends a short member list with 0xFFFF; the zone holds its members only,
        // as a zone made in the program does
        control_.SetFieldValue(record.id, "Channel", members);
    }
}

void ImageDecoder::DecodeEmergencies(const DecodedList& emergencies,
                                     const std::vector<std::string>& channels) {
    for (size_t j = 0; j < emergencies.records.size(); ++j) {
        const RecordView& record = emergencies.records[j];
        const unsigned index = GetU16(emergencies.bytes[j], 15);
        WriteField(record, "jumpChnl",
                   index == kNoChannel ? std::string()
                                       : Resolve(channels, index, record.id + ".jumpChnl"));
    }
}

void ImageDecoder::ResolveChannelLists(const DecodedList& channels, const DecodedList& scanLists,
                                       const DecodedList& emergencies) {
    for (size_t j = 0; j < channels.records.size(); ++j) {
        const RecordView& record = channels.records[j];
        const ConstBytes bytes = channels.bytes[j];
        const unsigned scan = GetBits(bytes, 32, 0, 7);
        WriteField(record, "scanListIndex",
                   scan == kNoScanList
                       ? std::string()
                       : Resolve(scanLists.ids, scan, record.id + ".scanListIndex"));
        const unsigned emergency = GetBits(bytes, 33, 0, 8);
        WriteField(record, "emgListIndex",
                   emergency == kNoEmergency
                       ? std::string()
                       : Resolve(emergencies.ids, emergency, record.id + ".emgListIndex"));
    }
}

void ImageDecoder::ResolvePowerUp(ConstBytes settings, const std::vector<std::string>& channels,
                                  const std::vector<std::string>& zones) {
    std::unordered_map<std::string, std::vector<std::string>> members;
    for (const RecordView& zone : document_.InUseRecords("ZoneName")) {
        members.emplace(zone.id, ZoneMembers(zone));
    }
    for (const PowerUpSpec& home : PowerUpFields()) {
        const unsigned zoneIndex = GetU16(settings, home.zoneOffset) & kAllChannelsZone;
        std::string zone;
        if (zoneIndex == kAllChannelsZone) {
            zone = kAllChannelsText;
        } else if (zones.empty() && zoneIndex == 0) {
            zone.clear(); // no zone at all: written as 0, as an empty power-up zone is
        } else {
            zone = Resolve(zones, zoneIndex, home.zoneName);
        }
        // a power-up channel that is not there reads as none, as it was written as 0
        const size_t channelIndex = GetU16(settings, home.channelOffset);
        std::string channel;
        if (zone == kAllChannelsText) {
            if (channelIndex + kVfoChannels < channels.size()) {
                channel = channels[channelIndex + kVfoChannels];
            }
        } else if (auto found = members.find(zone); found != members.end()) {
            if (channelIndex < found->second.size()) {
                channel = found->second[channelIndex];
            }
        }
        WriteSetting(home.zoneName, zone);
        WriteSetting(home.channelName, channel);
    }
}

std::string ImageDecoder::Resolve(const std::vector<std::string>& ids, unsigned index,
                                  const std::string& field) {
    if (index < ids.size()) {
        return ids[index];
    }
    tip_.Raise(field + "#" + DecimalText(index));
    return {};
}

void ImageDecoder::WriteSetting(const std::string& name, const std::string& value) {
    const std::string id = document_.SettingId(name);
    if (!id.empty()) {
        control_.SetInputValue(id, "", value, true);
    }
}

void ImageDecoder::WriteField(const RecordView& record, const char* name,
                              const std::string& value) {
    const std::string id = record.FieldId(name);
    if (!id.empty()) {
        control_.SetInputValue(record.id, id, value, true);
    }
}

void ImageDecoder::WriteFields(const RecordView& record, ConstBytes bytes, FieldTable fields) {
    for (const FieldSpec& field : fields) {
        WriteField(record, field.name, DecodeField(bytes, field));
    }
}

} // namespace vd::gx5
