// Whole-image reads and writes of the GX5 family against the simulated radio, with its faults.

#include "model/Exceptions.h"
#include "radios/gx5/Gx5Frame.h"
#include "tests/radios/gx5/Gx5LinkFixture.h"
#include "tools/radiosim/SimFactory.h"

#include <gtest/gtest.h>

namespace vdtest {
namespace {

namespace radios = vd::sim::radios;
using vd::ByteVector;

constexpr std::size_t kFullImage = 65466;
constexpr std::size_t kTypicalImage = 55070;

/// A healthy radio of `model` holding `image`; the image file is kept in `folder`.
vd::sim::SimConfig radioHolding(const std::string& model, const ByteVector& image,
                                const TempDir& folder) {
    vd::sim::SimConfig config = radios::healthy(model);
    config.imageFile = folder.write(model + "-image.bin", std::string(image.begin(), image.end()));
    return config;
}

int blockReads(const RadioSimFiles& radio, uint16_t block) {
    return requestCount(radio, vd::block_read_payload(block), 8);
}

TEST_F(Gx5LinkTest, ReadsWholeImagesOfEitherSize) {
    for (std::size_t size : {kFullImage, kTypicalImage}) {
        const ByteVector image = patternImage(size);
        Session session(radioHolding("GX5", image, folder_));
        ASSERT_TRUE(session.handshakeOk);
        ByteVector read{1, 2, 3};
        EXPECT_EQ(session.control.ReadAll(session.port, read, ""),
                  static_cast<int>((size + 1023) / 1024));
        EXPECT_EQ(read, image) << size;
        EXPECT_EQ(session.control.count(kRetryPause), 0);
        // progress: the start, then every block once, all under the default title
        ASSERT_EQ(session.reports.size(), (size + 1023) / 1024 + 1);
        EXPECT_EQ(session.reports.back().position, session.reports.back().total);
        EXPECT_EQ(session.reports.back().text, "Host read all data");
    }
}

vd::sim::SimConfig corrupting(const ByteVector& image, const TempDir& folder, unsigned block) {
    vd::sim::SimConfig config = radioHolding("GX5", image, folder);
    config.faults.corruptBlock = block;
    return config;
}

TEST_F(Gx5LinkTest, WrongCrcIsRetriedOrAcceptedAsNeedCrcSays) {
    const ByteVector image = patternImage(kTypicalImage);
    ByteVector read;
    {
        Session session(corrupting(image, folder_, 2));
        EXPECT_EQ(session.control.ReadAll(session.port, read, "R"), 54);
        EXPECT_EQ(read, image);
        EXPECT_EQ(session.control.count(kRetryPause), 1);
        EXPECT_EQ(blockReads(session.radio, 2), 2);
    }
    setIni({{"Device", {{"retry_count", "1"}}}});
    {
        Session session(corrupting(image, folder_, 2));
        EXPECT_EQ(session.control.ReadAll(session.port, read, "R"), -1);
        EXPECT_EQ(blockReads(session.radio, 3), 0);
    }
    setIni({{"Device", {{"retry_count", "1"}, {"need_crc", "0"}}}});
    {
        Session session(corrupting(image, folder_, 2));
        EXPECT_EQ(session.control.ReadAll(session.port, read, "R"), 54);
        EXPECT_EQ(read, image);
        EXPECT_EQ(session.control.count(kRetryPause), 0);
    }
}

TEST_F(Gx5LinkTest, UnusableBlockCountFailsAfterTheFirstBlock) {
    for (unsigned reported : {257U, 0U}) {
        Session session(radios::miscounting("GX5", reported));
        ByteVector read;
        EXPECT_EQ(session.control.ReadAll(session.port, read, "R"), -1) << reported;
        EXPECT_EQ(blockReads(session.radio, 0), 1);
        EXPECT_EQ(blockReads(session.radio, 1), 0);
        EXPECT_EQ(session.control.count(kRetryPause), 0);
    }
}

TEST_F(Gx5LinkTest, CancelStopsAtOnceWithoutRetryPause) {
    Session session(radios::healthy("GX5"));
    session.cancelAt = 3;
    ByteVector read;
    EXPECT_THROW(session.control.ReadAll(session.port, read, "R"), vd::CancelledException);
    EXPECT_EQ(session.reports.back().position, 3);
    EXPECT_EQ(session.control.count(kRetryPause), 0);
    // Blocks 0 and 1 were read before the report for block 2 asked to stop.
    EXPECT_EQ(blockReads(session.radio, 1), 1);
    EXPECT_EQ(blockReads(session.radio, 2), 0);
}

TEST_F(Gx5LinkTest, WritesTheImageIn54PartsTheLastOf798Bytes) {
    const ByteVector image = patternImage(kTypicalImage);
    Session session(radios::healthy("GX5"), 1);
    ASSERT_TRUE(session.handshakeOk);
    EXPECT_EQ(session.control.WriteAll(session.port, image, ""), 54);
    ASSERT_TRUE(session.radio.waitForWrittenImage());
    EXPECT_EQ(session.radio.writtenImage(), std::string(image.begin(), image.end()));

    const ByteVector lastHead{0x01, 0x00, 53, 0, 54, 0};
    EXPECT_EQ(requestCount(session.radio, lastHead, 6 + 798), 1);
    EXPECT_EQ(requestCount(session.radio, {0x01, 0x00}, 6 + 1024), 53);
    EXPECT_EQ(session.control.count(kRetryPause), 0);
    EXPECT_EQ(session.reports.back().position, 54);
}

TEST_F(Gx5LinkTest, UnacknowledgedPartFailsAndItsRequestIsDumpedOnce) {
    setIni({{"GX5", {{"timeout", "150"}, {"need_save_retry_rdtp", "1"}}}});
    // After a handshake for reading the radio takes no part.
    Session session(radios::healthy("GX5"), 0);
    const ByteVector image = patternImage(2000);
    EXPECT_EQ(session.control.WriteAll(session.port, image, "W"), -1);
    EXPECT_EQ(session.control.count(kRetryPause), 3);
    ASSERT_TRUE(waitForRequests(session.radio, {0x01, 0x00, 0, 0, 2, 0}, 1030, 3));
    const auto names = dumpNames();
    ASSERT_EQ(names.size(), 1U);
    EXPECT_TRUE(names[0].starts_with("WriteAllDataByIndex0_fail_") && names[0].ends_with(".rdtp"))
        << names[0];
}

TEST_F(Gx5LinkTest, EmptyImageIsNoCompletedWrite) {
    Session session(radios::healthy("GX5"), 1);
    EXPECT_EQ(session.control.WriteAll(session.port, {}, "W"), -1);
    EXPECT_EQ(requestCount(session.radio, {0x01, 0x00}, 6), 0);
}

} // namespace
} // namespace vdtest
