#pragma once
#include "model/CommonCpsControl.h"

#include <string_view>

namespace vd {

/// The GX5 radio: framed protocol with CRC at 115200 baud, a memory image of 52404 to
/// 65466 bytes, and the GX5 value rules. The operations are defined by role in
/// Gx5ControlLink.cpp (protocol), Gx5ControlImage.cpp (image codec) and Gx5Rules.cpp.
class Gx5v001Control : public CommonCpsControl {
public:
    explicit Gx5v001Control(const std::string& modelName);

    // memory image (Gx5ControlImage.cpp)
    bool GenerateImage(ByteVector& image, int binStructContent) override;
    bool NeedsNoBaseImage() override;
    bool ImportImage(const ByteVector& image) override;
    /// A size outside the content sizes, or a model string that names the other model.
    std::string ImageProblem(const ByteVector& image) override;
    bool ApplyTuningFile(ByteVector& image, const std::string& tuningFilePath) override;

    // radio link (Gx5ControlLink.cpp)
    bool ReadBaseImage(ISerialPort& port, ByteVector& image, std::string text) override;
    void OpenPort(ISerialPort& port, const std::string& device) override;
    bool host_handshake(ISerialPort& port, int mode, const uint8_t* password, int length) override;
    int ReadAll(ISerialPort& port, ByteVector& image, std::string text) override;
    int WriteAll(ISerialPort& port, const ByteVector& image, std::string text) override;
    bool host_reboot(ISerialPort& port) override;
    /// The 32-byte identity string the radio checks in the handshake.
    virtual std::string_view get_model_identity() const;

    // value rules (Gx5Rules.cpp)
    bool IsElementReadOnly(const std::string& id, const std::string& name) override;
    bool ValidateValue(const std::string& name, std::string& kind, std::vector<long long>& lower,
                       std::vector<long long>& upper, std::string& allowedChars) override;
    std::string GetReferenceTarget(const std::string& name) override;
    std::string FormatMemberList(const std::vector<std::string>& members) override;
    std::string DefaultRecordName(const std::string& name, const std::string& prefix) override;
    bool IsValueAllowed(const std::string& value, const std::string& name) override;
    const ProjectRules& GetProjectRules() const override;
    std::string ToRadioText(const std::string& utf8) const override;

protected:
    /// For the GX5G, which shares the protocol and the image with other data.
    Gx5v001Control(const std::string& modelName, const std::string& rootName,
                   CapacityTable capacities, const std::string& templateFile);

    /// How many more "Import channel error" message boxes this import or encoding may raise.
    int channel_error_tip_count_ = 2;
};

} // namespace vd
