#include "app/ModelRegistry.h"

#include <boost/algorithm/string/case_conv.hpp>
#include <map>

namespace vd {

namespace {

// Created on first registration, whichever translation unit registers first.
std::map<std::string, ControlFactory>& Models() {
    static std::map<std::string, ControlFactory> models;
    return models;
}

std::map<std::string, std::string>& Identifiers() {
    static std::map<std::string, std::string> identifiers;
    return identifiers;
}

} // namespace

bool ModelRegistry::RegisterModel(const std::string& modelName, ControlFactory factory) {
    return Models().emplace(modelName, std::move(factory)).second;
}

bool ModelRegistry::RegisterIdentifier(const std::string& identifier,
                                       const std::string& modelName) {
    return Identifiers().emplace(boost::algorithm::to_upper_copy(identifier), modelName).second;
}

std::unique_ptr<HamCpsControl> ModelRegistry::CreateControl(const std::string& modelName) {
    auto found = Models().find(modelName);
    if (found == Models().end()) {
        return nullptr;
    }
    return found->second(modelName);
}

std::string ModelRegistry::ModelNameForIdentifier(const std::string& identifier) {
    auto found = Identifiers().find(boost::algorithm::to_upper_copy(identifier));
    return found == Identifiers().end() ? std::string() : found->second;
}

std::vector<std::string> ModelRegistry::ModelNames() {
    std::vector<std::string> names;
    for (const auto& entry : Models()) {
        names.push_back(entry.first);
    }
    return names;
}

} // namespace vd
