#pragma once
#include "model/HamCpsControl.h"

#include <memory>
#include <string>

namespace vd {

/// Project files (".vdcps"): the model's document with its current values, saved whole.
class ProjectFile {
public:
    /// A new configuration of a model from its template, or null when the model is unknown
    /// or its template cannot be loaded (error receives the reason).
    static std::unique_ptr<HamCpsControl> New(const std::string& modelName,
                                              std::string* error = nullptr);

    /// Opens a project: the file must be XML whose root names a registered model, must not be
    /// a template (".ysht" or chapters type "template") and must hold chapters and elements.
    /// Null on any failure (error receives the reason); nothing half-made is returned.
    static std::unique_ptr<HamCpsControl> Open(const std::string& path,
                                               std::string* error = nullptr);

    /// Saves a control's document as a project (atomically); false on failure, with errno
    /// holding the cause.
    static bool Save(HamCpsControl& control, const std::string& path);
};

} // namespace vd
