#pragma once
#include "model/ModelTypes.h"

#include <string>

namespace vd::gx5 {

/// The 2048-byte tuning block of the image, built from a tuning file in INI form: the
/// transmit power, receive noise, transmit deviation, voltage and VOX tables, each behind
/// its four-letter marker. Missing keys, and a missing file, give the default values.
ByteVector BuildTuningBlock(const std::string& tuningFilePath);

} // namespace vd::gx5
