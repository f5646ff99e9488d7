#pragma once
#include "radios/gx5/Gx5Bytes.h"
#include "radios/gx5/Gx5DocumentView.h"
#include "radios/gx5/Gx5ReferenceEncoder.h"

#include <array>
#include <string>
#include <string_view>

namespace vd::gx5 {

// Each encoder writes one section or one record slot, given as exactly its bytes and
// zero-filled by the caller.

/// Magic, image mark and the zero bytes before the device information.
void EncodeHeader(Bytes image);
/// Device information; the model string is the radio's identity string.
void EncodeDeviceInfo(Bytes section, const DocumentView& document, std::string_view identity);
/// Version: data version 1 and the four numbers of "swVer".
void EncodeVersion(Bytes section, const DocumentView& document);
/// General settings with the power-up zones and channels.
void EncodeSettings(Bytes section, const DocumentView& document, ReferenceEncoder& references);
/// DTMF settings.
void EncodeDtmfSettings(Bytes section, const DocumentView& document);

/// One channel record.
void EncodeChannel(Bytes record, const RecordView& channel, ReferenceEncoder& references);
/// One zone record with its member channels.
void EncodeZone(Bytes record, const RecordView& zone, ReferenceEncoder& references);
/// One scan list record with its member and designated channels.
void EncodeScanList(Bytes record, const RecordView& scanList, ReferenceEncoder& references);
/// One emergency record.
void EncodeEmergency(Bytes record, const RecordView& emergency, ReferenceEncoder& references);
/// One FM station record.
void EncodeFm(Bytes record, const RecordView& station);
/// One weather channel record.
void EncodeNoaa(Bytes record, const RecordView& channel);
/// One DTMF system record.
void EncodeDtmfSystem(Bytes record, const RecordView& system);

/// The four numbers of a software version text ("V1.02.03.004" or "1.2.3.4").
std::array<uint8_t, 4> SoftwareVersionBytes(const std::string& text);
/// The display text of the four software version bytes ("V1.02.03.004").
std::string SoftwareVersionText(uint8_t major, uint8_t minor, uint8_t patch, uint8_t build);

} // namespace vd::gx5
