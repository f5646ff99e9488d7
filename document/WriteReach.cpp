#include "document/WriteReach.h"

#include "radios/gx5/Gx5ImageLayout.h"
#include "radios/lmvs/LmVsControl.h"

#include <algorithm>
#include <fmt/format.h>

namespace vd {

namespace {

// A GX5 radio answers in whole blocks of 1024 bytes; 64 of them hold the largest image.
constexpr std::size_t kGx5LargestRead = 64 * 1024;

} // namespace

std::vector<AddressRange> WrittenRanges(HamCpsControl& control, std::size_t imageSize) {
    auto* lmvs = dynamic_cast<LmVsControl*>(&control);
    if (lmvs == nullptr) {
        return {{0, imageSize}};
    }
    std::vector<AddressRange> ranges;
    for (const WriteRange& range : lmvs->Model().link.writeRanges) {
        ranges.emplace_back(std::min<std::size_t>(range.start, imageSize),
                            std::min<std::size_t>(range.end, imageSize));
    }
    return ranges;
}

std::string ImageSizeProblem(HamCpsControl& control, std::size_t imageSize) {
    if (auto* lmvs = dynamic_cast<LmVsControl*>(&control)) {
        const std::size_t expected = lmvs->Model().link.imageSize;
        return imageSize == expected ? std::string()
                                     : fmt::format("an image of the {} holds {} bytes, not {}",
                                                   control.GetModelName(), expected, imageSize);
    }
    if (imageSize < gx5::kExtensionOffset || imageSize > kGx5LargestRead) {
        return fmt::format("an image of the {} holds {} to {} bytes, not {}",
                           control.GetModelName(), gx5::kExtensionOffset, kGx5LargestRead,
                           imageSize);
    }
    return {};
}

ByteVector WritableImage(HamCpsControl& control, const ByteVector& image) {
    if (dynamic_cast<LmVsControl*>(&control) != nullptr) {
        return image;
    }
    const std::size_t size = std::min(image.size(), gx5::kImageBufferSize);
    return ByteVector(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(size));
}

std::optional<ImageMismatch> CompareWritten(const std::vector<AddressRange>& ranges,
                                            const ByteVector& sent, const ByteVector& readBack) {
    ImageMismatch mismatch;
    for (const auto& [begin, end] : ranges) {
        for (std::size_t address = begin; address < end && address < sent.size(); ++address) {
            if (address >= readBack.size() || readBack[address] != sent[address]) {
                if (mismatch.count++ == 0) {
                    mismatch.first = address;
                }
            }
        }
    }
    if (mismatch.count == 0) {
        return std::nullopt;
    }
    return mismatch;
}

} // namespace vd
