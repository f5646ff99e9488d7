// The GX5 family's memory image: encoding, decoding and the tuning block.
#include "app/CpsIni.h"
#include "radios/gx5/Gx5ImageDecoder.h"
#include "radios/gx5/Gx5ImageEncoder.h"
#include "radios/gx5/Gx5ImageLayout.h"
#include "radios/gx5/Gx5TuningBlock.h"
#include "radios/gx5/Gx5v001Control.h"

#include <algorithm>
#include <fmt/format.h>

namespace vd {

namespace {

constexpr int kDefaultChannelErrorTips = 2;

/// The model name at the start of a model string ("GX5G" of "GX5G -0000...").
std::string ModelPart(const std::string& modelString) {
    std::string part = modelString.substr(0, modelString.find('-'));
    while (!part.empty() && part.back() == ' ') {
        part.pop_back();
    }
    return part;
}

} // namespace

bool Gx5v001Control::GenerateImage(ByteVector& image, int binStructContent) {
    gx5::ImageEncoder encoder(Store(), progress, notice, channel_error_tip_count_,
                              get_model_identity(), gx5::ListLimits::Of(*this));
    image = encoder.Encode(binStructContent);
    return true;
}

bool Gx5v001Control::NeedsNoBaseImage() {
    return true;
}

bool Gx5v001Control::ImportImage(const ByteVector& image) {
    if (image.size() < gx5::kMinimumImageSize) {
        return false;
    }
    // the whole family shares the one setting
    channel_error_tip_count_ =
        CpsIni::GetInt("GX5", "channel_error_tip_count", kDefaultChannelErrorTips);
    gx5::ImageDecoder decoder(*this, Store(), channel_error_tip_count_, gx5::ListLimits::Of(*this));
    if (!decoder.Decode(image)) {
        return false;
    }
    StoreCheckBoxesAsEdited();
    return true;
}

std::string Gx5v001Control::ImageProblem(const ByteVector& image) {
    if (image.size() < gx5::kMinimumImageSize || image.size() > gx5::kImageBufferSize) {
        return fmt::format("an image of {} bytes; {} images are {} to {} bytes (content sizes {}, "
                           "{}, {} and {})",
                           image.size(), GetModelName(), gx5::kMinimumImageSize,
                           gx5::kImageBufferSize, gx5::ContentSize(0), gx5::ContentSize(1),
                           gx5::ContentSize(2), gx5::ContentSize(3));
    }
    const std::string named = ModelPart(
        gx5::GetText(gx5::ConstBytes(image), gx5::kDeviceInfoOffset, gx5::kModelStringWidth));
    const std::string own = ModelPart(std::string(get_model_identity()));
    if (!named.empty() && named.find('?') == std::string::npos && named != own) {
        return fmt::format("the image is of a {} radio, not of a {}", named, own);
    }
    return {};
}

bool Gx5v001Control::ApplyTuningFile(ByteVector& image, const std::string& tuningFilePath) {
    if (image.size() < gx5::kImageBufferSize) {
        image.resize(gx5::kImageBufferSize, 0);
    }
    const ByteVector block = gx5::BuildTuningBlock(tuningFilePath);
    std::copy(block.begin(), block.end(),
              image.begin() + static_cast<std::ptrdiff_t>(gx5::kTuningOffset));
    return true;
}

} // namespace vd
