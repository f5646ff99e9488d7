#pragma once
#include <array>
#include <cstdint>
#include <span>

namespace vd {

/// Packed BCD of the radios' frequency fields: four bytes, two decimal digits each, the least
/// significant pair first. 17400000 is stored as 00 00 40 17.
using BcdBytes = std::array<std::uint8_t, 4>;

/// Packs the lowest eight decimal digits of `value` (larger values keep only those; negative
/// values pack as 0).
BcdBytes int_to_bcd(long long value);

/// Unpacks four BCD bytes. Nibbles above 9 are taken at face value, as the radio's own
/// firmware does, so that an odd byte never makes a field unreadable.
long long bcd_to_int(std::span<const std::uint8_t, 4> bytes);

} // namespace vd
