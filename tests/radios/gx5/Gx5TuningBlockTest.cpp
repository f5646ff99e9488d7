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

// The block's fixed markers, by offset.
constexpr std::pair<size_t, const char*> kMarkers[] = {
    {0, "ABCD"}, {49, "EFGH"}, {126, "IJKL"}, {160, "MNOP"}, {166, "QRST"}};

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
    // markers, values (a missing key gives 0, -1 is 255) and the receive noise level
    for (const auto& [offset, marker] : kMarkers) {
        EXPECT_EQ(Marker(image, offset), marker);
    }
    // 300 is kept modulo 256 as 44
    const std::pair<size_t, int> values[] = {{4, 17},    {5, 44},    {6, 0},     {48, 255},
                                             {53, 9},    {54, 1},    {125, 255}, {159, 88},
                                             {164, 120}, {165, 121}, {170, 0},   {171, 7}};
    for (const auto& [offset, value] : values) {
        EXPECT_EQ(image[kTuning + offset], value) << offset;
    }
    EXPECT_TRUE(
        std::all_of(image.begin() + kTuning + 172, image.end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(Gx5TuningTest, MissingFileGivesTheDefaults) {
    vd::ByteVector image(65466, 0x5A);
    ASSERT_TRUE(control->ApplyTuningFile(image, (ini.folder().path() / "none.ini").string()));
    EXPECT_EQ(image.size(), 65466u);
    EXPECT_EQ(image[kTuning - 1], 0x5A);
    // every value takes its default: 0, but 4 for the receive noise level at 53
    vd::ByteVector expected(2048, 0);
    for (const auto& [offset, marker] : kMarkers) {
        std::copy(marker, marker + 4, expected.begin() + offset);
    }
    expected[53] = 4;
    EXPECT_EQ(vd::ByteVector(image.begin() + kTuning, image.end()), expected);
}

} // namespace
} // namespace vdtest::gx5
