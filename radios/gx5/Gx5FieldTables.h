#pragma once
#include "radios/gx5/Gx5Bytes.h"

#include <span>
#include <string>

namespace vd::gx5 {

/// How a value is stored in the image.
enum class FieldKind : uint8_t {
    Bits, ///< bits shift .. shift+width-1 of the byte at offset (a whole byte: 0, 8)
    U16,  ///< little-endian 16 bits
    U32,  ///< little-endian 32 bits
    Tone, ///< a tone code: big-endian 16 bits with bit 12 always clear
    Text, ///< width bytes of radio characters, zero-padded
};

/// One plain value of a record or section: the element name and where it is stored.
/// References (record ids stored as indexes) are not plain values and have no entry.
struct FieldSpec {
    const char* name;
    uint16_t offset;
    FieldKind kind;
    uint8_t shift = 0;
    uint8_t width = 8; ///< bits of a Bits field, bytes of a Text field
};

/// The plain values of one record or section, in image order.
using FieldTable = std::span<const FieldSpec>;

/// Stores a value given as decimal text (non-numbers store 0) or as text.
void EncodeField(Bytes bytes, const FieldSpec& field, const std::string& value);
/// The stored value as decimal text or as text.
std::string DecodeField(ConstBytes bytes, const FieldSpec& field);

/// Device information, apart from the model string.
FieldTable DeviceInfoFields();
/// General settings, apart from the power-up zones and channels.
FieldTable SettingsFields();
/// Channel record, apart from its name and its scan-list and emergency references.
FieldTable ChannelFields();
/// Scan list record, apart from its name, members and channel references.
FieldTable ScanListFields();
/// Emergency record, apart from its name and jump channel.
FieldTable EmergencyFields();
/// FM station record, apart from its name.
FieldTable FmFields();
/// Weather channel record, apart from its name.
FieldTable NoaaFields();
/// DTMF settings.
FieldTable DtmfSettingsFields();
/// DTMF system record, apart from its name.
FieldTable DtmfSystemFields();

/// The three power-up positions of the general settings: the zone ("homeNPwrupZoneIndex",
/// the low 12 bits of a u16 whose high 4 bits are "homeNPwrupZoneSwitch") and the channel
/// ("homeNPwrupChnl", a u16).
struct PowerUpSpec {
    const char* zoneName;
    const char* channelName;
    uint16_t zoneOffset;
    uint16_t channelOffset;
};
/// Home 1 to 3.
std::span<const PowerUpSpec> PowerUpFields();

} // namespace vd::gx5
