#include "radios/gx5/Gx5gv001Control.h"

#include "app/ModelRegistry.h"

namespace vd {

namespace {

CapacityTable Gx5gCapacities() {
    return {{"ChannelName", 259}, {"ScanName", 64}, {"ZoneName", 16}, {"EmergencyName", 8},
            {"fmName", 32},       {"noaaName", 12}, {"dtmfSystem", 4}};
}

const bool registered =
    ModelRegistry::RegisterModel(
        "GX5G", [](const std::string& name) { return std::make_unique<Gx5gv001Control>(name); }) &&
    ModelRegistry::RegisterIdentifier("GX5Gv001", "GX5G");

} // namespace

Gx5gv001Control::Gx5gv001Control(const std::string& modelName)
    : Gx5v001Control(modelName, "GX5Gv001", Gx5gCapacities(), "gx5g_v001.ysht") {
    (void)registered;
}

std::string_view Gx5gv001Control::get_model_identity() const {
    return "GX5G -0000000000000000000-PCB-01";
}

} // namespace vd
