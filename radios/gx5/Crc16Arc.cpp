#include "radios/gx5/Crc16Arc.h"

#include <array>

namespace vd {

namespace {

// One entry per byte value: the register after shifting that byte through the reflected
// polynomial, so the checksum costs one lookup per byte.
constexpr std::array<uint16_t, 256> makeTable() {
    std::array<uint16_t, 256> table{};
    for (unsigned value = 0; value < 256; ++value) {
        uint16_t reg = static_cast<uint16_t>(value);
        for (int bit = 0; bit < 8; ++bit) {
            reg = (reg & 1U) != 0 ? static_cast<uint16_t>((reg >> 1) ^ 0xA001U)
                                  : static_cast<uint16_t>(reg >> 1);
        }
        table[value] = reg;
    }
    return table;
}

constexpr std::array<uint16_t, 256> kTable = makeTable();

} // namespace

uint16_t crc16_arc(const uint8_t* data, uint16_t length) {
    uint16_t crc = 0;
    for (uint16_t i = 0; i < length; ++i) {
        crc = static_cast<uint16_t>((crc >> 8) ^ kTable[(crc ^ data[i]) & 0xFFU]);
    }
    return crc;
}

} // namespace vd
