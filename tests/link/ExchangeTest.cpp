#include "link/Exchange.h"
#include "link/CpsSerialPort.h"
#include "link/SerialException.h"
#include "tests/support/FakePort.h"
#include "tests/support/PtyPair.h"

#include <cerrno>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A port on a fresh pseudo-terminal; the sleeper plays the radio: its n-th call runs the n-th
// action, so the far end answers between polls without threads or real waiting.
class ExchangeOverPty : public ::testing::Test {
protected:
    void SetUp() override {
        port.Open(pty.devicePath(), 115200, vd::Parity::None, 8, vd::StopBits::One,
                  vd::FlowControl::None, true);
        setReadTimeout(1000);
    }

    void setReadTimeout(std::uint32_t ms, std::uint32_t writeMs = 1000) {
        vd::CommTimeouts timeouts;
        timeouts.ReadTotalTimeoutConstant = ms;
        timeouts.WriteTotalTimeoutConstant = writeMs;
        port.SetTimeouts(timeouts);
    }

    vd::Sleeper script(std::vector<std::function<void()>> actions) {
        polls = 0;
        return [this, actions = std::move(actions)](unsigned) {
            if (polls < actions.size()) {
                actions[polls]();
            }
            ++polls;
        };
    }

    vdtest::PtyPair pty;
    vd::CpsSerialPort port;
    std::size_t polls = 0;
};

TEST_F(ExchangeOverPty, CompletesOnceMinimumLengthAndEndingHaveArrived) {
    const Bytes request{0x52, 0x00, 0x18, 0x08};
    Bytes answer;
    const bool done = vd::send_request_wait_answer(port, request, 10, 5000, 5, {0x06}, answer,
                                                   script({[&] {
                                                               EXPECT_EQ(pty.receive(4), request);
                                                               pty.send({0x57, 0x00});
                                                           },
                                                           [&] {
                                                               pty.send({0x18, 0x06});
                                                           },
                                                           [&] { pty.send({0x06}); }}));
    EXPECT_TRUE(done);
    EXPECT_EQ(answer, (Bytes{0x57, 0x00, 0x18, 0x06, 0x06}));
}

TEST_F(ExchangeOverPty, ShortAnswerOrWrongEndingFailsAtTimeOutKeepingTheBytes) {
    setReadTimeout(20);
    Bytes shortAnswer;
    EXPECT_FALSE(
        vd::send_request_wait_answer(port, {0x02}, 5, 200, 8, {}, shortAnswer, script({[&] {
                                         pty.send({1, 2, 3});
                                     }})));
    EXPECT_EQ(shortAnswer, (Bytes{1, 2, 3}));

    Bytes wrongEnding;
    EXPECT_FALSE(
        vd::send_request_wait_answer(port, {0x06}, 5, 200, 1, {0x06}, wrongEnding, script({[&] {
                                         pty.send({0x06, 0x15});
                                     }})));
    EXPECT_EQ(wrongEnding, (Bytes{0x06, 0x15}));
}

// The answer is only appended to: what it held before stays.
TEST_F(ExchangeOverPty, MinimumZeroWithoutEndingCompletesOnTheFirstPoll) {
    setReadTimeout(20);
    Bytes answer{0xAA};
    EXPECT_TRUE(vd::send_request_wait_answer(port, {0x45}, 5, 5000, 0, {}, answer, script({})));
    EXPECT_EQ(polls, 1u);
    EXPECT_EQ(answer, Bytes{0xAA});
}

TEST_F(ExchangeOverPty, TimeOutZeroWritesTheRequestAndFailsWithoutPolling) {
    Bytes answer;
    EXPECT_FALSE(
        vd::send_request_wait_answer(port, {0x50, 0x52}, 10, 0, 0, {}, answer, script({})));
    EXPECT_EQ(polls, 0u);
    EXPECT_EQ(pty.receive(2), (Bytes{0x50, 0x52}));
}

TEST_F(ExchangeOverPty, FarEndClosingEndsTheExchangeWithAnException) {
    Bytes answer;
    try {
        vd::send_request_wait_answer(port, {0x02}, 10, 60000, 100, {}, answer,
                                     script({[&] {
                                                 pty.send({0x57, 0x00});
                                             },
                                             [&] { pty.hangUp(); }}));
        FAIL() << "a pulled cable must end the exchange";
    } catch (const vd::CSerialException& error) {
        EXPECT_TRUE(vd::is_port_gone_error(error.GetErrorCode())) << error.what();
    }
    // the next exchange fails before its request
    EXPECT_THROW(vd::send_request_wait_answer(port, {0x02}, 10, 60000, 1, {}, answer, script({})),
                 vd::CSerialException);
}

