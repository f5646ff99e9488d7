// `vdcps set` tells which channel frequencies a VS73 band change moved.
#include "tests/cli/CliTestSupport.h"

#include <gtest/gtest.h>

namespace vdtest {
namespace {

int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST(CliBand, SetListsTheFrequenciesABandChangeMoves) {
    TempDir dir;
    VdcpsRunner vdcps(dir);
    const std::string project = dir.file("vs73.vdcps").string();
    ASSERT_EQ(vdcps.Run({"new", "VS73", "-o", project}), 0) << vdcps.err;
    ASSERT_EQ(vdcps.Run({"set", project, "freq_range=0"}), 0) << vdcps.err;
    // both frequencies of all 16 channels leave 400-480 MHz for 174 MHz
    EXPECT_EQ(Count(vdcps.out, "moved "), 32) << vdcps.out;
    EXPECT_EQ(Count(vdcps.out, "moved CH1: rxfreq 446.006250 -> 174.000000 MHz\n"), 1);
    ASSERT_EQ(vdcps.Run({"set", project, "freq_range=0"}), 0) << vdcps.err;
    EXPECT_EQ(vdcps.out, "") << "no change of band, nothing moved";
}

} // namespace
} // namespace vdtest
