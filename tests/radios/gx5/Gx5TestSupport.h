#pragma once
#include "model/ModelTypes.h"
#include "radios/gx5/Gx5gv001Control.h"
#include "tests/support/LogCapture.h"
#include "tests/support/ModelHelpers.h"
#include "tests/support/TestIni.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace vdtest::gx5 {

/// A GX5 or GX5G control reset to its template.
inline std::unique_ptr<vd::Gx5v001Control> MakeControl(const std::string& model) {
    std::unique_ptr<vd::Gx5v001Control> control = model == "GX5G"
                                                      ? std::make_unique<vd::Gx5gv001Control>(model)
                                                      : std::make_unique<vd::Gx5v001Control>(model);
    EXPECT_TRUE(control->ResetToTemplate()) << control->GetTemplatePath();
    return control;
}

/// The control's image of content `variant`; fails the test when encoding fails.
inline vd::ByteVector Encode(vd::Gx5v001Control& control, int variant = 1) {
    vd::ByteVector image;
    EXPECT_TRUE(control.GenerateImage(image, variant));
    return image;
}

/// 16-bit little-endian value of an image.
inline unsigned U16At(const vd::ByteVector& image, size_t offset) {
    return image.at(offset) | (unsigned{image.at(offset + 1)} << 8);
}

} // namespace vdtest::gx5
