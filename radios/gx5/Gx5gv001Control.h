#pragma once
#include "radios/gx5/Gx5v001Control.h"

namespace vd {

/// The GX5G: the GX5's protocol and image with its own identity, data template and a set
/// of fixed channels whose bandwidth and power follow their transmit frequency.
class Gx5gv001Control : public Gx5v001Control {
public:
    explicit Gx5gv001Control(const std::string& modelName);

    std::string_view get_model_identity() const override;

    // value rules (Gx5gRules.cpp)
    bool IsElementReadOnly(const std::string& id, const std::string& name) override;
    bool ValidateValue(const std::string& name, std::string& kind, std::vector<long long>& lower,
                       std::vector<long long>& upper, std::string& allowedChars) override;
    bool IsFieldDisabled(const HamCpsElement& field) override;
    bool OnValueChanged(const HamCpsElement& changed, const std::string& newValue,
                        std::vector<ElementKey>& dependents) override;
};

} // namespace vd
