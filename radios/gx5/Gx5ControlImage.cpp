// The GX5 family's memory image: encoding, decoding and the tuning block.
#include "radios/NotAvailable.h"
#include "radios/gx5/Gx5v001Control.h"

namespace vd {

bool Gx5v001Control::GenerateImage(ByteVector&, int) {
    ThrowNotAvailable(GetModelName(), "GenerateImage");
}

bool Gx5v001Control::NeedsNoBaseImage() {
    return true;
}

bool Gx5v001Control::ImportImage(const ByteVector&) {
    ThrowNotAvailable(GetModelName(), "ImportImage");
}

bool Gx5v001Control::ApplyTuningFile(ByteVector&, const std::string&) {
    ThrowNotAvailable(GetModelName(), "ApplyTuningFile");
}

} // namespace vd
