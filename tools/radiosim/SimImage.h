#pragma once
#include "tools/radiosim/SimModels.h"

#include <filesystem>

namespace vd::sim {

/// The memory of a radio fresh from the factory: zeros of the model's size, and for the GX5
/// family the image header and the model string a real radio carries.
Bytes blankImage(const SimModel& model);

/// Reads the image a radio is started with; throws std::runtime_error when the file cannot be
/// read or its size does not fit the model's memory.
Bytes loadImage(const std::filesystem::path& file, const SimModel& model);

/// Writes a file so that readers see either the old or the whole new content, never a part:
/// the bytes go to a temporary file beside it that is then renamed. Throws std::runtime_error.
void saveFileAtomically(const std::filesystem::path& file, const Bytes& bytes);

} // namespace vd::sim
