// Options that do not fit the model, and the images a radio starts with.

#include "tools/radiosim/SimConfig.h"
#include "tests/support/TempDir.h"
#include "tools/radiosim/SimFactory.h"
#include "tools/radiosim/SimImage.h"

#include <gtest/gtest.h>

namespace vdtest {
namespace {

namespace radios = vd::sim::radios;
using vd::sim::validate;

TEST(SimConfig, OptionsThatDoNotFitTheModelAreRefused) {
    const auto trailingAck = [](const char* model) {
        auto config = radios::healthy(model);
        config.trailingAck = true;
        return config;
    };
    for (const auto& config : {radios::healthy("GX6"), radios::locked("LM704", "1234"),
                               radios::locked("GX5", "123456789"), radios::busy("VS46"),
                               radios::miscounting("VS73", 3), radios::miscounting("GX5", 65536),
                               trailingAck("VS31"), trailingAck("VS46"), trailingAck("GX5")}) {
        EXPECT_THROW(validate(config), std::invalid_argument) << config.model;
    }
    for (const auto& config : {trailingAck("LM704"), trailingAck("VS58"), trailingAck("VS73"),
                               radios::locked("GX5G", "12345678")}) {
        EXPECT_NO_THROW(validate(config)) << config.model;
    }
}

TEST(SimImage, BlankImagesHaveTheModelsSizeAndAGx5Header) {
    const auto gx5 = vd::sim::blankImage(*vd::sim::findSimModel("GX5G"));
    ASSERT_EQ(gx5.size(), 55070U);
    EXPECT_EQ(std::string(gx5.begin(), gx5.begin() + 6), "RCDB\xBB\xFF");
    EXPECT_EQ(std::string(gx5.begin() + 14, gx5.begin() + 46), "GX5G -0000000000000000000-PCB-01");
    EXPECT_EQ(vd::sim::blankImage(*vd::sim::findSimModel("VS46")), vd::sim::Bytes(1024, 0));
}

TEST(SimImage, ImagesThatDoNotFitTheMemoryAreRefused) {
    TempDir dir;
    const auto& lm704 = *vd::sim::findSimModel("LM704");
    const auto& gx5 = *vd::sim::findSimModel("GX5");
    EXPECT_EQ(vd::sim::loadImage(dir.write("ok.bin", std::string(1008, 'x')), lm704).size(), 1008U);
    EXPECT_THROW(vd::sim::loadImage(dir.write("short.bin", std::string(1007, 'x')), lm704),
                 std::runtime_error);
    EXPECT_EQ(vd::sim::loadImage(dir.write("max.bin", std::string(65466, 'x')), gx5).size(),
              65466U);
    EXPECT_THROW(vd::sim::loadImage(dir.write("big.bin", std::string(65467, 'x')), gx5),
                 std::runtime_error);
    EXPECT_THROW(vd::sim::loadImage(dir.write("empty.bin", ""), gx5), std::runtime_error);
    EXPECT_THROW(vd::sim::loadImage(dir.file("missing.bin"), gx5), std::runtime_error);
}

} // namespace
} // namespace vdtest
