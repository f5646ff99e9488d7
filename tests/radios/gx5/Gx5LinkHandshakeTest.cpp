// Port set-up, handshake and reboot of the GX5 family against the simulated radio.

#include "model/Exceptions.h"
#include "radios/gx5/Gx5DumpFile.h"
#include "radios/gx5/Gx5Frame.h"
#include "tests/radios/gx5/Gx5LinkFixture.h"
#include "tools/radiosim/SimFactory.h"

#include <gtest/gtest.h>

namespace vdtest {
namespace {

namespace radios = vd::sim::radios;

const std::string kStep1Failure = "握手异常:handshake_step1";
const std::string kRejectedFailure = "握手异常:handshake_step1 is_host_answer_handshake";

const uint8_t* bytes(const char* text) {
    return reinterpret_cast<const uint8_t*>(text);
}

/// The head of a handshake request payload (command and index/count), 47 bytes long.
const vd::ByteVector kHandshakeHead{0x00, 0x00, 0x00, 0x00, 0x01, 0x00};
constexpr std::size_t kHandshakePayloadSize = 47;

int handshakes(const RadioSimFiles& radio) {
    return requestCount(radio, kHandshakeHead, kHandshakePayloadSize);
}

TEST_F(Gx5LinkTest, OpenPortSetsTheLineUp) {
    setIni({{"GX5", {{"timeout", "2345"}}}});
    Session s(radios::healthy("GX5"), std::nullopt);

    vd::CommTimeouts timeouts;
    s.port.GetTimeouts(timeouts);
    EXPECT_EQ(std::tie(timeouts.ReadTotalTimeoutMultiplier, timeouts.ReadTotalTimeoutConstant,
                       timeouts.WriteTotalTimeoutMultiplier, timeouts.WriteTotalTimeoutConstant),
              std::tuple(0U, 100U, 0U, 2345U));
    EXPECT_EQ(s.port.QueueSizes(), std::make_pair(2048U, 2048U));
    vd::SerialState state;
    ASSERT_TRUE(s.port.GetState(state));
    EXPECT_EQ(
        std::tie(state.baudRate, state.dataBits, state.parity, state.stopBits, state.flowControl),
        std::tuple(115200U, 8, vd::Parity::None, vd::StopBits::One, vd::FlowControl::None));
}

TEST_F(Gx5LinkTest, HandshakeAnswerWrappedInNoiseIsAcceptedAtOnce) {
    Session s(radios::noisy("GX5"));
    EXPECT_TRUE(s.handshakeOk);
    EXPECT_EQ(s.control.count(kRetryPause), 0);
}

TEST_F(Gx5LinkTest, WrongPasswordStopsAtOnceAndTheRightOneIsAccepted) {
    Session s(radios::locked("GX5", "secretXY"), std::nullopt);

    try {
        s.control.host_handshake(s.port, 0, nullptr, 0);
        FAIL() << "no password exception";
    } catch (const vd::ValdrenPasswordException& error) {
        EXPECT_STREQ(error.what(), "password error");
    }
    EXPECT_EQ(handshakes(s.radio), 1);
    EXPECT_EQ(s.control.count(kRetryPause), 0);
    EXPECT_EQ(logCount(kRejectedFailure), 0);

    // Only the first 8 bytes of a password travel.
    EXPECT_TRUE(s.control.host_handshake(s.port, 0, bytes("secretXY-and-more"), 17));
    EXPECT_EQ(handshakes(s.radio), 2);
    EXPECT_THROW(s.control.host_handshake(s.port, 0, bytes("secret"), 6),
                 vd::ValdrenPasswordException);
}

TEST_F(Gx5LinkTest, StatusFfIsRejectedLoggedDumpedAndRetried) {
    setIni({{"GX5", {{"handshake_need_save_answer", "1"}}}});
    Session s(radios::busy("GX5"), std::nullopt);

    EXPECT_TRUE(s.control.host_handshake(s.port, 0, nullptr, 0));
    EXPECT_EQ(handshakes(s.radio), 2);
    EXPECT_EQ(s.control.count(kRetryPause), 1);
    EXPECT_EQ(logCount(kRejectedFailure), 1);
    ASSERT_EQ(dumpNames().size(), 1U);
}

TEST_F(Gx5LinkTest, UnwritableDumpIsNoFailedAttempt) {
    setIni({{"GX5", {{"handshake_need_save_answer", "1"}}}});
    folder_.write("error", "a file where the dump folder belongs");
    Session s(radios::busy("GX5"), std::nullopt);
    EXPECT_THROW(s.control.host_handshake(s.port, 0, nullptr, 0), vd::Gx5DumpException);
    EXPECT_EQ(handshakes(s.radio), 1);
    EXPECT_EQ(s.control.count(kRetryPause), 0);
}

TEST_F(Gx5LinkTest, HandshakeTimeOutGovernsTheHandshakeExchange) {
    // A time-out of 0 sends the request and gives up without looking for an answer.
    setIni({{"GX5", {{"handshake_time_out", "0"}}}});
    Session s(radios::healthy("GX5"), std::nullopt);
    EXPECT_FALSE(s.control.host_handshake(s.port, 0, nullptr, 0));
    EXPECT_EQ(logCount(kStep1Failure), 3);
    EXPECT_EQ(s.control.count(kRetryPause), 3);
    EXPECT_EQ(s.control.count(kHandshakePoll), 0);
}

TEST_F(Gx5LinkTest, SilentRadioFailsAfterExactlyRetryCountAttempts) {
    setIni({{"Device", {{"handshake_retry_count", "2"}}}});
    Session s(radios::silent("GX5"), std::nullopt);

    // Nothing after the first poll is an answer too, and no handshake answer.
    EXPECT_FALSE(s.control.host_handshake(s.port, 0, nullptr, 0));
    EXPECT_EQ(logCount(kRejectedFailure), 2);
    EXPECT_EQ(s.control.count(kRetryPause), 2);
    ASSERT_TRUE(waitForRequests(s.radio, kHandshakeHead, kHandshakePayloadSize, 2));
    EXPECT_EQ(handshakes(s.radio), 2);

    // The reboot does not look at the answer: whatever came after one poll is enough.
    EXPECT_TRUE(s.control.host_reboot(s.port));
    EXPECT_EQ(s.control.count(kRebootRetryPause), 0);
}

TEST_F(Gx5LinkTest, PulledCableEndsHandshakeAndRebootAtOnce) {
    Session s(radios::hangingUp("GX5", 0), std::nullopt);
    EXPECT_FALSE(s.control.host_handshake(s.port, 0, nullptr, 0));
    EXPECT_EQ(s.radio.waitForEnd(), vd::sim::RunEnd::HungUp);
    EXPECT_FALSE(s.control.host_reboot(s.port));
    EXPECT_EQ(s.control.count(kRetryPause), 0);
    EXPECT_EQ(s.control.count(kRebootRetryPause), 0);
    EXPECT_EQ(logCount(kStep1Failure), 0);
}

} // namespace
} // namespace vdtest
