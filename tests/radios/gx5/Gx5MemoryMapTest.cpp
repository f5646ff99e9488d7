// Every value lands on the bits the radio's memory map gives it, and on no other bit.
// The round trip cannot see a field moved alike on both sides; this compares the encoded
// bytes with the map in tests/data, one value at a time.
#include "tests/radios/gx5/Gx5TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
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

struct MapEntry {
    std::string section, field;
    size_t byte;
    std::string bits;
};

std::vector<MapEntry> ReadMap() {
    const char* folder = std::getenv("VALDREN_TEST_DATA");
    std::ifstream file(std::string(folder ? folder : "tests/data") + "/gx5_memory_map.txt");
    std::vector<MapEntry> entries;
    for (std::string line; std::getline(file, line);) {
        std::istringstream words(line);
        MapEntry entry;
        if (line.starts_with('#') ||
            !(words >> entry.section >> entry.field >> entry.byte >> entry.bits)) {
            continue;
        }
        entries.push_back(entry);
    }
    return entries;
}

/// The change each byte of the section must show between the value's zero and its largest
/// form ('W' in every character of a text).
std::vector<uint8_t> ExpectedChange(const MapEntry& entry, size_t size) {
    std::vector<uint8_t> change(size, 0);
    if (entry.bits == "tone") {
        change[entry.byte] = 0xEF;
        change[entry.byte + 1] = 0xFF;
    } else if (entry.bits.ends_with('B') || entry.bits.ends_with('T')) {
        for (size_t k = 0; k < std::stoul(entry.bits); ++k) {
            change[entry.byte + k] = entry.bits.ends_with('T') ? 'W' : 0xFF;
        }
    } else {
        const int first = std::stoi(entry.bits), last = std::stoi(entry.bits.substr(2));
        change[entry.byte] = static_cast<uint8_t>(((2u << last) - 1) & ~((1u << first) - 1));
    }
    return change;
}

TEST(Gx5MemoryMap, EveryValueTakesExactlyItsBits) {
    TestIni ini;
    LogCapture log;
    auto control = MakeControl("GX5");
    const std::vector<MapEntry> map = ReadMap();
    ASSERT_GT(map.size(), 100u);
    for (const MapEntry& entry : map) {
        SCOPED_TRACE(entry.section + " " + entry.field);
        const Section& section = kSections.at(entry.section);
        std::string record;
        if (section.record) {
            std::vector<std::string> ids = InUseIds(*control, section.record);
            if (ids.size() <= section.position) {
                ids = SizeList(*control, section.record, section.position + 1);
            }
            record = ids[section.position];
        }
        const bool text = entry.bits.ends_with('T');
        auto encodeWith = [&](const std::string& value) {
            if (entry.field == "name") {
                EXPECT_TRUE(control->SetInputValue(record, "", value, true));
            } else if (section.record) {
                SetField(*control, record, entry.field, value);
            } else {
                SetSetting(*control, entry.field, value);
            }
            vd::ByteVector image;
            control->GenerateImage(image, 1);
            return std::vector<uint8_t>(image.begin() + section.offset,
                                        image.begin() + section.offset + section.size);
        };
        const std::vector<uint8_t> low = encodeWith(text ? "" : "0");
        const std::vector<uint8_t> high = encodeWith(text ? std::string(40, 'W') : "4294967295");
        std::vector<uint8_t> change(section.size);
        for (size_t k = 0; k < section.size; ++k) {
            change[k] = low[k] ^ high[k];
        }
        EXPECT_EQ(change, ExpectedChange(entry, section.size));
    }
}

} // namespace
} // namespace vdtest::gx5
