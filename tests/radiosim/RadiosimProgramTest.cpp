// The radiosim program as hosts and scripts meet it: started as a child process.

#include "tests/radiosim/Gx5Requests.h"
#include "tests/support/RadioSim.h"

#include <gtest/gtest.h>

namespace vdtest {
namespace {

Bytes lm704Handshake(HostLine& host) {
    return join({host.exchange(join({{0x02}, ascii("4XULWEN")}), 1), host.exchange({0x02}, 8),
                 host.exchange({0x06}, 1)});
}

TEST(RadiosimProgram, PrintsItsDeviceFirstAndStopsCleanlyOnSigterm) {
    TempDir dir;
    RadioSimProcess radio({"--model", "GX5", "--ready-file", dir.file("ready").string()});
    EXPECT_EQ(radio.devicePath().rfind("/dev/pts/", 0), 0U) << radio.devicePath();
    EXPECT_EQ(readFile(dir.file("ready")), radio.devicePath() + "\n");
    // A host opens the device several times in a row.
    for (int round = 0; round < 3; ++round) {
        HostLine host(radio.devicePath());
        const Bytes answer = host.exchange(gx5Handshake(kGx5Identity, 0), kHandshakeAnswerSize);
        EXPECT_TRUE(rdtpCrcOk(answer)) << "round " << round;
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

TEST(RadiosimProgram, PulledCableEndsTheProgram) {
    RadioSimProcess radio({"--model", "VS73", "--hangup-after", "1"});
    HostLine host(radio.devicePath());
    EXPECT_EQ(host.exchange(ascii("BLENQAV"), 1), Bytes{0x06});
    host.send({0x02});
    EXPECT_TRUE(host.waitForHangUp());
    EXPECT_EQ(radio.waitForExit(), 0);
}

TEST(RadiosimProgram, RefusesOptionsThatDoNotFitTheModel) {
    EXPECT_THROW(RadioSimProcess({"--model", "VS31", "--trailing-ack"}), std::runtime_error);
    EXPECT_THROW(RadioSimProcess({"--model", "GX9"}), std::runtime_error);
}

} // namespace
} // namespace vdtest
