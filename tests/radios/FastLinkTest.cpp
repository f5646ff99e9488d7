// The fast link: the same whole-image round trips as the polled link, for both families,
// against healthy radios and radios that deliver their answers in pieces at line speed, with
// end marks inside the data and optional trailing acknowledgements. A completion that cut an
// answer short would show as a retry: the same block reported twice.

#include "app/FastLink.h"
#include "app/ModelRegistry.h"
#include "link/CpsSerialPort.h"
#include "model/HamCpsControl.h"
#include "tests/support/RadioSim.h"
#include "tests/support/TestIni.h"
#include "tools/radiosim/SimModels.h"

#include <gtest/gtest.h>

#include <set>

namespace vdtest {
namespace {

using vd::ByteVector;

struct FastCase {
    std::string model;
    unsigned byteDelayUs; ///< 0: as fast as the pseudo-terminal goes
    bool trailingAck;
};

/// An image with every byte value, 0xFF (the GX5 end mark) and 0x06 (the LM/VS ack) among them.
ByteVector AllValues(std::size_t size) {
    ByteVector image(size);
    for (std::size_t i = 0; i < size; ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    }
    return image;
}

class FastLinkTest : public ::testing::TestWithParam<FastCase> {
protected:
    // Short waits everywhere: a retry would take a visible pause, not a long one.
    TestIni ini_{{{"Device", {{"fast_link", "1"}, {"retry_count", "3"}}},
                  {"GX5", {{"retry_time_interval", "20"}}},
                  {"LM704", {{"retry_time_interval", "20"}}},
                  {"VS31", {{"retry_time_interval", "20"}}}}};

    /// A control of the case's model whose progress is recorded as (text, position) pairs.
    std::unique_ptr<vd::HamCpsControl> Control() {
        auto control = vd::ModelRegistry::CreateControl(GetParam().model);
        EXPECT_TRUE(control && control->ResetToTemplate());
        control->progress.connect([this](const std::string& text, int position, int) {
            if (position > 0 && !reports_.insert({text, position}).second) {
                ++repeats_;
            }
            return false;
        });
        return control;
    }

    std::set<std::pair<std::string, int>> reports_;
    int repeats_ = 0;
};

TEST_P(FastLinkTest, ReadAndWriteBackGiveTheRadiosImageWithoutARetry) {
    const FastCase& param = GetParam();
    const vd::sim::SimModel* simModel = vd::sim::findSimModel(param.model);
    ASSERT_NE(simModel, nullptr);
    const ByteVector image = AllValues(simModel->imageSize);
    vd::sim::SimConfig config;
    config.model = param.model;
    config.imageFile = ini_.folder().write("radio.bin", std::string(image.begin(), image.end()));
    config.trailingAck = param.trailingAck;
    config.faults.byteDelayUs = param.byteDelayUs;
    RadioSimThread radio(config);

    auto control = Control();
    vd::CpsSerialPort port;
    control->OpenPort(port, radio.devicePath());
    ASSERT_TRUE(control->host_handshake(port, 0, nullptr, 0));
    ByteVector read{0x55};
    ASSERT_TRUE(vd::fast_link_enabled());
    ASSERT_GT(control->ReadAll(port, read, "read"), 0);
    EXPECT_EQ(read, image);
    control->host_reboot(port);

    control->OpenPort(port, radio.devicePath());
    ASSERT_TRUE(control->host_handshake(port, 1, nullptr, 0));
    ByteVector base;
    control->ReadBaseImage(port, base, "base"); // false where the model writes without one
    ASSERT_GT(control->WriteAll(port, read, "write"), 0);
    control->host_reboot(port);
    ASSERT_TRUE(radio.waitForWrittenImage());
    const std::string written = radio.writtenImage();
    EXPECT_EQ(ByteVector(written.begin(), written.end()), image);
    EXPECT_EQ(repeats_, 0) << "an answer was cut short and retried";
}

INSTANTIATE_TEST_SUITE_P(Models, FastLinkTest,
                         ::testing::Values(FastCase{"GX5", 0, false}, FastCase{"GX5", 87, false},
                                           FastCase{"GX5G", 0, false}, FastCase{"LM704", 0, false},
                                           FastCase{"LM704", 1042, true},
                                           FastCase{"VS31", 1042, false},
                                           FastCase{"VS73", 0, true}));

} // namespace
} // namespace vdtest
