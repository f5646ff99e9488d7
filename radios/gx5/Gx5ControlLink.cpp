// The GX5 family's radio link: handshake, block reads, part writes and reboot.
#include "radios/NotAvailable.h"
#include "radios/gx5/Gx5v001Control.h"

namespace vd {

// The whole image is built from the values; nothing is read before a write.
bool Gx5v001Control::ReadBaseImage(ISerialPort&, ByteVector&, std::string) {
    return false;
}

void Gx5v001Control::OpenPort(ISerialPort&, const std::string&) {
    ThrowNotAvailable(GetModelName(), "OpenPort");
}

bool Gx5v001Control::host_handshake(ISerialPort&, int, const uint8_t*, int) {
    ThrowNotAvailable(GetModelName(), "host_handshake");
}

int Gx5v001Control::ReadAll(ISerialPort&, ByteVector&, std::string) {
    ThrowNotAvailable(GetModelName(), "ReadAll");
}

int Gx5v001Control::WriteAll(ISerialPort&, const ByteVector&, std::string) {
    ThrowNotAvailable(GetModelName(), "WriteAll");
}

bool Gx5v001Control::host_reboot(ISerialPort&) {
    ThrowNotAvailable(GetModelName(), "host_reboot");
}

} // namespace vd
