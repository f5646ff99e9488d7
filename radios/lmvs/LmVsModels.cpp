#include "radios/lmvs/LmVsModels.h"

#include "app/ModelRegistry.h"

namespace vd {

namespace {

template <typename Control> bool Register(const char* modelName, const char* identifier) {
    return ModelRegistry::RegisterModel(
               modelName,
               [](const std::string& name) { return std::make_unique<Control>(name); }) &&
           ModelRegistry::RegisterIdentifier(identifier, modelName);
}

const bool registered = Register<Lm704v001Control>("LM704", "LM704_v001") &&
                        Register<Vs31v001Control>("VS31", "VS31_v001") &&
                        Register<Vs46v001Control>("VS46", "VS46_v001") &&
                        Register<Vs58v001Control>("VS58", "VS58_v001") &&
                        Register<Vs73v001Control>("VS73", "VS73_v001");

} // namespace

Lm704v001Control::Lm704v001Control(const std::string& modelName)
    : LmVsControl(modelName, "lm704_v001", "lm704_v001.ysht") {
    (void)registered;
}

Vs31v001Control::Vs31v001Control(const std::string& modelName)
    : LmVsControl(modelName, "vs31_v001", "vs31_v001.ysht") {}

Vs46v001Control::Vs46v001Control(const std::string& modelName)
    : LmVsControl(modelName, "vs46_v001", "vs46_v001.ysht") {}

Vs58v001Control::Vs58v001Control(const std::string& modelName)
    : LmVsControl(modelName, "vs58_v001", "vs58_v001.ysht") {}

Vs73v001Control::Vs73v001Control(const std::string& modelName)
    : LmVsControl(modelName, "vs73_v001", "vs73_v001.ysht") {}

} // namespace vd
