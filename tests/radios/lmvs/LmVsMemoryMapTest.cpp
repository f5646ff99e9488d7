// Every value of the five models lands on the bits their memory map gives it, and on no
// other bit of the image (tests/data/lmvs_memory_map.txt).
#include "tests/radios/lmvs/LmVsTestSupport.h"
#include "tests/support/MemoryMap.h"

#include <gtest/gtest.h>

namespace vdtest {
namespace {

// A frequency is kept in 10 Hz as four packed decimal bytes; a tone code little-endian,
// with 0 kept as FFFF.
const std::map<std::string, ValueLayout> kLmVsKinds = {
    {"bcd", {"0", "999999990", {0x99, 0x99, 0x99, 0x99}}},
    {"tone", {"0", "4660", {0xFF ^ 0x34, 0xFF ^ 0x12}}}};

TEST(LmVsMemoryMap, EveryValueTakesExactlyItsBits) {
    LmVsIni ini;
    std::map<std::string, std::unique_ptr<vd::LmVsControl>> controls;
    const auto map = ReadDataTable("lmvs_memory_map.txt");
    ASSERT_GT(map.size(), 90u);
    for (const std::vector<std::string>& entry : map) {
        ASSERT_EQ(entry.size(), 5u);
        const std::string &model = entry[0], &field = entry[2];
        SCOPED_TRACE(model + " " + field);
        auto& control = controls[model];
        if (!control) {
            control = MakeLmVsControl(model);
        }
        const bool channel = entry[1] == "channel";
        auto encodeWith = [&](const std::string& value) {
            if (channel) {
                SetField(*control, InUseIds(*control, "ChannelName").front(), field, value);
            } else {
                SetSetting(*control, field, value);
            }
            vd::ByteVector image;
            EXPECT_TRUE(control->GenerateImage(image, 1));
            return image;
        };
        const ValueLayout layout = LayoutOf(entry[4], kLmVsKinds);
        const vd::ByteVector low = encodeWith(layout.low), high = encodeWith(layout.high);
        std::vector<uint8_t> expected(low.size(), 0);
        std::copy(layout.change.begin(), layout.change.end(),
                  expected.begin() + std::stol(entry[3]) + (channel ? 16 : 0));
        EXPECT_EQ(ChangedBits(low, high, 0, low.size()), expected);
    }
}

} // namespace
} // namespace vdtest
