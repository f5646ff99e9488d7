#include "radios/lmvs/Bcd.h"

namespace vd {

namespace {

constexpr long long kEightDigits = 100000000;
constexpr long long kPair = 100;

} // namespace

BcdBytes int_to_bcd(long long value) {
    long long rest = value < 0 ? 0 : value % kEightDigits;
    BcdBytes bytes{};
    for (std::uint8_t& byte : bytes) {
        const long long pair = rest % kPair;
        rest /= kPair;
        byte = static_cast<std::uint8_t>((pair / 10) << 4 | pair % 10);
    }
    return bytes;
}

long long bcd_to_int(std::span<const std::uint8_t, 4> bytes) {
    long long value = 0;
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
        value = value * kPair + (*byte >> 4) * 10 + (*byte & 0x0F);
    }
    return value;
}

} // namespace vd
