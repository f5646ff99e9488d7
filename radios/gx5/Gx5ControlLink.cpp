// The GX5 family's radio link: handshake, block reads, part writes and reboot.
#include "radios/gx5/Gx5Protocol.h"
#include "radios/gx5/Gx5v001Control.h"

namespace vd {

namespace {

Gx5Protocol protocol_of(Gx5v001Control& control, ISerialPort& port) {
    return Gx5Protocol(
        port, control.progress, [&control](unsigned ms) { control.Sleep(ms); },
        control.get_model_identity());
}

} // namespace

// The whole image is built from the values; nothing is read before a write.
bool Gx5v001Control::ReadBaseImage(ISerialPort&, ByteVector&, std::string) {
    return false;
}

void Gx5v001Control::OpenPort(ISerialPort& port, const std::string& device) {
    open_gx5_port(port, device);
}

bool Gx5v001Control::host_handshake(ISerialPort& port, int mode, const uint8_t* password,
                                    int length) {
    return protocol_of(*this, port).host_handshake(mode, password, length);
}

int Gx5v001Control::ReadAll(ISerialPort& port, ByteVector& image, std::string text) {
    return protocol_of(*this, port).ReadAll(image, std::move(text));
}

int Gx5v001Control::WriteAll(ISerialPort& port, const ByteVector& image, std::string text) {
    return protocol_of(*this, port).WriteAll(image, std::move(text));
}

bool Gx5v001Control::host_reboot(ISerialPort& port) {
    return protocol_of(*this, port).host_reboot();
}

} // namespace vd
