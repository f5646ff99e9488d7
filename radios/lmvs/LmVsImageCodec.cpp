#include "radios/lmvs/LmVsImageCodec.h"

#include "app/StringTable.h"

#include "model/Exceptions.h"
#include "model/HamCpsElement.h"
#include "model/TextNumber.h"
#include "radios/lmvs/Bcd.h"

#include <algorithm>
#include <array>
#include <span>
#include <unordered_set>

namespace vd {

namespace {

constexpr const char* kChannelRecord = "ChannelName";
constexpr std::uint16_t kToneOff = 0xFFFF;
constexpr std::size_t kTableSize = kLmVsChannelSlots * kLmVsChannelRecordSize;

unsigned Mask(std::uint8_t width) {
    return (1U << width) - 1U;
}

void PutBits(std::uint8_t& byte, std::uint8_t shift, std::uint8_t width, long long value) {
    const unsigned mask = Mask(width) << shift;
    byte = static_cast<std::uint8_t>((byte & ~mask) |
                                     ((static_cast<unsigned>(value) << shift) & mask));
}

unsigned GetBits(std::uint8_t byte, std::uint8_t shift, std::uint8_t width) {
    return (byte >> shift) & Mask(width);
}

std::uint16_t ReadU16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

void WriteU16(std::uint8_t* bytes, std::uint16_t value) {
    bytes[0] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[1] = static_cast<std::uint8_t>(value >> 8);
}

std::uint16_t WithBit(std::uint16_t bitmap, std::size_t bit, bool set) {
    const auto mask = static_cast<std::uint16_t>(1U << bit);
    return static_cast<std::uint16_t>(set ? bitmap | mask : bitmap & ~mask);
}

const std::uint8_t* SlotBytes(const ByteVector& image, std::size_t slot) {
    return image.data() + kLmVsChannelTableOffset + slot * kLmVsChannelRecordSize;
}

ElementPtr FirstNamed(const ElementList& elements, const std::string& name) {
    auto found = std::find_if(elements.begin(), elements.end(),
                              [&](const ElementPtr& element) { return element->name == name; });
    return found == elements.end() ? nullptr : *found;
}

} // namespace

bool is_empty_channel_slot(const ByteVector& image, std::size_t slot) {
    const std::uint8_t* bytes = SlotBytes(image, slot);
    const std::uint8_t* end = bytes + kLmVsChannelRecordSize;
    return std::all_of(bytes, end, [](std::uint8_t b) { return b == 0x00; }) ||
           std::all_of(bytes, end, [](std::uint8_t b) { return b == 0xFF; });
}

LmVsImageCodec::LmVsImageCodec(const LmVsImageLayout& layout, CommonCpsControl& control)
    : layout_(layout), control_(control) {}

void LmVsImageCodec::Emit(const std::string& text, int position, int total) {
    if (!control_.progress(text, position, total)) {
        throw CancelledException();
    }
}

std::optional<std::string> LmVsImageCodec::FirstValue(const std::string& name) {
    ElementList found;
    control_.GetElementsByName(name, found);
    if (found.empty()) {
        return std::nullopt;
    }
    return found.front()->inputValue;
}

bool LmVsImageCodec::GenerateImage(ByteVector& image) {
    // A part of the radio's image (a base read that stopped half-way) must not be completed
    // with zeros: those zeros would overwrite the radio's memory.
    if (!image.empty() && image.size() != layout_.imageSize) {
        return false;
    }
    const ByteVector& base = image;
    const bool haveBase = !base.empty();

    ByteVector settings(layout_.settingsSize, 0);
    EncodeSettings(base, settings);
    std::vector<std::uint8_t> keys;
    for (const KeyByte& key : layout_.keyBytes) {
        const std::optional<std::string> value = FirstValue(key.name);
        if (value) {
            keys.push_back(static_cast<std::uint8_t>(ParseDecimal(*value) & 0x0F));
        } else {
            keys.push_back(haveBase ? base[key.offset] : 0);
        }
    }

    std::array<std::uint8_t, kTableSize> table{};
    if (layout_.keepsUnfilledSlots && haveBase) {
        std::copy_n(base.begin() + kLmVsChannelTableOffset, kTableSize, table.begin());
    }
    const bool scanBitmap = layout_.scanBitmapOffset.has_value();
    const std::uint16_t baseBitmap =
        haveBase && scanBitmap ? ReadU16(base.data() + *layout_.scanBitmapOffset) : 0;
    std::uint16_t bitmap = 0;

    ElementList records;
    control_.GetElementsByName(kChannelRecord, records);
    const int total = static_cast<int>(records.size()) - 1;
    ReferenceCache references;
    std::size_t slot = 0;
    for (const ElementPtr& record : records) {
        if (record->controlType == 0) {
            continue;
        }
        if (slot == kLmVsChannelSlots) {
            throw ValdrenCpsException("Maximum number of ChannelName exceeded!", FailureKind::Data);
        }
        Emit(LoadString(IDS_FILL_CHANNEL_INFO), static_cast<int>(slot + 1), total);
        control_.RemapReferences(record->id, kChannelRecord, references);
        EncodeChannel(record->id, table.data() + slot * kLmVsChannelRecordSize, slot, bitmap);
        ++slot;
    }
    // An unused slot that the radio holds empty stays exactly as the radio has it.
    for (; haveBase && slot < kLmVsChannelSlots; ++slot) {
        if (is_empty_channel_slot(base, slot)) {
            std::copy_n(SlotBytes(base, slot), kLmVsChannelRecordSize,
                        table.begin() + static_cast<std::ptrdiff_t>(slot * kLmVsChannelRecordSize));
            bitmap = WithBit(bitmap, slot, (baseBitmap >> slot & 1U) != 0);
        }
    }

    image.resize(layout_.imageSize, 0);
    std::copy(table.begin(), table.end(), image.begin() + kLmVsChannelTableOffset);
    std::copy(settings.begin(), settings.end(), image.begin() + layout_.settingsOffset);
    if (scanBitmap) {
        WriteU16(image.data() + *layout_.scanBitmapOffset, bitmap);
    }
    for (std::size_t i = 0; i < keys.size(); ++i) {
        image[layout_.keyBytes[i].offset] = keys[i];
    }
    return true;
}

// A setting the document lacks keeps the radio's bits rather than an invented 0.
void LmVsImageCodec::EncodeSettings(const ByteVector& base, ByteVector& record) {
    for (const SettingField& field : layout_.settings) {
        std::uint8_t& byte = record[field.byte];
        const std::optional<std::string> value = FirstValue(field.name);
        if (value) {
            long long number = ParseDecimal(*value);
            // a byte that read back as a negative number goes back as that same byte
            if (field.highReduction != 0 && number < 0) {
                number += field.highReduction;
            }
            PutBits(byte, field.shift, field.width, number);
        } else if (!base.empty()) {
            const std::uint8_t radio = base[layout_.settingsOffset + field.byte];
            PutBits(byte, field.shift, field.width, GetBits(radio, field.shift, field.width));
        }
    }
}

void LmVsImageCodec::EncodeChannel(const std::string& recordId, std::uint8_t* slot,
                                   std::size_t slotIndex, std::uint16_t& scanBitmap) {
    ElementList fields;
    control_.GetChildElements(recordId, fields);
    if (fields.empty()) {
        return;
    }
    for (const ChannelField& field : layout_.channelFields) {
        const ElementPtr element = FirstNamed(fields, field.name);
        if (!element) {
            continue;
        }
        const long long value = ParseDecimal(element->inputValue);
        switch (field.kind) {
        case ChannelFieldKind::Frequency: {
            const BcdBytes bcd = int_to_bcd(value / 10);
            std::copy(bcd.begin(), bcd.end(), slot + field.byte);
            break;
        }
        case ChannelFieldKind::Tone:
            WriteU16(slot + field.byte,
                     value == 0 ? kToneOff : static_cast<std::uint16_t>(value & 0xFFFF));
            break;
        case ChannelFieldKind::Bits:
            PutBits(slot[field.byte], field.shift, field.width, value);
            break;
        case ChannelFieldKind::ScanBit:
            scanBitmap = WithBit(scanBitmap, slotIndex, value != 0);
            break;
        }
    }
}

bool LmVsImageCodec::ImportImage(const ByteVector& image) {
    if (image.size() != layout_.imageSize) {
        return false;
    }
    std::vector<std::size_t> filled;
    for (std::size_t slot = 0; slot < kLmVsChannelSlots; ++slot) {
        if (!is_empty_channel_slot(image, slot)) {
            filled.push_back(slot);
        }
    }
    std::vector<std::string> ids;
    if (!MakeChannelList(filled.size(), ids)) {
        return false;
    }
    const std::uint16_t bitmap =
        layout_.scanBitmapOffset ? ReadU16(image.data() + *layout_.scanBitmapOffset) : 0;
    std::size_t next = 0;
    for (std::size_t slot = 0; slot < kLmVsChannelSlots; ++slot) {
        Emit(LoadString(IDS_IMPORT_CHANNEL), static_cast<int>(slot + 1),
             static_cast<int>(kLmVsChannelSlots));
        if (next < filled.size() && filled[next] == slot) {
            DecodeChannel(image, slot, bitmap, ids[next]);
            ++next;
        }
    }
    DecodeSettings(image);
    return true;
}

// The list is brought to one record in use per channel of the radio; records it has to add
// are named like new records of the list ("CH" and their position).
bool LmVsImageCodec::MakeChannelList(std::size_t count, std::vector<std::string>& ids) {
    ElementList before;
    control_.GetElementsByName(kChannelRecord, before);
    std::unordered_set<std::string> known;
    std::string prefix;
    for (const ElementPtr& record : before) {
        known.insert(record->id);
        if (record->controlType == 0 && prefix.empty()) {
            prefix = record->inputValue.empty() ? std::string("Channel") : record->inputValue;
        }
    }
    if (!control_.ResizeRecordList(kChannelRecord, count, ids)) {
        return false;
    }
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (known.count(ids[i]) == 0) {
            control_.SetInputValue(ids[i], "", prefix + std::to_string(i + 1), true);
        }
    }
    return true;
}

