#pragma once
#include <cstddef>

namespace vd::gx5 {

/// Where one list of records sits in the image: a u16 count, an index table with one u16
/// per slot, then the record slots.
struct ListSection {
    size_t offset;
    size_t capacity;
    size_t recordSize;

    /// First byte of the record slots, from the start of the image.
    constexpr size_t RecordsOffset() const { return offset + 2 + 2 * capacity; }
    /// First byte of one record slot, from the start of the image.
    constexpr size_t RecordOffset(size_t slot) const { return RecordsOffset() + slot * recordSize; }
    /// Bytes the whole section takes.
    constexpr size_t Size() const { return 2 + capacity * (2 + recordSize); }
};

// Header
inline constexpr size_t kMagicOffset = 0;
inline constexpr char kMagic[] = "RCDB";
inline constexpr size_t kImageMarkOffset = 4;
inline constexpr unsigned kImageMark = 65467; // 0xFFBB

// Device information
inline constexpr size_t kDeviceInfoOffset = 14;
inline constexpr size_t kDeviceInfoSize = 68;
inline constexpr size_t kModelStringWidth = 32;

// Version
inline constexpr size_t kVersionOffset = 82;
inline constexpr size_t kVersionSize = 10;

// General settings; the extension block carries a second copy.
inline constexpr size_t kSettingsOffset = 92;
inline constexpr size_t kSettingsSize = 100;

// Record sizes
inline constexpr size_t kZoneRecordSize = 48;
inline constexpr size_t kChannelRecordSize = 40;
inline constexpr size_t kScanRecordSize = 56;
inline constexpr size_t kEmergencyRecordSize = 30;
inline constexpr size_t kFmRecordSize = 22;
inline constexpr size_t kNoaaRecordSize = 22;
inline constexpr size_t kDtmfSystemRecordSize = 190;
inline constexpr size_t kNameWidth = 14;
inline constexpr size_t kMemberSlots = 16;

// List sections
inline constexpr ListSection kZones{192, 64, kZoneRecordSize};
inline constexpr ListSection kChannels{3394, 1027, kChannelRecordSize};
inline constexpr ListSection kScanLists{46530, 64, kScanRecordSize};
inline constexpr ListSection kEmergencies{50244, 8, kEmergencyRecordSize};
inline constexpr ListSection kFmStations{50502, 32, kFmRecordSize};
inline constexpr ListSection kNoaaChannels{52114, 12, kNoaaRecordSize};

// DTMF: count, index table of 4, settings, then the system records
inline constexpr size_t kDtmfOffset = 51272;
inline constexpr size_t kDtmfCapacity = 4;
inline constexpr size_t kDtmfSettingsOffset = kDtmfOffset + 2 + 2 * kDtmfCapacity;
inline constexpr size_t kDtmfSettingsSize = 72;
inline constexpr size_t kDtmfRecordsOffset = kDtmfSettingsOffset + kDtmfSettingsSize;
inline constexpr size_t kDtmfSize = 842;

// Extension block: a summary of the configuration that the radio reads first
inline constexpr size_t kExtensionOffset = 52404;
inline constexpr size_t kExtensionSize = 2666;
inline constexpr size_t kExtSettings = 0;
inline constexpr size_t kExtZoneCount = 100;
inline constexpr size_t kExtZones = 101;
inline constexpr size_t kExtMaxZones = 2;
inline constexpr size_t kExtChannelCount = 197;
inline constexpr size_t kExtChannels = 198;
inline constexpr size_t kExtMaxChannels = 53;
inline constexpr size_t kExtScanList = 2318;
inline constexpr size_t kExtEmergency = 2374;
inline constexpr size_t kExtDtmfSettings = 2404;
inline constexpr size_t kExtDtmfSystem = 2476;

// Tuning block, filled only from a tuning file
inline constexpr size_t kTuningOffset = 63418;
inline constexpr size_t kTuningSize = 2048;

// Image sizes
inline constexpr size_t kImageBufferSize = 65466;
inline constexpr size_t kMinimumImageSize = kExtensionOffset; // every section but the extension

/// Bytes handed to the write for a content variant (the document's "bin_struct_content").
constexpr size_t ContentSize(int variant) {
    switch (variant) {
    case 0:
        return 52404;
    case 2:
        return 63418;
    case 3:
        return 65466;
    default:
        return 55070;
    }
}

static_assert(kZones.RecordsOffset() - kZones.offset == 130);
static_assert(kChannels.RecordsOffset() - kChannels.offset == 2056);
static_assert(kZones.offset + kZones.Size() == kChannels.offset);
static_assert(kChannels.offset + kChannels.Size() == kScanLists.offset);
static_assert(kScanLists.offset + kScanLists.Size() == kEmergencies.offset);
static_assert(kEmergencies.offset + kEmergencies.Size() == kFmStations.offset);
static_assert(kFmStations.offset + kFmStations.Size() == kDtmfOffset);
static_assert(kDtmfRecordsOffset + kDtmfCapacity * kDtmfSystemRecordSize ==
              kDtmfOffset + kDtmfSize);
static_assert(kDtmfOffset + kDtmfSize == kNoaaChannels.offset);
static_assert(kNoaaChannels.offset + kNoaaChannels.Size() == kExtensionOffset);
static_assert(kExtDtmfSystem + kDtmfSystemRecordSize == kExtensionSize);
static_assert(kExtChannels + kExtMaxChannels * kChannelRecordSize == kExtScanList);
static_assert(kExtensionOffset + kExtensionSize == ContentSize(1));
static_assert(kTuningOffset + kTuningSize == kImageBufferSize);

} // namespace vd::gx5
