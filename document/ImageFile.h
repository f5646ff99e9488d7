#pragma once
#include "model/ModelTypes.h"

#include <string>

namespace vd {

/// Largest raw image file taken in; the radios' images are at most 256 KiB.
inline constexpr size_t kMaxImageFileSize = 1024 * 1024;

/// Reads a whole raw image file; throws ValdrenCpsException with the reason when it cannot be
/// read or is larger than any radio's memory.
ByteVector ReadImageFile(const std::string& path);

/// Writes a raw image file without ever leaving a half-written file under that name; throws
/// ValdrenCpsException with the reason.
void WriteImageFile(const std::string& path, const ByteVector& image);

} // namespace vd
