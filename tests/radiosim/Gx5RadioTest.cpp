// The GX5-family radio's own checks of the host, driven by hand-built frames, and its reading
// of the host's byte stream; whole reads and writes are driven by the host's code in the link
// tests.

#include "radios/gx5/Gx5Frame.h"
#include "tests/support/HostLine.h"
#include "tests/support/RadioSim.h"
#include "tools/radiosim/RdtpFrame.h"
#include "tools/radiosim/SimFactory.h"

#include <gtest/gtest.h>

namespace vdtest {
namespace {

namespace radios = vd::sim::radios;
using vd::sim::RdtpItem;

const std::string kIdentity = "GX5  -0000000000000000000-PCB-01";
constexpr std::size_t kHandshakeAnswerSize = 55;

/// A u16 as it travels, low byte first.
Bytes le16(unsigned value) {
    return {static_cast<uint8_t>(value & 0xFF), static_cast<uint8_t>((value >> 8) & 0xFF)};
}

/// The payload of a received frame whose CRC is right; empty otherwise.
Bytes payloadOf(const Bytes& frame) {
    if (frame.size() < 17 || !vd::rdtp_crc_ok(frame)) {
        return {};
    }
    return Bytes(frame.begin() + 14, frame.end() - 3);
}

Bytes handshake(uint8_t mode, const std::string& password = "") {
    return vd::frame_payload(vd::handshake_payload(kIdentity, mode, ascii(password)));
}

Bytes blockRead(unsigned index) {
    return vd::frame_payload(vd::block_read_payload(static_cast<uint16_t>(index)));
}

/// Write part `part` of `count` carrying `data`, well formed or not.
Bytes writePart(unsigned part, unsigned count, const Bytes& data) {
    return vd::frame_payload(join({{0x01, 0x00}, le16(part), le16(count), data}));
}

Bytes badCrc(Bytes frame) {
    frame[frame.size() - 3] ^= 0x01;
    return frame;
}

TEST(Gx5Radio, LeavesWhatAHostMustNotSendUnansweredAndSaysWhy) {
    /// A request sent first, and the size of its answer (0: none).
    struct Before {
        Bytes request;
        std::size_t answerSize;
    };
    struct Refusal {
        const char* name;
        vd::sim::SimConfig config;
        std::vector<Before> before;
        Bytes request;
        const char* note;
    };
    const Bytes block(1024, 0xAB);
    const Before read{handshake(0), kHandshakeAnswerSize};
    const Before write{handshake(1), kHandshakeAnswerSize};
    const Bytes reboot = vd::frame_payload(vd::reboot_payload());
    const char* const notReady = "refused: block read before a handshake";
    const Refusal cases[] = {
        {"read before handshake", radios::healthy("GX5G"), {}, blockRead(0), notReady},
        {"no block 64", radios::healthy("GX5"), {read}, blockRead(64), "block 64 does not exist"},
        {"bad CRC", radios::healthy("GX5"), {read}, badCrc(blockRead(1)), "instead of"},
        {"part out of order",
         radios::healthy("GX5"),
         {write},
         writePart(1, 2, block),
         "out of order"},
        {"short part",
         radios::healthy("GX5"),
         {write},
         writePart(0, 2, Bytes(1000, 0xAB)),
         "part 0 of 2 carries 1000 bytes"},
        {"reboot outside programming",
         radios::healthy("GX5"),
         {},
         reboot,
         "refused: reboot outside programming mode"},
        {"dropped handshake", radios::deaf("GX5", 1), {{handshake(0), 0}}, blockRead(0), notReady},
    };
    for (const Refusal& refusal : cases) {
        SCOPED_TRACE(refusal.name);
        RadioSimThread radio(refusal.config);
        HostLine host(radio.devicePath());
        for (const Before& step : refusal.before) {
            if (step.answerSize == 0) {
                host.send(step.request);
            } else {
                EXPECT_FALSE(payloadOf(host.exchange(step.request, step.answerSize)).empty());
            }
        }
        host.send(refusal.request);
        ASSERT_TRUE(radio.waitForTranscript(refusal.note));
        EXPECT_TRUE(host.available().empty());
    }
}

TEST(Gx5Radio, ResentPartReplacesItselfAndRebootAnswers) {
    RadioSimThread radio(radios::healthy("GX5"));
    HostLine host(radio.devicePath());
    host.exchange(handshake(1), kHandshakeAnswerSize);
    // a part sent again after a lost acknowledgement replaces itself, it is not added twice
    for (unsigned part : {0U, 0U, 1U}) {
        const Bytes ack =
            host.exchange(writePart(part, 2, part ? Bytes{1} : Bytes(1024, 0xAB)), 25);
        EXPECT_EQ(payloadOf(ack), join({{0x01, 0x01, 0, 0, 0, 0}, le16(part)}));
    }
    ASSERT_TRUE(radio.waitForWrittenImage());
    EXPECT_EQ(radio.writtenImage(), std::string(1024, '\xAB') + '\x01');
    host.exchange(handshake(0), kHandshakeAnswerSize);
    EXPECT_EQ(payloadOf(host.exchange(vd::frame_payload(vd::reboot_payload()), 23)),
              (Bytes{0x6F, 0x01, 0x00, 0x00, 0x01, 0x00}));
}

std::vector<RdtpItem> drain(vd::sim::RdtpReader& reader) {
    std::vector<RdtpItem> items;
    while (auto item = reader.next()) {
        items.push_back(*item);
    }
    return items;
}

TEST(RdtpReader, JunkAndBrokenFramesDoNotHideTheNextFrame) {
    const Bytes good = blockRead(2);
    Bytes corrupted = blockRead(3);
    corrupted[corrupted.size() - 2] ^= 0x10;
    Bytes tooLong = blockRead(4);
    tooLong[12] = 0x07; // 0x0407 = 1031 bytes of payload
    tooLong[13] = 0x04;

    vd::sim::RdtpReader reader;
    reader.feed(join({{0x00, 0x52, 0x44}, corrupted, tooLong, good, {'R', 'D'}}));
    const auto items = drain(reader);
    std::vector<RdtpItem::Kind> kinds;
    for (const auto& item : items) {
        kinds.push_back(item.kind);
    }
    using Kind = RdtpItem::Kind;
    EXPECT_EQ(kinds, (std::vector<Kind>{Kind::Junk, Kind::Rejected, Kind::Junk, Kind::Rejected,
                                        Kind::Junk, Kind::Frame}));
    EXPECT_EQ(items.back().bytes, good);
    // the "RD" at the end may still become a frame
    EXPECT_TRUE(reader.hasPartial());
    EXPECT_EQ(reader.takePartial(), (Bytes{'R', 'D'}));
}

} // namespace
} // namespace vdtest
