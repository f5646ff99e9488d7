// The tuning block copied into an image from a tuning file.
#include "tests/radios/gx5/Gx5TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace vdtest::gx5 {
namespace {

constexpr size_t kTuning = 63418;

std::string SampleFile() {
    const char* folder = std::getenv("VALDREN_TEST_DATA");
    return std::string(folder ? folder : "tests/data") + "/gx5_tuning_sample.ini";
}

std::string Marker(const vd::ByteVector& image, size_t offset) {
    return std::string(image.begin() + kTuning + offset, image.begin() + kTuning + offset + 4);
}

class Gx5TuningTest : public ::testing::Test {
protected:
    TestIni ini;
    LogCapture log;
    std::unique_ptr<vd::Gx5v001Control> control = MakeControl("GX5");
};

TEST_F(Gx5TuningTest, SampleFileFillsTheBlock) {
    vd::ByteVector image;
    control->GenerateImage(image, 1);
    const vd::ByteVector before = image;
    ASSERT_TRUE(control->ApplyTuningFile(image, SampleFile()));
    ASSERT_EQ(image.size(), 65466u);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), image.begin()))
        << "the bytes before the block stay";
    EXPECT_EQ(Marker(image, 0), "ABCD");
    EXPECT_EQ(image[kTuning + 4], 17);
    EXPECT_EQ(image[kTuning + 5], 300 % 256);
    EXPECT_EQ(image[kTuning + 6], 0) << "a missing key gives 0";
    EXPECT_EQ(image[kTuning + 48], 255);
    EXPECT_EQ(Marker(image, 49), "EFGH");
    EXPECT_EQ(image[kTuning + 53], 9);
    EXPECT_EQ(image[kTuning + 54], 1);
    EXPECT_EQ(image[kTuning + 125], 255) << "-1 modulo 256";
    EXPECT_EQ(Marker(image, 126), "IJKL");
    EXPECT_EQ(image[kTuning + 159], 88);
    EXPECT_EQ(Marker(image, 160), "MNOP");
    EXPECT_EQ(image[kTuning + 164], 120);
    EXPECT_EQ(image[kTuning + 165], 121);
    EXPECT_EQ(Marker(image, 166), "QRST");
    EXPECT_EQ(image[kTuning + 170], 0);
    EXPECT_EQ(image[kTuning + 171], 7);
    EXPECT_TRUE(
        std::all_of(image.begin() + kTuning + 172, image.end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(Gx5TuningTest, MissingFileGivesTheDefaults) {
    vd::ByteVector image(65466, 0x5A);
    ASSERT_TRUE(control->ApplyTuningFile(image, (ini.folder().path() / "none.ini").string()));
    EXPECT_EQ(image.size(), 65466u);
    EXPECT_EQ(image[kTuning - 1], 0x5A);
    EXPECT_EQ(Marker(image, 0), "ABCD");
    EXPECT_EQ(image[kTuning + 4], 0);
    EXPECT_EQ(image[kTuning + 53], 4) << "receive noise level";
    EXPECT_EQ(image[kTuning + 54], 0);
    EXPECT_EQ(image[kTuning + 2047], 0);
}

TEST_F(Gx5TuningTest, GenerateLeavesTheBlockToTheTuningFile) {
    vd::ByteVector image;
    control->GenerateImage(image, 3);
    EXPECT_TRUE(
        std::all_of(image.begin() + kTuning, image.end(), [](uint8_t b) { return b == 0; }));
}

} // namespace
} // namespace vdtest::gx5
