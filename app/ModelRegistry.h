#pragma once
#include "model/HamCpsControl.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vd {

/// Creates a new model control for a model name.
using ControlFactory = std::function<std::unique_ptr<HamCpsControl>(const std::string& modelName)>;

/// The registry of radio models, filled by one static registration per model before main
/// runs: model name -> control factory, and model identifier (upper case) -> model name.
class ModelRegistry {
public:
    /// Registers a model name; called during static initialisation.
    static bool RegisterModel(const std::string& modelName, ControlFactory factory);
    /// Registers a model identifier (stored upper-cased) for a model name.
    static bool RegisterIdentifier(const std::string& identifier, const std::string& modelName);

    /// A new control for the model, or null when the name is not registered.
    static std::unique_ptr<HamCpsControl> CreateControl(const std::string& modelName);
    /// The model name of an identifier (any letter case), or empty text.
    static std::string ModelNameForIdentifier(const std::string& identifier);
    /// The model names in registry order (ordinal order of the names).
    static std::vector<std::string> ModelNames();
};

} // namespace vd