// Values go in with the forced write: the radio's frequencies of a model whose frequencies
// are read-only must still reach the document, or a write would replace them.
void LmVsImageCodec::DecodeChannel(const ByteVector& image, std::size_t slot,
                                   std::uint16_t scanBitmap, const std::string& recordId) {
    ElementList fields;
    control_.GetChildElements(recordId, fields);
    const std::uint8_t* bytes = SlotBytes(image, slot);
    for (const ChannelField& field : layout_.channelFields) {
        const ElementPtr element = FirstNamed(fields, field.name);
        if (!element) {
            continue;
        }
        long long value = 0;
        switch (field.kind) {
        case ChannelFieldKind::Frequency:
            value = bcd_to_int(std::span<const std::uint8_t, 4>(bytes + field.byte, 4)) * 10;
            break;
        case ChannelFieldKind::Tone: {
            const std::uint16_t tone = ReadU16(bytes + field.byte);
            value = tone == kToneOff ? 0 : tone;
            break;
        }
        case ChannelFieldKind::Bits:
            value = GetBits(bytes[field.byte], field.shift, field.width);
            break;
        case ChannelFieldKind::ScanBit:
            value = scanBitmap >> slot & 1U;
            break;
        }
        control_.SetInputValue(recordId, element->id, std::to_string(value), true);
    }
}

void LmVsImageCodec::DecodeSettings(const ByteVector& image) {
    for (const SettingField& field : layout_.settings) {
        int value = static_cast<int>(
            GetBits(image[layout_.settingsOffset + field.byte], field.shift, field.width));
        if (field.zeroReadsAs >= 0 && value == 0) {
            value = field.zeroReadsAs;
        }
        if (field.highReduction != 0 && value >= 128) {
            value -= field.highReduction;
        }
        control_.SetValueByName(field.name, std::to_string(value));
    }
    for (const KeyByte& key : layout_.keyBytes) {
        control_.SetValueByName(key.name, std::to_string(image[key.offset] & 0x0F));
    }
}

} // namespace vd
