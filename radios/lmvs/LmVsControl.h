#pragma once
#include "model/CommonCpsControl.h"
#include "radios/lmvs/LmVsImageCodec.h"
#include "radios/lmvs/LmVsProtocol.h"
#include "radios/lmvs/LmVsRules.h"

#include <string>
#include <unordered_set>

namespace vd {

/// Everything that tells one LM704 or VS model from another: its template, its link, its
/// image layout and its value rules.
struct LmVsModelData {
    std::string rootName;
    std::string templateFile;
    LmVsLinkData link;
    LmVsImageLayout image;
    LmVsRuleData rules;
};

/// What the LM704 and VS radios share: an unframed byte protocol at 9600 baud, a memory
/// image of 1008 or 1024 bytes holding 16 channels and one settings record. The five model
/// classes give it their data and override the few rules that differ.
///
/// A write reads the radio's image first (ReadBaseImage) and builds the new image over it.
/// When that read fails, WriteAll refuses to send anything until the port is opened anew, so
/// that a caller that goes on regardless cannot overwrite the radio's memory with zeros.
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
    bool IsReferenceName(const std::string& name) override;
    /// An image must have the model's exact size.
    std::string ImageProblem(const ByteVector& image) override;
    /// Frequencies travel as BCD in 10 Hz units.
    int ValueStep(const std::string& name) override;
    std::string GetReferenceTarget(const std::string& name) override;
    const ProjectRules& GetProjectRules() const override;

    /// The model's data.
    const LmVsModelData& Model() const { return model_; }

protected:
    /// A control for `modelName` with the model's data, which must outlive it.
    LmVsControl(const std::string& modelName, const LmVsModelData& model);

private:
    /// What became of the base read of the current connection.
    enum class BaseRead { None, Complete, Failed };

    const LmVsModelData& model_;
    LmVsProtocol link_;
    LmVsImageCodec codec_;
    std::unordered_set<std::string> readOnlyKeys_;
    BaseRead baseRead_ = BaseRead::None;
};

} // namespace vd
