// The link's settings as read from cps.ini, and the names of the dump files.

#include "radios/gx5/Gx5DumpFile.h"
#include "radios/gx5/Gx5Settings.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

namespace vdtest {
namespace {

class Gx5Settings : public ::testing::Test {
protected:
    void SetUp() override { setenv("VALDREN_CPS_INI", folder_.file("cps.ini").c_str(), 1); }
    void TearDown() override { unsetenv("VALDREN_CPS_INI"); }
    void ini(const std::string& text) { folder_.write("cps.ini", text); }

    TempDir folder_;
};

TEST_F(Gx5Settings, MissingKeysTakeTheDefaults) {
    ini("[Device]\nport=COM3\n");
    const auto handshake = vd::read_handshake_settings();
    EXPECT_EQ(handshake.retryCount, 3);
    EXPECT_EQ(handshake.pollInterval, 100U);
    EXPECT_EQ(handshake.retryPause, 1000U);
    EXPECT_FALSE(handshake.saveRejectedAnswer);
    EXPECT_EQ(handshake.timeout, 1000U);
    EXPECT_EQ(handshake.handshakeTimeout, 1000U);

    const auto read = vd::read_block_read_settings();
    EXPECT_EQ(read.retryCount, 3);
    EXPECT_TRUE(read.checkAnswer);
    EXPECT_EQ(read.pollInterval, 150U);
    EXPECT_EQ(read.retryPause, 1000U);
    EXPECT_FALSE(read.saveAnswer);
    EXPECT_EQ(read.timeout, 1000U);

    const auto write = vd::read_part_write_settings();
    EXPECT_EQ(write.retryCount, 3);
    EXPECT_TRUE(write.checkAnswer);
    EXPECT_EQ(write.pollInterval, 200U);
    EXPECT_EQ(write.retryPause, 1000U);
    EXPECT_FALSE(write.saveFailedRequest);
    EXPECT_EQ(write.timeout, 1000U);

    const auto reboot = vd::read_reboot_settings();
    EXPECT_EQ(reboot.retryCount, 3);
    EXPECT_EQ(reboot.pollInterval, 100U);
    EXPECT_EQ(reboot.retryPause, 1000U);
    EXPECT_EQ(reboot.timeout, 1000U);
    EXPECT_EQ(vd::read_gx5_timeout(), 1000U);
}

TEST_F(Gx5Settings, HandshakeTimeOutFallsBackToTimeout) {
    ini("[GX5]\ntimeout=2500\n");
    EXPECT_EQ(vd::read_handshake_settings().handshakeTimeout, 2500U);
    ini("[GX5]\ntimeout=2500\nhandshake_time_out=700\n");
    EXPECT_EQ(vd::read_handshake_settings().handshakeTimeout, 700U);
    EXPECT_EQ(vd::read_handshake_settings().timeout, 2500U);
    EXPECT_EQ(vd::read_block_read_settings().timeout, 2500U);
}

TEST_F(Gx5Settings, EveryKeyIsReadFromItsOwnSectionAtEveryCall) {
    ini("[Device]\nhandshake_retry_count=5\nhandshake_read_time_interval=11\n"
        "retry_time_interval=40\nretry_count=6\nneed_crc=0\n"
        "[GX5]\nretry_time_interval=60\nhandshake_need_save_answer=1\nread_time_interval=12\n"
        "read_need_save_host_answer=2\nwrite_time_interval=14\nneed_save_retry_rdtp=1\n"
        // keys in the wrong section are not seen
        "need_crc=1\nretry_count=9\n");
    const auto handshake = vd::read_handshake_settings();
    EXPECT_EQ(handshake.retryCount, 5);
    EXPECT_EQ(handshake.pollInterval, 11U);
    EXPECT_EQ(handshake.retryPause, 60U);
    EXPECT_TRUE(handshake.saveRejectedAnswer);
    const auto read = vd::read_block_read_settings();
    EXPECT_EQ(read.retryCount, 6);
    EXPECT_FALSE(read.checkAnswer);
    EXPECT_EQ(read.pollInterval, 12U);
    EXPECT_EQ(read.retryPause, 60U);
    EXPECT_TRUE(read.saveAnswer);
    const auto write = vd::read_part_write_settings();
    EXPECT_EQ(write.retryCount, 6);
    EXPECT_FALSE(write.checkAnswer);
    EXPECT_EQ(write.pollInterval, 14U);
    EXPECT_TRUE(write.saveFailedRequest);
    const auto reboot = vd::read_reboot_settings();
    EXPECT_EQ(reboot.retryCount, 5);
    EXPECT_EQ(reboot.retryPause, 40U); // the reboot pauses as section Device says

    ini("[Device]\nretry_count=1\n");
    EXPECT_EQ(vd::read_block_read_settings().retryCount, 1);
}

TEST_F(Gx5Settings, NegativeWaitsMeanNoWait) {
    ini("[GX5]\ntimeout=-1\nread_time_interval=-5\n[Device]\nhandshake_retry_count=-2\n");
    EXPECT_EQ(vd::read_gx5_timeout(), 0U);
    EXPECT_EQ(vd::read_handshake_settings().handshakeTimeout, 0U);
    EXPECT_EQ(vd::read_block_read_settings().pollInterval, 0U);
    EXPECT_EQ(vd::read_handshake_settings().retryCount, -2);
}

TEST(Gx5DumpFile, NamesCarryIndexAndHourStamp) {
    const std::string stamp = vd::dump_time_stamp(std::time(nullptr));
    EXPECT_TRUE(std::regex_match(stamp, std::regex(R"(\d{4}-\d{2}-\d{2}_\d{2})"))) << stamp;
    EXPECT_EQ(vd::handshake_dump_name("S"), "shandshake_fail_S.rdtp");
    EXPECT_EQ(vd::block_answer_dump_name(12, "S"), "HostAnswerByIndex12_S.rdtp");
    EXPECT_EQ(vd::write_request_dump_name(3, "S"), "WriteAllDataByIndex3_fail_S.rdtp");
}

TEST_F(Gx5Settings, DumpGoesToTheErrorFolderAndReplacesItsPredecessor) {
    const uint8_t first[] = {1, 2, 3, 4};
    const uint8_t second[] = {0, 0xFF};
    const auto path = vd::save_dump("x.rdtp", first);
    EXPECT_EQ(path, folder_.file("error") / "x.rdtp");
    vd::save_dump("x.rdtp", second);
    EXPECT_EQ(readFile(path), std::string("\0\xFF", 2));

    // The folder cannot be created where a file stands.
    std::filesystem::remove_all(folder_.file("error"));
    folder_.write("error", "not a folder");
    EXPECT_THROW(vd::save_dump("x.rdtp", first), vd::Gx5DumpException);
}

} // namespace
} // namespace vdtest
