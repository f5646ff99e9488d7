#pragma once
#include "model/HamCpsControl.h"

#include <string>

namespace vd::cli {

/// The element a selector names (see vd::ResolveSelector); throws CliError (usage) with the
/// reason when it names nothing or more than one thing.
ElementPtr ResolveSelector(HamCpsControl& control, const std::string& selector);

/// A top-level element by its id, its unique name or the name a list record shows (see
/// vd::ResolveRecord); throws CliError (usage) when there is none or more than one.
ElementPtr ResolveRecord(HamCpsControl& control, const std::string& key);

} // namespace vd::cli
