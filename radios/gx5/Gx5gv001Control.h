#pragma once
#include "radios/gx5/Gx5v001Control.h"

namespace vd {

/// The GX5G: the GX5's protocol and image with its own identity, data template and a set
/// of fixed channels.
class Gx5gv001Control : public Gx5v001Control {
public:
    explicit Gx5gv001Control(const std::string& modelName);
};

} // namespace vd
