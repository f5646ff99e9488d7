// The GX5-family radio's own checks of the host and its fault modes, driven by hand-built
// frames; whole reads and writes are driven by the host's code in the link tests.

#include "tests/radiosim/Gx5Requests.h"
#include "tests/support/RadioSim.h"
#include "tools/radiosim/Line.h"
#include "tools/radiosim/SimFactory.h"

#include <gtest/gtest.h>

namespace vdtest {
namespace {

namespace radios = vd::sim::radios;

/// A request sent before the one the radio must refuse, and the size of its answer (0: none).
struct Before {
    Bytes request;
    std::size_t answerSize;
};

/// A request the radio must leave unanswered, noting `note` in its transcript.
struct Refusal {
    Refusal(const char* name, vd::sim::SimConfig config, std::vector<Before> before, Bytes request,
            const char* note)
        : name(name), config(std::move(config)), before(std::move(before)),
          request(std::move(request)), note(note) {}
    const char* name;
    vd::sim::SimConfig config;
    std::vector<Before> before;
    Bytes request;
    const char* note;
};

void PrintTo(const Refusal& refusal, std::ostream* out) {
    *out << refusal.name;
}

const Bytes kBlock(1024, 0xAB);
const Before kReadSession{gx5Handshake(kGx5Identity, 0), kHandshakeAnswerSize};
const Before kWriteSession{gx5Handshake(kGx5Identity, 1), kHandshakeAnswerSize};

class Gx5RadioRefuses : public ::testing::TestWithParam<Refusal> {};

TEST_P(Gx5RadioRefuses, LeavesTheRequestUnansweredAndSaysWhy) {
    RadioSimThread radio(GetParam().config);
    HostLine host(radio.devicePath());
    for (const Before& step : GetParam().before) {
        if (step.answerSize == 0) {
            host.send(step.request);
        } else {
            EXPECT_TRUE(rdtpCrcOk(host.exchange(step.request, step.answerSize)));
        }
    }
    host.send(GetParam().request);
    ASSERT_TRUE(radio.waitForTranscript(GetParam().note));
    EXPECT_TRUE(host.available().empty());
}

Bytes badCrc(Bytes frame) {
    frame[frame.size() - 3] ^= 0x01;
    return frame;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Gx5RadioRefuses,
    ::testing::Values(
        Refusal("ReadBeforeHandshake", radios::healthy("GX5G"), {}, gx5BlockRead(0),
                "refused: block read before a handshake"),
        Refusal("NoBlock64", radios::healthy("GX5"), {kReadSession}, gx5BlockRead(64),
                "block 64 does not exist"),
        Refusal("BadCrc", radios::healthy("GX5"), {kReadSession}, badCrc(gx5BlockRead(1)),
                "instead of"),
        Refusal("PartInReadSession", radios::healthy("GX5"), {kReadSession},
                gx5WritePart(0, 2, kBlock), "write part after a handshake for reading"),
        Refusal("PartOutOfOrder", radios::healthy("GX5"), {kWriteSession},
                gx5WritePart(1, 2, kBlock), "out of order"),
        Refusal("ShortPart", radios::healthy("GX5"), {kWriteSession},
                gx5WritePart(0, 2, Bytes(1000, 0xAB)), "part 0 of 2 carries 1000 bytes"),
        Refusal("RebootOutsideProgramming", radios::healthy("GX5"), {}, gx5Reboot(),
                "refused: reboot outside programming mode"),
        Refusal("ReadAfterReboot", radios::healthy("GX5"), {kReadSession, {gx5Reboot(), 23}},
                gx5BlockRead(0), "refused: block read before a handshake"),
        // A refused password (8 bytes compared) leaves the radio out of programming mode.
        Refusal("ReadAfterWrongPassword", radios::locked("GX5", "secret"),
                {{gx5Handshake(kGx5Identity, 0, "secreT"), kHandshakeAnswerSize}}, gx5BlockRead(0),
                "refused: block read before a handshake"),
        // The dropped handshake leaves the radio out of programming mode.
        Refusal("DeafDropsTheHandshake", radios::deaf("GX5", 1),
                {{gx5Handshake(kGx5Identity, 0), 0}}, gx5BlockRead(0),
                "refused: block read before a handshake")),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Gx5Radio, RebootAnswersAndAResentPartIsTakenAgain) {
    RadioSimThread radio(radios::healthy("GX5"));
    HostLine host(radio.devicePath());
    host.exchange(gx5Handshake(kGx5Identity, 1), kHandshakeAnswerSize);
    // A part sent again after a lost acknowledgement replaces itself, it is not added twice.
    for (unsigned part : {0U, 0U, 1U}) {
        const Bytes ack =
            host.exchange(gx5WritePart(part, 2, part ? Bytes{1} : kBlock), kWriteAckSize);
        EXPECT_EQ(rdtpPayloadOf(ack), join({{0x01, 0x01, 0, 0, 0, 0}, le16(part)}));
    }
    ASSERT_TRUE(radio.waitForWrittenImage());
    EXPECT_EQ(radio.writtenImage(), std::string(1024, '\xAB') + '\x01');
    host.exchange(gx5Handshake(kGx5Identity, 0), kHandshakeAnswerSize);
    EXPECT_EQ(rdtpPayloadOf(host.exchange(gx5Reboot(), 23)),
              (Bytes{0x6F, 0x01, 0x00, 0x00, 0x01, 0x00}));
}

TEST(Gx5Radio, FramesTogetherOrSplitAreAnsweredInOrder) {
    RadioSimThread radio(radios::healthy("GX5"));
    HostLine host(radio.devicePath());
    host.send(join({gx5Handshake(kGx5Identity, 0), gx5BlockRead(0)}));
    const Bytes both = host.read(kHandshakeAnswerSize + kFullBlockAnswerSize);
    ASSERT_EQ(both.size(), kHandshakeAnswerSize + kFullBlockAnswerSize);
    EXPECT_TRUE(rdtpCrcOk(Bytes(both.begin(), both.begin() + kHandshakeAnswerSize)));
    EXPECT_TRUE(rdtpCrcOk(Bytes(both.begin() + kHandshakeAnswerSize, both.end())));
    const Bytes request = gx5BlockRead(2);
    host.send(Bytes(request.begin(), request.begin() + 9));
    const Bytes payload = rdtpPayloadOf(
        host.exchange(Bytes(request.begin() + 9, request.end()), kFullBlockAnswerSize));
    ASSERT_GE(payload.size(), 4U);
    EXPECT_EQ(Bytes(payload.begin() + 2, payload.begin() + 4), le16(2));
}

TEST(Gx5Radio, NoisyAndSlowLinesStillCarryTheSameAnswer) {
    for (const auto& config : {radios::noisy("GX5"), radios::slow("GX5", 20)}) {
        RadioSimThread radio(config);
        HostLine host(radio.devicePath());
        const bool noisy = config.faults.garbage;
        const std::size_t junk = noisy ? sizeof(vd::sim::kGarbagePrefix) : 0;
        const std::size_t zeros = noisy ? vd::sim::kGarbageZeroCount : 0;
        const Bytes answer =
            host.exchange(gx5Handshake(kGx5Identity, 0), junk + kHandshakeAnswerSize + zeros);
        ASSERT_EQ(answer.size(), junk + kHandshakeAnswerSize + zeros);
        const Bytes frame(answer.begin() + junk, answer.begin() + junk + kHandshakeAnswerSize);
        EXPECT_TRUE(rdtpCrcOk(frame));
        EXPECT_EQ(rdtpPayloadOf(frame).back(), 0x00) << "status";
        EXPECT_EQ(Bytes(answer.end() - zeros, answer.end()), Bytes(zeros, 0x00));
        if (noisy) {
            EXPECT_EQ(answer.front(), vd::sim::kGarbagePrefix[0]);
        }
    }
}

} // namespace
} // namespace vdtest
