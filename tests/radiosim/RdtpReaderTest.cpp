// The CRC shared with the hosts, and the radio's reading of the host's RDTP byte stream.

#include "radios/gx5/Crc16Arc.h"
#include "tests/radiosim/Gx5Requests.h"
#include "tools/radiosim/RdtpFrame.h"

#include <gtest/gtest.h>

namespace vdtest {
namespace {

using vd::sim::RdtpItem;
using vd::sim::RdtpReader;

TEST(Crc16Arc, KnownChecksums) {
    const std::string check = "123456789";
    EXPECT_EQ(vd::crc16_arc(reinterpret_cast<const uint8_t*>(check.data()), 9), 0xBB3D);
    EXPECT_EQ(vd::crc16_arc(nullptr, 0), 0x0000);
    const uint8_t one = 0x01;
    EXPECT_EQ(vd::crc16_arc(&one, 1), 0xC0C1);
}

TEST(RdtpFrame, PayloadBeyondOneFrameIsRefused) {
    EXPECT_THROW(vd::sim::buildRdtpFrame(Bytes(1031)), std::invalid_argument);
}

std::vector<RdtpItem> drain(RdtpReader& reader) {
    std::vector<RdtpItem> items;
    while (auto item = reader.next()) {
        items.push_back(*item);
    }
    return items;
}

// Frames sent together are answered in turn in the simulator's own tests.
TEST(RdtpReader, FrameFedByteByByteComesOutWholeOnce) {
    const Bytes frame = gx5Handshake(kGx5Identity, 0);
    RdtpReader reader;
    for (uint8_t byte : frame) {
        EXPECT_TRUE(drain(reader).empty());
        reader.feed(Bytes{byte});
    }
    const auto items = drain(reader);
    ASSERT_EQ(items.size(), 1U);
    EXPECT_EQ(items[0].kind, RdtpItem::Kind::Frame);
    EXPECT_EQ(items[0].bytes, frame);
    EXPECT_FALSE(reader.hasPartial());
}

TEST(RdtpReader, JunkAndBrokenFramesDoNotHideTheNextFrame) {
    const Bytes good = gx5BlockRead(2);
    Bytes badCrc = gx5BlockRead(3);
    badCrc[badCrc.size() - 2] ^= 0x10;
    Bytes tooLong = gx5BlockRead(4);
    tooLong[12] = 0x07; // 0x0407 = 1031 bytes of payload
    tooLong[13] = 0x04;

    RdtpReader reader;
    reader.feed(join({{0x00, 0x52, 0x44}, badCrc, tooLong, good, {'R', 'D'}}));
    const auto items = drain(reader);
    std::vector<RdtpItem::Kind> kinds;
    for (const auto& item : items) {
        kinds.push_back(item.kind);
    }
    using Kind = RdtpItem::Kind;
    EXPECT_EQ(kinds, (std::vector<Kind>{Kind::Junk, Kind::Rejected, Kind::Junk, Kind::Rejected,
                                        Kind::Junk, Kind::Frame}));
    EXPECT_EQ(items.back().bytes, good);
    // The "RD" at the end may still become a frame.
    EXPECT_TRUE(reader.hasPartial());
    EXPECT_EQ(reader.takePartial(), (Bytes{'R', 'D'}));
}

} // namespace
} // namespace vdtest
