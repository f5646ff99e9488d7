#pragma once
#include "model/CommonCpsControl.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vd {

/// How a channel field is kept in a channel record.
enum class ChannelFieldKind {
    Frequency, ///< 4 bytes of BCD in units of 10 Hz
    Tone,      ///< u16 little-endian; 0 (off) is kept as 0xFFFF
    Bits,      ///< `width` bits from bit `shift` of one byte
    ScanBit,   ///< the slot's bit in the image's scan bitmap
};

/// One field of a channel record: the record field of that name and where its value sits.
struct ChannelField {
    std::string name;
    ChannelFieldKind kind;
    std::uint8_t byte = 0;
    std::uint8_t shift = 0;
    std::uint8_t width = 1;
};

/// One field of the settings record: the setting of that name and its bits, with the way the
/// radio's byte reads back.
struct SettingField {
    std::string name;
    std::uint8_t byte;
    std::uint8_t shift = 0;
    std::uint8_t width = 8;
    /// A field of 0 reads as this value (none when negative).
    int zeroReadsAs = -1;
    /// A byte of 128 or more reads as that byte less this value (none when 0).
    int highReduction = 0;
};

/// A setting kept in the low four bits of a byte of its own.
struct KeyByte {
    std::string name;
    std::uint32_t offset;
};

/// Where one model keeps its channels and settings in the memory image.
struct LmVsImageLayout {
    std::uint32_t imageSize;
    std::vector<ChannelField> channelFields;
    /// Channel slots the values do not fill keep the radio's bytes; otherwise they are cleared.
    bool keepsUnfilledSlots;
    std::uint32_t settingsOffset;
    std::uint32_t settingsSize;
    std::vector<SettingField> settings;
    /// u16 little-endian, bit k for slot k; none for a model that scans by a channel bit.
    std::optional<std::uint32_t> scanBitmapOffset{};
    std::vector<KeyByte> keyBytes{};
};

/// Number of channel slots of every model.
inline constexpr std::size_t kLmVsChannelSlots = 16;
/// Bytes of one channel record.
inline constexpr std::size_t kLmVsChannelRecordSize = 16;
/// Offset of the channel table in the image.
inline constexpr std::size_t kLmVsChannelTableOffset = 16;

/// Whether a channel slot holds no channel: all its bytes are 0x00, or all are 0xFF.
bool is_empty_channel_slot(const ByteVector& image, std::size_t slot);

/// The memory image codec of one LM704 or VS model over the element store of its control.
///
/// Channels: the records in use are packed into the first slots in list order; importing
/// makes one record in use per slot that holds a channel, in slot order, so the list holds
/// exactly the radio's channels (an empty slot between two channels closes up on the next
/// write). A slot left unfilled that the base image holds empty keeps the radio's own bytes.
class LmVsImageCodec {
public:
    /// A codec writing through `control`, which must outlive it.
    LmVsImageCodec(const LmVsImageLayout& layout, CommonCpsControl& control);

    /// Builds the image over `image`, the radio's image read as base or empty (then the
    /// result is the model's size with zeros outside the codec's fields). False, leaving the
    /// image untouched, when `image` holds part of an image only. Throws ValdrenCpsException
    /// "break!" on cancel and for more channels than the radio has slots.
    bool GenerateImage(ByteVector& image);
    /// Decodes an image into the values; false, changing nothing, when it is not exactly the
    /// model's size. Throws ValdrenCpsException "break!" on cancel.
    bool ImportImage(const ByteVector& image);

private:
    void Emit(const std::string& text, int position, int total);
    std::optional<std::string> FirstValue(const std::string& name);
    void EncodeSettings(const ByteVector& base, ByteVector& record);
    void EncodeChannel(const std::string& recordId, std::uint8_t* slot, std::size_t slotIndex,
                       std::uint16_t& scanBitmap);
    void DecodeChannel(const ByteVector& image, std::size_t slot, std::uint16_t scanBitmap,
                       const std::string& recordId);
    void DecodeSettings(const ByteVector& image);
    bool MakeChannelList(std::size_t count, std::vector<std::string>& ids);

    const LmVsImageLayout& layout_;
    CommonCpsControl& control_;
};

} // namespace vd
