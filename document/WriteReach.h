#pragma once
#include "model/HamCpsControl.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vd {

/// A range of image addresses [begin, end).
using AddressRange = std::pair<std::size_t, std::size_t>;

/// The address ranges of an image of `imageSize` bytes that a write of the control's model
/// sends: the whole image on the GX5 family, the model's write ranges on LM704 and VS.
std::vector<AddressRange> WrittenRanges(HamCpsControl& control, std::size_t imageSize);

/// Why an image of that size cannot be written to the model, or empty text when it can.
std::string ImageSizeProblem(HamCpsControl& control, std::size_t imageSize);

/// The part of a radio's image that a write of the model reaches, ready to be sent back: a GX5
/// image read whole (up to 64 KiB) loses the bytes beyond the largest image a write sends.
ByteVector WritableImage(HamCpsControl& control, const ByteVector& image);

/// How a read-back image differs from what was written.
struct ImageMismatch {
    std::size_t count = 0; ///< bytes that differ (bytes missing from the read-back included)
    std::size_t first = 0; ///< address of the first of them
};

/// Compares every byte the write sent (within `ranges`) with what the radio now holds.
std::optional<ImageMismatch> CompareWritten(const std::vector<AddressRange>& ranges,
                                            const ByteVector& sent, const ByteVector& readBack);

} // namespace vd
