#include "radios/gx5/Gx5ImageEncoder.h"

#include "app/Log.h"
#include "radios/gx5/Gx5DocumentView.h"
#include "radios/gx5/Gx5ImageLayout.h"
#include "radios/gx5/Gx5Progress.h"
#include "radios/gx5/Gx5RecordEncoders.h"
#include "radios/gx5/Gx5ReferenceEncoder.h"

#include <algorithm>
#include <functional>

namespace vd::gx5 {

namespace {

Bytes Slice(ByteVector& image, size_t offset, size_t size) {
    return Bytes(image).subspan(offset, size);
}

/// The in-use records of a list that the image can carry. A document edited outside the
/// program may hold more than the radio has room for; the surplus cannot be written.
std::vector<RecordView> InUse(const DocumentView& document, const char* recordName, size_t limit) {
    std::vector<RecordView> records = document.InUseRecords(recordName);
    if (records.size() > limit) {
        VD_LOG_WARN("记录超出容量:{} {}/{}", recordName, records.size(), limit);
        records.resize(limit);
    }
    return records;
}

using RecordEncoder = std::function<void(Bytes, const RecordView&)>;

/// A list section: the count, the index table and the records densely from slot 0.
void EncodeList(ByteVector& image, const ListSection& list, const std::vector<RecordView>& records,
                ProgressSignal& progress, StringId text, const RecordEncoder& encode) {
    Bytes section = Slice(image, list.offset, list.Size());
    const int total = static_cast<int>(records.size());
    PutU16(section, 0, records.size());
    for (size_t j = 0; j < records.size(); ++j) {
        Report(progress, text, static_cast<int>(j) + 1, total);
        PutU16(section, 2 + 2 * j, j);
        encode(Slice(image, list.RecordOffset(j), list.recordSize), records[j]);
    }
}

void Copy(ByteVector& image, size_t from, size_t size, size_t to) {
    std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(from), size,
                image.begin() + static_cast<std::ptrdiff_t>(to));
}

/// The extension block repeats what the main sections already hold, so it is copied from
/// them: the same bytes the record encoders wrote, without a second round of error tips.
void EncodeExtension(ByteVector& image, size_t zones, size_t channels) {
    const size_t base = kExtensionOffset;
    Copy(image, kSettingsOffset, kSettingsSize, base + kExtSettings);
    const size_t zoneCount = std::min(zones, kExtMaxZones);
    image[base + kExtZoneCount] = static_cast<uint8_t>(zoneCount);
    Copy(image, kZones.RecordOffset(0), zoneCount * kZoneRecordSize, base + kExtZones);
    const size_t channelCount = std::min(channels, kExtMaxChannels);
    image[base + kExtChannelCount] = static_cast<uint8_t>(channelCount);
    Copy(image, kChannels.RecordOffset(0), channelCount * kChannelRecordSize, base + kExtChannels);
    // an empty list leaves its first slot zero, and so its copy
    Copy(image, kScanLists.RecordOffset(0), kScanRecordSize, base + kExtScanList);
    Copy(image, kEmergencies.RecordOffset(0), kEmergencyRecordSize, base + kExtEmergency);
    Copy(image, kDtmfSettingsOffset, kDtmfSettingsSize, base + kExtDtmfSettings);
    Copy(image, kDtmfRecordsOffset, kDtmfSystemRecordSize, base + kExtDtmfSystem);
}

} // namespace

ImageEncoder::ImageEncoder(const XmlStore& store, ProgressSignal& progress, NoticeSignal& notice,
                           int& tipCounter, std::string_view identity, const ListLimits& limits)
    : store_(store), progress_(progress), notice_(notice), tipCounter_(tipCounter),
      identity_(identity), limits_(limits) {}

ByteVector ImageEncoder::Encode(int contentVariant) {
    ByteVector image(kImageBufferSize, 0);
    const DocumentView document(store_);
    const auto zones = InUse(document, "ZoneName", limits_.zones);
    const auto channels = InUse(document, "ChannelName", limits_.channels);
    const auto scanLists = InUse(document, "ScanName", limits_.scanLists);
    const auto emergencies = InUse(document, "EmergencyName", limits_.emergencies);
    const auto fmStations = InUse(document, "fmName", limits_.fmStations);
    const auto noaaChannels = InUse(document, "noaaName", limits_.noaaChannels);
    const auto dtmfSystems = InUse(document, "dtmfSystem", limits_.dtmfSystems);

    ChannelErrorTip tip(progress_, notice_, tipCounter_);
    ReferenceEncoder references(channels, zones, scanLists, emergencies, tip);

    EncodeHeader(image);
    EncodeDeviceInfo(Slice(image, kDeviceInfoOffset, kDeviceInfoSize), document, identity_);
    EncodeVersion(Slice(image, kVersionOffset, kVersionSize), document);
    EncodeSettings(Slice(image, kSettingsOffset, kSettingsSize), document, references);

    EncodeList(image, kZones, zones, progress_, kFillZoneText,
               [&](Bytes record, const RecordView& zone) { EncodeZone(record, zone, references); });
    EncodeList(image, kChannels, channels, progress_, kFillChannelText,
               [&](Bytes record, const RecordView& channel) {
                   EncodeChannel(record, channel, references);
               });
    EncodeList(image, kScanLists, scanLists, progress_, kFillScanText,
               [&](Bytes record, const RecordView& scanList) {
                   EncodeScanList(record, scanList, references);
               });
    EncodeList(image, kEmergencies, emergencies, progress_, kFillEmergencyText,
               [&](Bytes record, const RecordView& emergency) {
                   EncodeEmergency(record, emergency, references);
               });
    EncodeList(image, kFmStations, fmStations, progress_, kFillFmText, EncodeFm);

    // DTMF: a list section whose settings sit between the index table and the records
    Bytes dtmf = Slice(image, kDtmfOffset, kDtmfSize);
    PutU16(dtmf, 0, dtmfSystems.size());
    EncodeDtmfSettings(Slice(image, kDtmfSettingsOffset, kDtmfSettingsSize), document);
    for (size_t j = 0; j < dtmfSystems.size(); ++j) {
        Report(progress_, kFillDtmfText, static_cast<int>(j) + 1,
               static_cast<int>(dtmfSystems.size()));
        PutU16(dtmf, 2 + 2 * j, j);
        EncodeDtmfSystem(
            Slice(image, kDtmfRecordsOffset + j * kDtmfSystemRecordSize, kDtmfSystemRecordSize),
            dtmfSystems[j]);
    }

    EncodeList(image, kNoaaChannels, noaaChannels, progress_, kFillNoaaText, EncodeNoaa);
    EncodeExtension(image, zones.size(), channels.size());

    image.resize(ContentSize(contentVariant));
    return image;
}

} // namespace vd::gx5
