#pragma once
#include "model/HamCpsControl.h"

#include <string>

namespace vd::cli {

/// The element a selector names (see vd::ResolveSelector); throws CliError (usage) with the
/// reason when it names nothing or more than one thing.
ElementPtr ResolveSelector(HamCpsControl& control, const std::string& selector);

} // namespace vd::cli
