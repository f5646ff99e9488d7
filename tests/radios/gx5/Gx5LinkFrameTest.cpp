// RDTP frames, request payloads and the checks of the radio's answers, without a cable.

#include "radios/gx5/Crc16Arc.h"
#include "radios/gx5/Gx5Frame.h"
#include "tests/radios/gx5/Gx5LinkFixture.h"
#include "tools/radiosim/Line.h"
#include "tools/radiosim/RdtpFrame.h"

#include <gtest/gtest.h>

namespace vdtest {
namespace {

using vd::ByteVector;

// Answers are built with the simulator's own framing, so that the host's checks are measured
// against a second implementation.
ByteVector answerFrame(const ByteVector& payload) {
    return vd::sim::buildRdtpFrame(payload);
}

ByteVector handshakeAnswer(uint8_t status) {
    ByteVector payload(38, 0x00);
    payload[1] = 0x01;
    payload.back() = status;
    return answerFrame(payload);
}

ByteVector writeAck(uint16_t part) {
    return answerFrame({0x01, 0x01, 0, 0, 0, 0, static_cast<uint8_t>(part & 0xFF),
                        static_cast<uint8_t>(part >> 8)});
}

ByteVector noisy(ByteVector frame) {
    frame.insert(frame.begin(), std::begin(vd::sim::kGarbagePrefix),
                 std::end(vd::sim::kGarbagePrefix));
    frame.insert(frame.begin(), 2, 0x00);
    frame.insert(frame.end(), 4, 0x00);
    return frame;
}

// The CRC is shared by host and radio: only known checksums catch a fault both would share.
TEST(Crc16Arc, KnownChecksums) {
    const std::string check = "123456789";
    EXPECT_EQ(vd::crc16_arc(reinterpret_cast<const uint8_t*>(check.data()), 9), 0xBB3D);
    EXPECT_EQ(vd::crc16_arc(nullptr, 0), 0x0000);
    const uint8_t one = 0x01;
    EXPECT_EQ(vd::crc16_arc(&one, 1), 0xC0C1);
}

TEST(Gx5Framing, OneFrameHoldsAtMost1030BytesAndNothingGivesNoFrame) {
    EXPECT_TRUE(vd::frame_payload({}).empty());

    const ByteVector payload = patternImage(2500);
    const ByteVector frames = vd::frame_payload(payload);
    ASSERT_EQ(frames.size(), 2500U + 3 * 17);
    std::size_t at = 0;
    for (std::size_t piece : {1030U, 1030U, 440U}) {
        const std::span<const uint8_t> frame(frames.data() + at, piece + 17);
        EXPECT_EQ(std::string(frame.begin(), frame.begin() + 4), "RDTP");
        EXPECT_EQ(vd::read_u16(frame, 4), 1);
        EXPECT_EQ(vd::read_u16(frame, 12), piece);
        EXPECT_EQ(vd::crc16_arc(frame.data(), static_cast<uint16_t>(piece + 14)),
                  vd::read_u16(frame, piece + 14));
        EXPECT_EQ(frame.back(), 0xFF);
        at += frame.size();
    }
}

TEST(Gx5HandshakeAnswer, StatusDecidesOnceAGoodFrameIsFound) {
    using Verdict = vd::HandshakeVerdict;
    const ByteVector good = handshakeAnswer(0);
    ByteVector trailing = good; // bytes after the 55 of the frame are not looked at
    trailing.insert(trailing.end(), {0x12, 0x34, 0xFF});
    ByteVector badCrc = good;
    badCrc[badCrc.size() - 3] ^= 0x01;
    ByteVector buried = good; // more noise in front than frame behind it
    buried.insert(buried.begin(), 60, 0x5A);
    const std::pair<ByteVector, Verdict> cases[] = {
        {good, Verdict::Accepted},
        {noisy(good), Verdict::Accepted},
        {trailing, Verdict::Accepted},
        {handshakeAnswer(1), Verdict::WrongPassword},
        {handshakeAnswer(0xFF), Verdict::Rejected},
        {badCrc, Verdict::Rejected},
        {answerFrame(ByteVector(38, 0x00)), Verdict::Rejected}, // another command
        {buried, Verdict::Rejected},
        {ByteVector(good.begin(), good.begin() + 16), Verdict::Rejected},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(vd::judge_handshake_answer(cases[i].first), cases[i].second) << "case " << i;
    }
}

TEST(Gx5WriteAnswer, AcknowledgementMustNameThePart) {
    EXPECT_TRUE(vd::is_write_acknowledgement(writeAck(53), 53));
    EXPECT_TRUE(vd::is_write_acknowledgement(noisy(writeAck(300)), 300));
    EXPECT_FALSE(vd::is_write_acknowledgement(writeAck(52), 53));

    ByteVector badCrc = writeAck(7);
    badCrc[badCrc.size() - 2] ^= 0x40;
    EXPECT_FALSE(vd::is_write_acknowledgement(badCrc, 7));
    // Cut before the part index: refused, not read beyond the end.
    const ByteVector ack = writeAck(7);
    for (std::size_t length : {0U, 17U, 21U}) {
        EXPECT_FALSE(vd::is_write_acknowledgement(ByteVector(ack.begin(), ack.begin() + length), 7))
            << length;
    }
    EXPECT_FALSE(vd::is_write_acknowledgement(handshakeAnswer(0), 0));
}

TEST(Gx5BlockAnswer, MustBeTheWholeFrameOfTheBlockAskedFor) {
    ByteVector payload{0x01, 0x02, 5, 0, 54, 0};
    payload.resize(6 + 1024, 0xA7);
    const ByteVector answer = answerFrame(payload);
    EXPECT_TRUE(vd::is_block_answer(answer, 5));
    EXPECT_FALSE(vd::is_block_answer(answer, 4)); // a late answer to the previous request
    const auto carried = vd::block_answer_payload(answer);
    EXPECT_EQ(ByteVector(carried.begin(), carried.end()), payload);

    ByteVector badCrc = answer;
    badCrc[100] ^= 0x01;
    EXPECT_FALSE(vd::is_block_answer(badCrc, 5));
    ByteVector noisyAnswer = answer;
    noisyAnswer.insert(noisyAnswer.begin(), 0x00);
    EXPECT_FALSE(vd::is_block_answer(noisyAnswer, 5));
    EXPECT_FALSE(vd::is_block_answer(answerFrame({0x01, 0x02, 5}), 5));
    EXPECT_TRUE(vd::block_answer_payload(ByteVector(16, 0xFF)).empty());

    // an answer is whole once it ends with a frame whose length and CRC hold
    EXPECT_TRUE(vd::ends_with_whole_frame(answer));
    EXPECT_FALSE(vd::ends_with_whole_frame(noisy(answer))) << "bytes after the frame";
    EXPECT_FALSE(vd::ends_with_whole_frame(ByteVector(answer.begin(), answer.end() - 1)));
    EXPECT_FALSE(vd::ends_with_whole_frame(badCrc));
}

} // namespace
} // namespace vdtest
