#pragma once
#include <cstdint>

namespace vd {

/// CRC-16/ARC (reflected polynomial 0xA001, initial value 0, no final xor) of `length` bytes:
/// the checksum that closes every RDTP frame. The CRC of "123456789" is 0xBB3D.
uint16_t crc16_arc(const uint8_t* data, uint16_t length);

} // namespace vd