TEST_F(ExchangeOverPty, WriteThatCannotCompleteFailsWithoutException) {
    setReadTimeout(20, 50);
    const Bytes huge(4 * 1024 * 1024, 0x55); // far more than the line buffers; nobody reads
    Bytes answer;
    EXPECT_FALSE(vd::send_request_wait_answer(port, huge, 10, 5000, 0, {}, answer, script({})));
    EXPECT_EQ(polls, 0u);
}

TEST(AnswerIsComplete, AppliesMinimumLengthAndEndingByteForByte) {
    EXPECT_TRUE(vd::answer_is_complete({}, 0, {}));
    EXPECT_TRUE(vd::answer_is_complete({1, 2}, 2, {}));
    EXPECT_FALSE(vd::answer_is_complete({1, 2}, 3, {}));
    EXPECT_TRUE(vd::answer_is_complete({1, 0x06}, 0, {0x06}));
    EXPECT_FALSE(vd::answer_is_complete({0x06, 1}, 0, {0x06}));
    EXPECT_TRUE(vd::answer_is_complete({9, 0x0D, 0x0A}, 3, {0x0D, 0x0A}));
    EXPECT_FALSE(vd::answer_is_complete({0x0A}, 0, {0x0D, 0x0A})); // shorter than the ending
    EXPECT_FALSE(vd::answer_is_complete({}, 0, {0x06}));
}

// Reads go on while the queue reports bytes; bytes gathered before a read times out are kept.
TEST(ReadAvailable, ReadsOnWhileTheQueueReportsBytesAndKeepsThemAtATimeOut) {
    const std::pair<std::deque<vdtest::FakePort::Step>, Bytes> rows[] = {
        {{{{1, 2}, 0, 1}, {{}, 0, 0}}, {0xAA, 1, 2}},
        {{{{1}, 0, 2}, {{2, 3}, 0, 0}, {{4}, 0, 0}}, {0xAA, 1, 2, 3}},
    };
    for (const auto& [steps, expected] : rows) {
        vdtest::FakePort port;
        port.steps = steps;
        Bytes bytes{0xAA};
        EXPECT_EQ(vd::read_available(port, bytes), static_cast<int>(expected.size()) - 1);
        EXPECT_EQ(bytes, expected);
    }
}

TEST(ReadAvailable, FailedReadReturnsMinusOneAndGoneDeviceThrows) {
    vdtest::FakePort port;
    port.steps = {{{1}, 0, 1}, {{}, EINVAL, 0}};
    Bytes bytes;
    EXPECT_EQ(vd::read_available(port, bytes), -1);
    EXPECT_TRUE(bytes.empty());

    for (int gone : {EIO, ENXIO, EBADF, ENODEV}) {
        port.steps = {{{}, gone, 0}};
        try {
            vd::read_available(port, bytes);
            ADD_FAILURE() << "no exception for errno " << gone;
        } catch (const vd::CSerialException& error) {
            EXPECT_EQ(error.GetErrorCode(), gone);
        }
    }
}

TEST(SendRequestWaitAnswer, KeepsPollingAfterAFailedRead) {
    vdtest::FakePort port;
    port.steps = {{{}, EINVAL, 0}, {{0x06}, 0, 0}};
    Bytes answer;
    EXPECT_TRUE(
        vd::send_request_wait_answer(port, {0x02}, 0, 5000, 1, {0x06}, answer, [](unsigned) {}));
    EXPECT_EQ(answer, Bytes{0x06});
}

TEST(WriteRequest, ShortOrRefusedWriteFailsAndGoneDeviceThrows) {
    vdtest::FakePort port;
    EXPECT_TRUE(vd::write_request(port, {1, 2, 3}));
    port.writeLimit = 2;
    EXPECT_FALSE(vd::write_request(port, {1, 2, 3}));
    port.writeError = EINVAL;
    EXPECT_FALSE(vd::write_request(port, {1}));
    port.writeError = EIO;
    EXPECT_THROW(vd::write_request(port, {1}), vd::CSerialException);
}

} // namespace
