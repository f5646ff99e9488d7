// The radiosim program as hosts and scripts meet it (started as a child process), the options
// it refuses, and the images a radio starts with.

#include "tests/support/ChildProcess.h"
#include "tests/support/HostLine.h"
#include "tests/support/RadioSim.h"
#include "tools/radiosim/SimImage.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace vdtest {
namespace {

Bytes lm704Handshake(HostLine& host) {
    return join({host.exchange(join({{0x02}, ascii("4XULWEN")}), 1), host.exchange({0x02}, 8),
                 host.exchange({0x06}, 1)});
}

TEST(RadiosimProgram, PrintsItsDeviceFirstAndStopsCleanlyOnSigterm) {
    TempDir dir;
    RadioSimProcess radio({"--model", "LM704", "--ready-file", dir.file("ready").string()});
    EXPECT_EQ(radio.devicePath().rfind("/dev/pts/", 0), 0U) << radio.devicePath();
    EXPECT_EQ(readFile(dir.file("ready")), radio.devicePath() + "\n");
    // a host opens the device several times in a row
    for (int round = 0; round < 2; ++round) {
        HostLine host(radio.devicePath());
        EXPECT_EQ(lm704Handshake(host).size(), 10U) << "round " << round;
    }
    EXPECT_EQ(radio.stop(), 0);
    EXPECT_NE(radio.transcript().find("note stopped"), std::string::npos);
}

TEST(RadiosimProgram, OnceEndsAfterTheFirstWriteSession) {
    RadioSimProcess radio({"--model", "LM704", "--once"});
    HostLine host(radio.devicePath());
    ASSERT_EQ(lm704Handshake(host).size(), 10U);
    const Bytes data{1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(host.exchange(join({{0x57, 0x03, 0xC0, 0x08}, data}), 1), Bytes{0x06});
    host.send({0x45});
    EXPECT_EQ(radio.waitForExit(), 0);
    const std::string written = radio.writtenImage();
    ASSERT_EQ(written.size(), 1008U);
    EXPECT_EQ(written.substr(0x3C0, 8), std::string(data.begin(), data.end()));
}

TEST(RadiosimProgram, RefusesOptionsThatDoNotFitTheModel) {
    struct Case {
        std::vector<std::string> args;
        int status; ///< 2 for a refused combination, the parser's own for an unknown value
        const char* message;
    };
    const Case cases[] = {
        {{"--model", "VS31", "--trailing-ack"}, 2, "radiosim: --trailing-ack applies to "},
        {{"--model", "GX9"}, 105, "--model: GX9 not in {GX5,GX5G,LM704,VS31,VS46,VS58,VS73}"},
    };
    const char* program = std::getenv("VALDREN_RADIOSIM");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[1]);
        std::string out;
        std::string err;
        EXPECT_EQ(RunProgram(program && *program ? program : VALDREN_TEST_RADIOSIM, c.args, &out,
                             &err, kRadioWait),
                  c.status);
        EXPECT_THAT(err, ::testing::HasSubstr(c.message));
        EXPECT_EQ(out, "") << "no device is offered";
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
