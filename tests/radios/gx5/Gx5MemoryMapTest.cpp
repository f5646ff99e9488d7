// Every value lands on the bits the radio's memory map gives it, and on no other bit of its
// record (tests/data/gx5_memory_map.txt).
#include "tests/radios/gx5/Gx5TestSupport.h"
#include "tests/support/MemoryMap.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace vdtest::gx5 {
namespace {

struct Section {
    size_t offset;      ///< where the record starts in the image
    size_t size;        ///< its bytes
    const char* record; ///< the list's record name; nullptr for a section of settings
    size_t position;    ///< which in-use record of the list
};

const std::map<std::string, Section> kSections = {
    {"device", {14, 68, nullptr, 0}},
    {"settings", {92, 100, nullptr, 0}},
    {"dtmf", {51272 + 10, 72, nullptr, 0}},
    {"channel", {3394 + 2056 + 3 * 40, 40, "ChannelName", 3}},
    {"scan", {46530 + 130, 56, "ScanName", 0}},
    {"emergency", {50244 + 18, 30, "EmergencyName", 0}},
    {"fm", {50502 + 66, 22, "fmName", 0}},
    {"noaa", {52114 + 26, 22, "noaaName", 0}},
    {"dtmfsystem", {51272 + 82, 190, "dtmfSystem", 0}},
};

// A tone code goes out big-endian with bit 12 clear.
const std::map<std::string, ValueLayout> kGx5Kinds = {{"tone", {"0", "65535", {0xEF, 0xFF}}}};

TEST(Gx5MemoryMap, EveryValueTakesExactlyItsBits) {
    TestIni ini;
    LogCapture log;
    auto control = MakeControl("GX5");
    const auto map = ReadDataTable("gx5_memory_map.txt");
    ASSERT_GT(map.size(), 100u);
    for (const std::vector<std::string>& entry : map) {
        ASSERT_EQ(entry.size(), 4u);
        const std::string& field = entry[1];
        SCOPED_TRACE(entry[0] + " " + field);
        const Section& section = kSections.at(entry[0]);
        std::string record;
        if (section.record) {
            std::vector<std::string> ids = InUseIds(*control, section.record);
            if (ids.size() <= section.position) {
                ids = SizeList(*control, section.record, section.position + 1);
            }
            record = ids[section.position];
        }
        auto encodeWith = [&](const std::string& value) {
            if (field == "name") {
                EXPECT_TRUE(control->SetInputValue(record, "", value, true));
            } else if (section.record) {
                SetField(*control, record, field, value);
            } else {
                SetSetting(*control, field, value);
            }
            vd::ByteVector image;
            control->GenerateImage(image, 1);
            return image;
        };
        const ValueLayout layout = LayoutOf(entry[3], kGx5Kinds);
        const vd::ByteVector low = encodeWith(layout.low), high = encodeWith(layout.high);
        std::vector<uint8_t> expected(section.size, 0);
        std::copy(layout.change.begin(), layout.change.end(),
                  expected.begin() + std::stol(entry[2]));
        EXPECT_EQ(ChangedBits(low, high, section.offset, section.size), expected);

        // read back, the value comes from its own bits only: every other bit of the record set
        // leaves it at zero (a tone's bit 12 belongs to no value and is read with it)
        if (entry[3] == "tone") {
            continue;
        }
        const bool bits = entry[3].find('-') != std::string::npos;
        vd::ByteVector others = low;
        for (size_t k = 0; k < section.size; ++k) {
            const uint8_t own = bits || !expected[k] ? expected[k] : 0xFF;
            others[section.offset + k] = static_cast<uint8_t>(~own);
        }
        auto reader = MakeControl("GX5");
        ASSERT_TRUE(reader->ImportImage(others));
        const std::string back =
            !section.record ? Setting(*reader, field)
            : field == "name"
                ? reader->GetElement(InUseIds(*reader, section.record).at(section.position))
                      ->inputValue
                : FieldValue(*reader, InUseIds(*reader, section.record).at(section.position),
                             field);
        EXPECT_TRUE(back.empty() || back == "0") << back;
    }
}

} // namespace
} // namespace vdtest::gx5
