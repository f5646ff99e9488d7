#include "radios/gx5/Gx5v001Control.h"

#include "app/AppPaths.h"
#include "app/ModelRegistry.h"

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

std::string_view Gx5v001Control::get_model_identity() const {
    return "GX5  -0000000000000000000-PCB-01";
}

} // namespace vd
