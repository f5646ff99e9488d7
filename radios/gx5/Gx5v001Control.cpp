#include "radios/gx5/Gx5v001Control.h"

#include "app/AppPaths.h"
#include "app/ModelRegistry.h"
#include "radios/NotAvailable.h"

namespace vd {

namespace {

CapacityTable Gx5Capacities() {
    return {{"ChannelName", 1027}, {"ScanName", 64}, {"ZoneName", 64}, {"EmergencyName", 8},
            {"fmName", 32},        {"noaaName", 12}, {"dtmfSystem", 4}};
}

const bool registered =
    ModelRegistry::RegisterModel(
        "GX5", [](const std::string& name) { return std::make_unique<Gx5v001Control>(name); }) &&
    ModelRegistry::RegisterIdentifier("GX5v001", "GX5") &&
    ModelRegistry::RegisterIdentifier("GX5_v001", "GX5");

} // namespace

Gx5v001Control::Gx5v001Control(const std::string& modelName)
    : Gx5v001Control(modelName, "GX5v001", Gx5Capacities(), "gx5_v001.ysht") {}

Gx5v001Control::Gx5v001Control(const std::string& modelName, const std::string& rootName,
                               CapacityTable capacities, const std::string& templateFile)
    : CommonCpsControl(modelName, rootName, std::move(capacities),
                       AppPaths::TemplatePath(templateFile)) {
    (void)registered;
}

bool Gx5v001Control::GenerateImage(ByteVector&, int) {
    ThrowNotAvailable(GetModelName(), "GenerateImage");
}

bool Gx5v001Control::NeedsNoBaseImage() {
    return true;
}

bool Gx5v001Control::ImportImage(const ByteVector&) {
    ThrowNotAvailable(GetModelName(), "ImportImage");
}

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

bool Gx5v001Control::IsElementReadOnly(const std::string&, const std::string&) {
    ThrowNotAvailable(GetModelName(), "IsElementReadOnly");
}

bool Gx5v001Control::ValidateValue(const std::string&, std::string&, std::vector<long long>&,
                                   std::vector<long long>&, std::string&) {
    ThrowNotAvailable(GetModelName(), "ValidateValue");
}

} // namespace vd
