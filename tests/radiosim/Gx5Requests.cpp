#include "tests/radiosim/Gx5Requests.h"

#include "radios/gx5/Crc16Arc.h"

namespace vdtest {

Bytes le16(unsigned value) {
    return {static_cast<uint8_t>(value & 0xFF), static_cast<uint8_t>((value >> 8) & 0xFF)};
}

Bytes rdtpFrame(const Bytes& payload) {
    Bytes frame =
        join({ascii("RDTP"), {0x01, 0x00, 0, 0, 0, 0, 0, 0}, le16(payload.size()), payload});
    const uint16_t crc = vd::crc16_arc(frame.data(), static_cast<uint16_t>(frame.size()));
    return join({frame, le16(crc), {0xFF}});
}

bool rdtpCrcOk(const Bytes& frame) {
    if (frame.size() < 17 || frame.back() != 0xFF) {
        return false;
    }
    const std::size_t covered = frame.size() - 3;
    const uint16_t crc = vd::crc16_arc(frame.data(), static_cast<uint16_t>(covered));
    return frame[covered] == (crc & 0xFF) && frame[covered + 1] == (crc >> 8);
}

Bytes rdtpPayloadOf(const Bytes& frame) {
    if (frame.size() < 17) {
        return {};
    }
    return Bytes(frame.begin() + 14, frame.end() - 3);
}

Bytes gx5Handshake(const std::string& identity, uint8_t mode, const std::string& password) {
    Bytes passwordBytes = ascii(password);
    passwordBytes.resize(8, 0x00);
    return rdtpFrame(
        join({{0x00, 0x00}, le16(0), le16(1), ascii(identity), {mode}, passwordBytes}));
}

Bytes gx5BlockRead(unsigned index) {
    return rdtpFrame(join({{0x01, 0x02}, le16(0), le16(1), le16(index)}));
}

Bytes gx5WritePart(unsigned part, unsigned count, const Bytes& data) {
    return rdtpFrame(join({{0x01, 0x00}, le16(part), le16(count), data}));
}

Bytes gx5Reboot() {
    return rdtpFrame(join({{0x6F, 0x00}, le16(0), le16(1)}));
}

} // namespace vdtest
