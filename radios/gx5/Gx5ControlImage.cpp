// The GX5 family's memory image: encoding, decoding and the tuning block.
#include "app/CpsIni.h"
#include "radios/gx5/Gx5ImageDecoder.h"
#include "radios/gx5/Gx5ImageEncoder.h"
#include "radios/gx5/Gx5ImageLayout.h"
#include "radios/gx5/Gx5TuningBlock.h"
#include "radios/gx5/Gx5v001Control.h"

#include <algorithm>

namespace vd {

namespace {

constexpr int kDefaultChannelErrorTips = 2;

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
    return decoder.Decode(image);
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
