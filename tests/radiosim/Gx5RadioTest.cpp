// The GX5-family radio driven over its pseudo-terminal with hand-built frames.

#include "tests/radiosim/Gx5Requests.h"
#include "tests/support/RadioSim.h"
#include "tools/radiosim/Line.h"
#include "tools/radiosim/SimFactory.h"

#include <gtest/gtest.h>

namespace vdtest {
namespace {

namespace radios = vd::sim::radios;

constexpr uint8_t kRead = 0;
constexpr uint8_t kWrite = 1;

Bytes pattern(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<uint8_t>(i * 7 + i / 251);
    }
    return bytes;
}

std::string asText(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// Status byte of a handshake answer frame (the last payload byte).
int handshakeStatus(const Bytes& answer) {
    const Bytes payload = rdtpPayloadOf(answer);
    return payload.size() == 38 ? payload.back() : -1;
}

Bytes readBlock(HostLine& host, unsigned index, std::size_t dataSize) {
    return host.exchange(gx5BlockRead(index), 17 + 6 + dataSize);
}

TEST(Gx5RadioHandshake, AnswersItsOwnIdentityAndIgnoresOthers) {
    RadioSimThread radio(radios::healthy("GX5"));
    HostLine host(radio.devicePath());

    host.send(gx5Handshake(kGx5GIdentity, kRead));
    ASSERT_TRUE(radio.waitForTranscript("is not this radio's"));
    EXPECT_TRUE(host.available().empty());

    const Bytes answer = host.exchange(gx5Handshake(kGx5Identity, kRead), kHandshakeAnswerSize);
    ASSERT_EQ(answer.size(), kHandshakeAnswerSize);
    EXPECT_EQ(asText(Bytes(answer.begin(), answer.begin() + 4)), "RDTP");
    EXPECT_TRUE(rdtpCrcOk(answer));
    const Bytes payload = rdtpPayloadOf(answer);
    ASSERT_EQ(payload.size(), 38U);
    EXPECT_EQ(payload[0], 0x00);
    EXPECT_EQ(payload[1], 0x01);
    EXPECT_EQ(payload.back(), 0x00);
}

TEST(Gx5RadioHandshake, NoBlockReadBeforeAHandshake) {
    RadioSimThread radio(radios::healthy("GX5G"));
    HostLine host(radio.devicePath());
    host.send(gx5BlockRead(0));
    ASSERT_TRUE(radio.waitForTranscript("refused: block read before a handshake"));
    EXPECT_TRUE(host.available().empty());
}

TEST(Gx5RadioHandshake, PasswordMustMatchItsEightBytes) {
    RadioSimThread radio(radios::locked("GX5", "secret"));
    HostLine host(radio.devicePath());

    EXPECT_EQ(handshakeStatus(host.exchange(gx5Handshake(kGx5Identity, kRead), 55)), 1);
    EXPECT_EQ(handshakeStatus(host.exchange(gx5Handshake(kGx5Identity, kRead, "secreT"), 55)), 1);
    // A refused password leaves the radio out of programming mode.
    host.send(gx5BlockRead(0));
    ASSERT_TRUE(radio.waitForTranscript("refused: block read before a handshake"));

    EXPECT_EQ(handshakeStatus(host.exchange(gx5Handshake(kGx5Identity, kRead, "secret"), 55)), 0);
    EXPECT_EQ(readBlock(host, 0, 1024).size(), kFullBlockAnswerSize);
}

TEST(Gx5RadioHandshake, StatusFfOnlyOnTheFirstHandshake) {
    RadioSimThread radio(radios::busy("GX5"));
    HostLine host(radio.devicePath());
    EXPECT_EQ(handshakeStatus(host.exchange(gx5Handshake(kGx5Identity, kRead), 55)), 0xFF);
    EXPECT_EQ(handshakeStatus(host.exchange(gx5Handshake(kGx5Identity, kRead), 55)), 0x00);
}

TEST(Gx5RadioRead, FullImageOf65466BytesIn64Blocks) {
    TempDir dir;
    const Bytes image = pattern(65466);
    vd::sim::SimConfig config = radios::healthy("GX5");
    config.imageFile = dir.write("radio.bin", asText(image));
    RadioSimThread radio(config);
    HostLine host(radio.devicePath());
    ASSERT_EQ(handshakeStatus(host.exchange(gx5Handshake(kGx5Identity, kRead), 55)), 0);

    Bytes gathered;
    for (unsigned index = 0; index < 64; ++index) {
        const std::size_t dataSize = index < 63 ? 1024 : 65466 - 63 * 1024;
        const Bytes answer = readBlock(host, index, dataSize);
        ASSERT_TRUE(rdtpCrcOk(answer)) << "block " << index;
        const Bytes payload = rdtpPayloadOf(answer);
        ASSERT_EQ(payload.size(), 6 + dataSize) << "block " << index;
        EXPECT_EQ(Bytes(payload.begin() + 2, payload.begin() + 6), join({le16(index), le16(64)}));
        gathered.insert(gathered.end(), payload.begin() + 6, payload.end());
    }
    EXPECT_EQ(gathered, image);
    // There is no block 64.
    host.send(gx5BlockRead(64));
    ASSERT_TRUE(radio.waitForTranscript("block 64 does not exist"));
    EXPECT_TRUE(host.available().empty());
}

TEST(Gx5RadioRead, ReportsTheBlockCountItWasToldTo) {
    RadioSimThread radio(radios::miscounting("GX5", 257));
    HostLine host(radio.devicePath());
    host.exchange(gx5Handshake(kGx5Identity, kRead), 55);
    const Bytes payload = rdtpPayloadOf(readBlock(host, 0, 1024));
    ASSERT_GE(payload.size(), 6U);
    EXPECT_EQ(Bytes(payload.begin() + 4, payload.begin() + 6), le16(257));
}

TEST(Gx5RadioRead, CorruptBlockCarriesAWrongCrcOnce) {
    RadioSimThread radio(radios::corrupting("GX5", 2));
    HostLine host(radio.devicePath());
    host.exchange(gx5Handshake(kGx5Identity, kRead), 55);
    EXPECT_TRUE(rdtpCrcOk(readBlock(host, 1, 1024)));
    const Bytes spoiled = readBlock(host, 2, 1024);
    ASSERT_EQ(spoiled.size(), kFullBlockAnswerSize);
    EXPECT_FALSE(rdtpCrcOk(spoiled));
    EXPECT_TRUE(rdtpCrcOk(readBlock(host, 2, 1024)));
}

TEST(Gx5RadioWrite, ImageOf55070BytesIn54PartsIsSavedByteExact) {
    RadioSimThread radio(radios::healthy("GX5"));
    HostLine host(radio.devicePath());
    ASSERT_EQ(handshakeStatus(host.exchange(gx5Handshake(kGx5Identity, kWrite), 55)), 0);

    const Bytes image = pattern(55070);
    for (unsigned part = 0; part < 54; ++part) {
        const auto begin = image.begin() + part * 1024;
        const Bytes data(begin, part < 53 ? begin + 1024 : image.end());
        const Bytes ack = host.exchange(gx5WritePart(part, 54, data), kWriteAckSize);
        ASSERT_TRUE(rdtpCrcOk(ack)) << "part " << part;
        EXPECT_EQ(rdtpPayloadOf(ack), join({{0x01, 0x01, 0, 0, 0, 0}, le16(part)}));
    }
    ASSERT_TRUE(radio.waitForWrittenImage());
    EXPECT_EQ(radio.writtenImage(), asText(image));
    // The radio now holds what was written.
    host.exchange(gx5Handshake(kGx5Identity, kRead), 55);
    const Bytes payload = rdtpPayloadOf(readBlock(host, 53, 798));
    EXPECT_EQ(Bytes(payload.begin() + 6, payload.end()),
              Bytes(image.begin() + 53 * 1024, image.end()));
}

TEST(Gx5RadioWrite, RefusesPartsOutsideAWriteSessionOrOutOfOrder) {
    RadioSimThread radio(radios::healthy("GX5"));
    HostLine host(radio.devicePath());
    const Bytes block(1024, 0xAB);

    host.exchange(gx5Handshake(kGx5Identity, kRead), 55);
    host.send(gx5WritePart(0, 2, block));
    ASSERT_TRUE(radio.waitForTranscript("write part after a handshake for reading"));

    host.exchange(gx5Handshake(kGx5Identity, kWrite), 55);
    host.send(gx5WritePart(1, 2, block));
    ASSERT_TRUE(radio.waitForTranscript("out of order"));
    host.send(gx5WritePart(0, 2, Bytes(1000, 0xAB)));
    ASSERT_TRUE(radio.waitForTranscript("part 0 of 2 carries 1000 bytes"));
    EXPECT_TRUE(host.available().empty());

    // A part sent again after a lost acknowledgement is taken again.
    EXPECT_EQ(host.exchange(gx5WritePart(0, 2, block), kWriteAckSize).size(), kWriteAckSize);
    EXPECT_EQ(host.exchange(gx5WritePart(0, 2, block), kWriteAckSize).size(), kWriteAckSize);
    EXPECT_EQ(host.exchange(gx5WritePart(1, 2, {0x01}), kWriteAckSize).size(), kWriteAckSize);
    ASSERT_TRUE(radio.waitForWrittenImage());
    EXPECT_EQ(radio.writtenImage().size(), 1025U);
}

TEST(Gx5RadioStream, FramesTogetherSplitOrBrokenAreReadLikeARadio) {
    RadioSimThread radio(radios::healthy("GX5"));
    HostLine host(radio.devicePath());

    // Two frames in one write: both answered, in order.
    host.send(join({gx5Handshake(kGx5Identity, kRead), gx5BlockRead(0)}));
    const Bytes both = host.read(kHandshakeAnswerSize + kFullBlockAnswerSize);
    ASSERT_EQ(both.size(), kHandshakeAnswerSize + kFullBlockAnswerSize);
    EXPECT_TRUE(rdtpCrcOk(Bytes(both.begin(), both.begin() + kHandshakeAnswerSize)));
    EXPECT_TRUE(rdtpCrcOk(Bytes(both.begin() + kHandshakeAnswerSize, both.end())));

    // A frame with a wrong CRC is not answered; junk before a frame does not hide it.
    Bytes broken = gx5BlockRead(1);
    broken[broken.size() - 3] ^= 0x01;
    host.send(broken);
    ASSERT_TRUE(radio.waitForTranscript("instead of"));
    const Bytes payload =
        rdtpPayloadOf(host.exchange(join({{0x00, 0x52, 0x13}, gx5BlockRead(1)}), 1047));
    ASSERT_GE(payload.size(), 4U);
    EXPECT_EQ(Bytes(payload.begin() + 2, payload.begin() + 4), le16(1));

    // A frame in two writes.
    const Bytes request = gx5BlockRead(2);
    host.send(Bytes(request.begin(), request.begin() + 9));
    host.send(Bytes(request.begin() + 9, request.end()));
    EXPECT_TRUE(rdtpCrcOk(host.read(kFullBlockAnswerSize)));
}

TEST(Gx5RadioFaults, GarbageWrapsEveryAnswer) {
    RadioSimThread radio(radios::noisy("GX5"));
    HostLine host(radio.devicePath());
    const std::size_t junk = sizeof(vd::sim::kGarbagePrefix);
    const Bytes answer = host.exchange(gx5Handshake(kGx5Identity, kRead),
                                       junk + kHandshakeAnswerSize + vd::sim::kGarbageZeroCount);
    ASSERT_EQ(answer.size(), junk + kHandshakeAnswerSize + vd::sim::kGarbageZeroCount);
    EXPECT_NE(asText(Bytes(answer.begin(), answer.begin() + 4)), "RDTP");
    const Bytes frame(answer.begin() + junk, answer.begin() + junk + kHandshakeAnswerSize);
    EXPECT_TRUE(rdtpCrcOk(frame));
    EXPECT_EQ(handshakeStatus(frame), 0);
    EXPECT_EQ(Bytes(answer.end() - 3, answer.end()), Bytes(3, 0x00));
}

TEST(Gx5RadioFaults, HangupAfterTwoRequestsPullsTheCable) {
    RadioSimThread radio(radios::hangingUp("GX5", 2));
    HostLine host(radio.devicePath());
    EXPECT_EQ(host.exchange(gx5Handshake(kGx5Identity, kRead), 55).size(), kHandshakeAnswerSize);
    EXPECT_EQ(readBlock(host, 0, 1024).size(), kFullBlockAnswerSize);
    host.send(gx5BlockRead(1));
    EXPECT_TRUE(host.waitForHangUp());
    EXPECT_EQ(radio.waitForEnd(), vd::sim::RunEnd::HungUp);
}

TEST(Gx5RadioFaults, DroppedAndSilentRequestsGetNoAnswer) {
    {
        RadioSimThread radio(radios::deaf("GX5", 1));
        HostLine host(radio.devicePath());
        host.send(gx5Handshake(kGx5Identity, kRead));
        host.send(gx5BlockRead(0));
        // The handshake was dropped, so the block read finds the radio out of programming mode.
        ASSERT_TRUE(radio.waitForTranscript("refused: block read before a handshake"));
        EXPECT_TRUE(host.available().empty());
    }
    {
        RadioSimThread radio(radios::silent("GX5"));
        HostLine host(radio.devicePath());
        host.send(gx5Handshake(kGx5Identity, kRead));
        ASSERT_TRUE(radio.waitForTranscript("silent: not sent"));
        EXPECT_TRUE(host.available().empty());
    }
}

TEST(Gx5RadioFaults, PacedBytesStillMakeTheSameAnswer) {
    RadioSimThread radio(radios::slow("GX5", 20));
    HostLine host(radio.devicePath());
    EXPECT_EQ(handshakeStatus(host.exchange(gx5Handshake(kGx5Identity, kRead), 55)), 0);
}

TEST(Gx5RadioSession, RebootLeavesProgrammingMode) {
    RadioSimThread radio(radios::healthy("GX5"));
    HostLine host(radio.devicePath());
    host.send(gx5Reboot());
    ASSERT_TRUE(radio.waitForTranscript("refused: reboot outside programming mode"));
    host.exchange(gx5Handshake(kGx5Identity, kRead), 55);
    const Bytes answer = host.exchange(gx5Reboot(), 23);
    EXPECT_TRUE(rdtpCrcOk(answer));
    EXPECT_EQ(rdtpPayloadOf(answer), (Bytes{0x6F, 0x01, 0x00, 0x00, 0x01, 0x00}));
    host.send(gx5BlockRead(0));
    ASSERT_TRUE(radio.waitForTranscript("refused: block read before a handshake"));
    EXPECT_TRUE(host.available().empty());
}

} // namespace
} // namespace vdtest
