// The tool end to end for every model: read a simulated radio into a project, change values
// with `vdcps set`, write it back and compare what the radio received.
#include "tests/cli/CliTestSupport.h"
#include "tests/support/RadioSim.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vdtest {
namespace {

/// A model and a `vdcps set` argument that changes its new project.
struct Change {
    const char* model;
    const char* change;
};

class CliRoundTrip : public ::testing::TestWithParam<Change> {
protected:
    TempDir dir_;
};

TEST_P(CliRoundTrip, ReadChangeWriteGivesTheRadioTheChange) {
    const std::string model = GetParam().model;
    const std::string change = GetParam().change;
    VdcpsRunner vdcps(dir_, QuickTransfers());
    const std::string factory = dir_.file("factory.vdcps").string();
    const std::string radioImage = dir_.file("radio.bin").string();
    ASSERT_EQ(vdcps.Run({"new", model, "-o", factory}), 0) << vdcps.err;
    ASSERT_EQ(vdcps.Run({"export-bin", factory, "-o", radioImage, "--content", "1"}), 0)
        << vdcps.err;

    RadioSimProcess radio({"--model", model, "--image", radioImage});
    const std::string project = dir_.file("radio.vdcps").string();
    ASSERT_EQ(vdcps.Run({"read", model, "--port", radio.devicePath(), "-o", project, "-q"}), 0)
        << vdcps.err;
    EXPECT_NE(vdcps.err.find("Data read completed"), std::string::npos) << vdcps.err;

    ASSERT_EQ(vdcps.Run({"set", project, change}), 0) << change << ": " << vdcps.err;
    ASSERT_EQ(vdcps.Run({"get", project, change.substr(0, change.find('='))}), 0);
    EXPECT_EQ(vdcps.out, change.substr(change.find('=') + 1) + "\n");

    ASSERT_EQ(vdcps.Run({"write", project, "--port", radio.devicePath(), "--yes", "-q"}), 0)
        << vdcps.err;
    EXPECT_NE(vdcps.err.find("Data write completed"), std::string::npos) << vdcps.err;
    ASSERT_TRUE(radio.waitForWrittenImage());

    const std::string expected = dir_.file("expected.bin").string();
    ASSERT_EQ(vdcps.Run({"export-bin", project, "-o", expected, "--content", "1"}), 0);
    const std::string written = radio.writtenImage();
    EXPECT_EQ(written.size(), readFile(expected).size());
    EXPECT_TRUE(written == readFile(expected)) << "the radio holds exactly the project's image";
    EXPECT_NE(written, readFile(radioImage)) << "and the change reached it";
}

INSTANTIATE_TEST_SUITE_P(
    AllModels, CliRoundTrip,
    ::testing::Values(Change{"GX5", "CH1/RxFrequency=146000000"}, Change{"GX5G", "radioName=HELLO"},
                      Change{"LM704", "CH1/rx_tone=1000"}, Change{"VS31", "CH1/tx_tone=670"},
                      Change{"VS46", "CH1/rx_tone=1000"}, Change{"VS58", "CH1/tx_tone=2541"},
                      Change{"VS73", "CH1/rxfreq=462562500"}),
    [](const auto& info) { return std::string(info.param.model); });

} // namespace
} // namespace vdtest
