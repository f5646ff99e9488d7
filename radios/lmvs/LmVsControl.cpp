#include "radios/lmvs/LmVsControl.h"

#include "app/AppPaths.h"
#include "radios/NotAvailable.h"

namespace vd {

LmVsControl::LmVsControl(const std::string& modelName, const std::string& rootName,
                         const std::string& templateFile)
    : CommonCpsControl(modelName, rootName, {{"ChannelName", 16}},
                       AppPaths::TemplatePath(templateFile)) {}

bool LmVsControl::GenerateImage(ByteVector&, int) {
    ThrowNotAvailable(GetModelName(), "GenerateImage");
}

// A write always starts from the radio's own image: the codec owns only part of it.
bool LmVsControl::NeedsNoBaseImage() {
    return false;
}

bool LmVsControl::ImportImage(const ByteVector&) {
    ThrowNotAvailable(GetModelName(), "ImportImage");
}

bool LmVsControl::ReadBaseImage(ISerialPort&, ByteVector&, std::string) {
    ThrowNotAvailable(GetModelName(), "ReadBaseImage");
}

void LmVsControl::OpenPort(ISerialPort&, const std::string&) {
    ThrowNotAvailable(GetModelName(), "OpenPort");
}

bool LmVsControl::host_handshake(ISerialPort&, int, const uint8_t*, int) {
    ThrowNotAvailable(GetModelName(), "host_handshake");
}

int LmVsControl::ReadAll(ISerialPort&, ByteVector&, std::string) {
    ThrowNotAvailable(GetModelName(), "ReadAll");
}

int LmVsControl::WriteAll(ISerialPort&, const ByteVector&, std::string) {
    ThrowNotAvailable(GetModelName(), "WriteAll");
}

bool LmVsControl::IsElementReadOnly(const std::string&, const std::string&) {
    ThrowNotAvailable(GetModelName(), "IsElementReadOnly");
}

bool LmVsControl::ValidateValue(const std::string&, std::string&, std::vector<long long>&,
                                std::vector<long long>&, std::string&) {
    ThrowNotAvailable(GetModelName(), "ValidateValue");
}

} // namespace vd
