// The link's settings as read from cps.ini.

#include "radios/gx5/Gx5Settings.h"
#include "tests/support/TestIni.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vdtest {
namespace {

// retry count, poll, retry pause, time-out and the switches of each exchange, for one look.
auto handshake() {
    const auto s = vd::read_handshake_settings();
    return std::tuple(s.retryCount, s.pollInterval, s.retryPause, s.timeout, s.handshakeTimeout,
                      s.saveRejectedAnswer);
}
auto blockRead() {
    const auto s = vd::read_block_read_settings();
    return std::tuple(s.retryCount, s.pollInterval, s.retryPause, s.timeout, s.checkAnswer,
                      s.saveAnswer);
}
auto partWrite() {
    const auto s = vd::read_part_write_settings();
    return std::tuple(s.retryCount, s.pollInterval, s.retryPause, s.timeout, s.checkAnswer,
                      s.saveFailedRequest);
}
auto reboot() {
    const auto s = vd::read_reboot_settings();
    return std::tuple(s.retryCount, s.pollInterval, s.retryPause, s.timeout);
}

TEST(Gx5Settings, EveryKeyIsReadFromItsOwnSectionAtEveryCall) {
    TestIni ini;
    ini.writeText("[Device]\nport=COM3\n"); // missing keys take the defaults
    EXPECT_EQ(handshake(), std::tuple(3, 100U, 1000U, 1000U, 1000U, false));
    EXPECT_EQ(blockRead(), std::tuple(3, 150U, 1000U, 1000U, true, false));
    EXPECT_EQ(partWrite(), std::tuple(3, 200U, 1000U, 1000U, true, false));
    EXPECT_EQ(reboot(), std::tuple(3, 100U, 1000U, 1000U));
    EXPECT_EQ(vd::read_gx5_timeout(), 1000U);

    ini.writeText("[Device]\nhandshake_retry_count=5\nhandshake_read_time_interval=11\n"
                  "retry_time_interval=40\nretry_count=6\nneed_crc=0\n"
                  "[GX5]\nretry_time_interval=60\nhandshake_need_save_answer=1\n"
                  "read_time_interval=12\nread_need_save_host_answer=2\nwrite_time_interval=14\n"
                  "need_save_retry_rdtp=1\ntimeout=2500\n"
                  // keys in the wrong section are not seen
                  "need_crc=1\nretry_count=9\n");
    // the handshake's own time-out falls back to the time-out
    EXPECT_EQ(handshake(), std::tuple(5, 11U, 60U, 2500U, 2500U, true));
    EXPECT_EQ(blockRead(), std::tuple(6, 12U, 60U, 2500U, false, true));
    EXPECT_EQ(partWrite(), std::tuple(6, 14U, 60U, 2500U, false, true));
    EXPECT_EQ(reboot(), std::tuple(5, 11U, 40U, 2500U)); // pauses as section Device says

    ini.writeText("[GX5]\ntimeout=2500\nhandshake_time_out=700\n");
    EXPECT_EQ(handshake(), std::tuple(3, 100U, 1000U, 2500U, 700U, false));

    // negative waits mean no wait
    ini.writeText("[GX5]\ntimeout=-1\nread_time_interval=-5\n[Device]\nhandshake_retry_count=-2\n");
    EXPECT_EQ(vd::read_gx5_timeout(), 0U);
    EXPECT_EQ(handshake(), std::tuple(-2, 100U, 1000U, 0U, 0U, false));
    EXPECT_EQ(vd::read_block_read_settings().pollInterval, 0U);
}

} // namespace
} // namespace vdtest
