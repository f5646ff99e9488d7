#pragma once
#include "model/HamCpsControl.h"

#include <string>

namespace vd {

/// What an element or record field takes, in the form `set` accepts: "whole number
/// 136000000-174000000, step 10", "choice: 0 (Off), 1 (On)", "check box: 1 or empty",
/// "text, at most 12 characters", "reference to a ChannelName record (id or name)".
std::string DescribeAccepted(HamCpsControl& control, const HamCpsElement& element);

} // namespace vd
