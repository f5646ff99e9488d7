#pragma once
#include "model/CommonCpsControl.h"

namespace vd {

/// What the LM704 and VS radios share: an unframed byte protocol at 9600 baud, a memory
/// image of 1008 or 1024 bytes holding 16 channels and one settings record. The five model
/// classes differ only in the data they give this class.
class LmVsControl : public CommonCpsControl {
public:
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
    LmVsControl(const std::string& modelName, const std::string& rootName,
                const std::string& templateFile);
};

} // namespace vd
