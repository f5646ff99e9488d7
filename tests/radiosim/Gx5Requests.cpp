#include "tests/radiosim/Gx5Requests.h"

#include "radios/gx5/Gx5Frame.h"

namespace vdtest {

Bytes le16(unsigned value) {
    return {static_cast<uint8_t>(value & 0xFF), static_cast<uint8_t>((value >> 8) & 0xFF)};
}

bool rdtpCrcOk(const Bytes& frame) {
    return frame.size() >= 17 && vd::rdtp_crc_ok(frame);
}

Bytes rdtpPayloadOf(const Bytes& frame) {
    return frame.size() < 17 ? Bytes{} : Bytes(frame.begin() + 14, frame.end() - 3);
}

Bytes gx5Handshake(const std::string& identity, uint8_t mode, const std::string& password) {
    return vd::frame_payload(vd::handshake_payload(identity, mode, ascii(password)));
}

Bytes gx5BlockRead(unsigned index) {
    return vd::frame_payload(vd::block_read_payload(static_cast<uint16_t>(index)));
}

Bytes gx5WritePart(unsigned part, unsigned count, const Bytes& data) {
    return vd::frame_payload(join({{0x01, 0x00}, le16(part), le16(count), data}));
}

Bytes gx5Reboot() {
    return vd::frame_payload(vd::reboot_payload());
}

} // namespace vdtest
