#pragma once
#include "model/CommonCpsControl.h"

namespace vd {

/// The GX5 radio: framed protocol with CRC at 115200 baud, a memory image of 52404 to
/// 65466 bytes, and the GX5 value rules.
class Gx5v001Control : public CommonCpsControl {
public:
    explicit Gx5v001Control(const std::string& modelName);

    bool GenerateImage(ByteVector& image, int binStructContent) override;
    bool NeedsNoBaseImage() override;
    bool ImportImage(const ByteVector& image) override;
    bool ReadBaseImage(ISerialPort& port, ByteVector& image, std::string text) override;
    void OpenPort(ISerialPort& port, const std::string& device) override;
    bool host_handshake(ISerialPort& port, int mode, const uint8_t* password, int length) override;
    int ReadAll(ISerialPort& port, ByteVector& image, std::string text) override;
    int WriteAll(ISerialPort& port, const ByteVector& image, std::string text) override;
    bool IsElementReadOnly(const std::string& id, const std::string& name) override;
    bool ValidateValue(const std::string& name, std::string& kind, std::vector<long long>& lower,
                       std::vector<long long>& upper, std::string& allowedChars) override;

protected:
    /// For the GX5G, which shares the protocol and the image with other data.
    Gx5v001Control(const std::string& modelName, const std::string& rootName,
                   CapacityTable capacities, const std::string& templateFile);
};

} // namespace vd
