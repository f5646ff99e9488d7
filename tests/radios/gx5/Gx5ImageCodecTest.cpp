// The image as the radio receives it (header, list sections, references, names, sizes, tuning
// block, character set) and as it is read back into the document.
#include "tests/radios/gx5/Gx5TestSupport.h"

#include "model/Exceptions.h"
#include "radios/gx5/Gx5Bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace vdtest::gx5 {
namespace {

using namespace std::string_literals;

// Where the sections and their records start (bytes from the start of the image).
constexpr size_t kZones = 192, kZoneRecords = kZones + 130;
constexpr size_t kChannels = 3394, kChannelRecords = kChannels + 2056;
constexpr size_t kScans = 46530, kScanRecords = kScans + 130;
constexpr size_t kEmergency = 50244, kFm = 50502, kDtmf = 51272, kNoaa = 52114;
constexpr size_t kExtension = 52404, kTuning = 63418;

struct ListPlace {
    const char* recordName;
    size_t offset;
    size_t capacity;
    size_t recordSize;
};
constexpr ListPlace kLists[] = {
    {"ZoneName", kZones, 64, 48}, {"ChannelName", kChannels, 1027, 40},
    {"ScanName", kScans, 64, 56}, {"EmergencyName", kEmergency, 8, 30},
    {"fmName", kFm, 32, 22},      {"noaaName", kNoaa, 12, 22},
};

class Gx5EncodeTest : public ::testing::Test {
protected:
    vd::ByteVector Generate(int variant = 1) { return Encode(*control, variant); }
    /// Sets the counter of message tips the way a read of the radio does.
    void ImportOwnImage() { ASSERT_TRUE(control->ImportImage(Generate())); }
    size_t ChannelRecord(size_t position) const { return kChannelRecords + 40 * position; }

    TestIni ini;
    LogCapture log;
    std::unique_ptr<vd::Gx5v001Control> control = MakeControl("GX5");
};

TEST_F(Gx5EncodeTest, ListSectionsCountAndIndexTheirRecordsOnly) {
    vd::ByteVector image = Generate();
    for (const ListPlace& list : kLists) {
        vd::ElementList entries;
        control->GetElementsByName(list.recordName, entries);
        const unsigned count = U16At(image, list.offset);
        EXPECT_EQ(count, entries.size() - 1) << list.recordName;
        for (unsigned j = 0; j < count; ++j) {
            EXPECT_EQ(U16At(image, list.offset + 2 + 2 * j), j) << list.recordName;
        }
    }
    EXPECT_EQ(U16At(image, kDtmf), 4u);

    for (const char* list : {"ZoneName", "ChannelName", "ScanName", "EmergencyName", "fmName",
                             "noaaName", "dtmfSystem"}) {
        SizeList(*control, list, 0);
    }
    image = Generate();
    const vd::ByteVector header = {'R', 'C', 'D', 'B', 0xBB, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(vd::ByteVector(image.begin(), image.begin() + 14), header);
    for (const ListPlace& list : kLists) {
        const size_t end = list.offset + 2 + list.capacity * (2 + list.recordSize);
        for (size_t at = list.offset; at < end; ++at) {
            ASSERT_EQ(image[at], 0) << list.recordName << " byte " << at - list.offset;
        }
    }
    EXPECT_EQ(U16At(image, kDtmf), 0u);
}

// A zone's members end at the first end mark; empty members are skipped.
TEST_F(Gx5EncodeTest, ZoneMembersEndAtTheEndMarkAndSkipEmptyOnes) {
    const std::string zone = InUseIds(*control, "ZoneName").front();
    const auto channels = InUseIds(*control, "ChannelName");
    for (const auto& [members, expected] :
         std::vector<std::pair<std::vector<std::string>, std::vector<unsigned>>>{
             {{channels[3], channels[4], "0xFFFF", channels[5], channels[6]}, {2, 3, 4}},
             {{"", channels[7], "", channels[8]}, {2, 7, 8}}}) {
        control->SetFieldValue(zone, "Channel", members);
        const vd::ByteVector image = Generate();
        for (size_t slot = 0; slot < 17; ++slot) {
            EXPECT_EQ(U16At(image, kZoneRecords + 14 + 2 * slot),
                      slot < expected.size() ? expected[slot] : 0xFFFFu)
                << slot;
        }
    }
}

TEST_F(Gx5EncodeTest, ScanListReferencesAndMemberSlots) {
    const std::string scan = InUseIds(*control, "ScanName").front();
    const auto channels = InUseIds(*control, "ChannelName");
    control->SetFieldValue(scan, "Channel", {channels[5], "", channels[9]});
    const vd::ByteVector image = Generate();
    EXPECT_EQ(U16At(image, kScanRecords + 17), 3u) << "empty TxChannel";
    EXPECT_EQ(U16At(image, kScanRecords + 19), 0xFFFFu) << "empty prio1Chnl";
    EXPECT_EQ(U16At(image, kScanRecords + 21), 0xFFFFu) << "empty prio2Chnl";
    EXPECT_EQ(image[kScanRecords + 16], 3) << "member slots count empty members too";
    EXPECT_EQ(U16At(image, kScanRecords + 24), 5u);
    EXPECT_EQ(U16At(image, kScanRecords + 26), 9u);
    EXPECT_EQ(U16At(image, kScanRecords + 28), 0xFFFFu);
}

TEST_F(Gx5EncodeTest, DanglingListsGiveIndexZeroAndAsManyTipsAsTheSettingsSay) {
    ImportOwnImage();
    const auto channels = InUseIds(*control, "ChannelName");
    const std::string scan = InUseIds(*control, "ScanName").front();
    for (const std::string& channel : channels) {
        SetField(*control, channel, "scanListIndex", "");
    }
    for (size_t position : {4, 5, 6, 7}) {
        SetField(*control, channels[position], "scanListIndex", scan);
    }
    ASSERT_TRUE(control->DeleteRecord(scan));
    ProgressLog progress(*control);
    const vd::ByteVector image = Generate();
    for (size_t position : {4, 5, 6, 7}) {
        EXPECT_EQ(image[ChannelRecord(position) + 32] & 0x7F, 0) << position;
    }
    EXPECT_EQ(progress.count("Import channel error"), 4);
    EXPECT_EQ(log.warnings(), 2) << "message tips";
}

TEST_F(Gx5EncodeTest, ContentVariantsChooseTheSize) {
    for (const auto& [variant, size] :
         {std::pair{0, 52404u}, {1, 55070u}, {2, 63418u}, {3, 65466u}, {7, 55070u}, {-1, 55070u}}) {
        EXPECT_EQ(Generate(variant).size(), size) << variant;
    }
    const vd::ByteVector full = Generate(3);
    EXPECT_TRUE(std::all_of(full.begin() + 55070, full.end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(Gx5EncodeTest, ExtensionBlockRepeatsTheFirstRecords) {
    const auto channels = SizeList(*control, "ChannelName", 60);
    SetField(*control, SizeList(*control, "EmergencyName", 2)[0], "emgId", "E1");
    for (size_t i = 0; i < channels.size(); ++i) {
        ASSERT_TRUE(control->SetInputValue(channels[i], "", "C" + std::to_string(i), true));
    }
    const vd::ByteVector image = Generate();
    EXPECT_TRUE(std::equal(image.begin() + 92, image.begin() + 192, image.begin() + kExtension));
    EXPECT_EQ(image[kExtension + 100], 1) << "one zone in the template";
    EXPECT_TRUE(std::equal(image.begin() + kZoneRecords, image.begin() + kZoneRecords + 48,
                           image.begin() + kExtension + 101));
    EXPECT_EQ(image[kExtension + 197], 53);
    EXPECT_TRUE(std::equal(image.begin() + kChannelRecords,
                           image.begin() + kChannelRecords + 53 * 40,
                           image.begin() + kExtension + 198));
    EXPECT_TRUE(std::equal(image.begin() + kScanRecords, image.begin() + kScanRecords + 56,
                           image.begin() + kExtension + 2318));
    EXPECT_TRUE(std::equal(image.begin() + kEmergency + 18, image.begin() + kEmergency + 48,
                           image.begin() + kExtension + 2374));
}

// Values with an encoding of their own (the bits of each plain value: Gx5MemoryMapTest).
TEST_F(Gx5EncodeTest, VersionModelStringAndPowerUpEncodings) {
    SetSetting(*control, "swVer", "v2.10.03.120");
    SetSetting(*control, "home1PwrupZoneSwitch", "1");
    SetSetting(*control, "home1PwrupZoneIndex", "0x0FFF");
    SetSetting(*control, "home1PwrupChnl", InUseIds(*control, "ChannelName")[8]);
    const vd::ByteVector image = Generate();
    // version: data version 1, then the four numbers
    EXPECT_EQ(vd::ByteVector(image.begin() + 82, image.begin() + 88),
              (vd::ByteVector{1, 0, 2, 10, 3, 120}));
    // model string: the radio's identity, 32 bytes without terminator
    EXPECT_EQ(std::string(image.begin() + 14, image.begin() + 46), control->get_model_identity());
    // power-up in all-channels mode: the memory channel's position after the three VFOs
    EXPECT_EQ(U16At(image, 92 + 36), 0x1FFFu);
    EXPECT_EQ(U16At(image, 92 + 38), 5u);
}

TEST_F(Gx5EncodeTest, PowerUpChannelIsItsPlaceInThePowerUpZone) {
    const auto channels = InUseIds(*control, "ChannelName");
    const std::string zone = InUseIds(*control, "ZoneName").front();
    control->SetFieldValue(zone, "Channel", {channels[9], channels[4], channels[12]});
    SetSetting(*control, "home2PwrupZoneIndex", zone);
    SetSetting(*control, "home2PwrupChnl", channels[12]);
    SetSetting(*control, "home3PwrupZoneIndex", zone);
    SetSetting(*control, "home3PwrupChnl", channels[13]); // not in the zone
    ProgressLog progress(*control);
    const vd::ByteVector image = Generate();
    EXPECT_EQ(U16At(image, 92 + 74) & 0x0FFF, 0u);
    EXPECT_EQ(U16At(image, 92 + 76), 2u);
    EXPECT_EQ(U16At(image, 92 + 80), 0u);
    EXPECT_EQ(progress.count("Import channel error"), 0) << "a power-up channel raises no tip";
}

TEST_F(Gx5EncodeTest, ListBeyondCapacityKeepsToItsSection) {
    SizeList(*control, "ChannelName", 1030); // more than the radio holds
    const vd::ByteVector image = Generate();
    EXPECT_EQ(U16At(image, kChannels), 1027u);
    EXPECT_EQ(U16At(image, kScans), 1u) << "the scan list section is untouched";
    EXPECT_EQ(U16At(image, kScans + 2), 0u);
    EXPECT_EQ(log.warnings(), 1);
}

TEST_F(Gx5EncodeTest, CancelStopsWithBreak) {
    ProgressLog progress(*control, 3);
    vd::ByteVector image = {1, 2, 3};
    EXPECT_THROW(control->GenerateImage(image, 1), vd::CancelledException);
    EXPECT_EQ(image, (vd::ByteVector{1, 2, 3})) << "a cancelled encoding hands out nothing";
    EXPECT_EQ(std::get<0>(progress.entries().front()), "Fill zone info");

    ProgressLog whole(*control);
    Generate();
    std::vector<int> dtmf;
    for (const auto& [text, position, total] : whole.entries()) {
        if (text == "Fill DTMF info") {
            dtmf.push_back(position * 10 + total);
        }
    }
    EXPECT_EQ(dtmf, (std::vector<int>{14, 24, 34, 44})) << "positions 1 to 4 of 4";
}

/// The tuning block: its markers, and `values` by offset where the rest is 0.
vd::ByteVector TuningBlock(const std::vector<std::pair<size_t, int>>& values) {
    vd::ByteVector block(2048, 0);
    for (const auto& [offset, marker] : std::initializer_list<std::pair<size_t, const char*>>{
             {0, "ABCD"}, {49, "EFGH"}, {126, "IJKL"}, {160, "MNOP"}, {166, "QRST"}}) {
        std::copy(marker, marker + 4, block.begin() + offset);
    }
    for (const auto& [offset, value] : values) {
        block.at(offset) = static_cast<uint8_t>(value);
    }
    return block;
}

using Gx5TuningTest = Gx5EncodeTest;

// The bytes before the block stay; variant 3 leaves the block's place zero (ContentVariants).
TEST_F(Gx5TuningTest, SampleFileFillsTheBlock) {
    vd::ByteVector image = Generate();
    const vd::ByteVector before = image;
    const char* folder = std::getenv("VALDREN_TEST_DATA");
    ASSERT_TRUE(control->ApplyTuningFile(image, std::string(folder ? folder : "tests/data") +
                                                    "/gx5_tuning_sample.ini"));
    ASSERT_EQ(image.size(), 65466u);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), image.begin()));
    // a missing key gives 0, -1 is 255, 300 is kept modulo 256 as 44; 53: receive noise level
    const std::vector<std::pair<size_t, int>> values = {
        {4, 17},    {5, 44},   {6, 0},     {48, 255},  {53, 9},  {54, 1},
        {125, 255}, {159, 88}, {164, 120}, {165, 121}, {170, 0}, {171, 7}};
    EXPECT_EQ(vd::ByteVector(image.begin() + kTuning, image.end()), TuningBlock(values));
}

TEST_F(Gx5TuningTest, MissingFileGivesTheDefaults) {
    vd::ByteVector image(65466, 0x5A);
    ASSERT_TRUE(control->ApplyTuningFile(image, (ini.folder().path() / "none.ini").string()));
    EXPECT_EQ(image.size(), 65466u);
    EXPECT_EQ(image[kTuning - 1], 0x5A);
    // every value takes its default: 0, but 4 for the receive noise level
    EXPECT_EQ(vd::ByteVector(image.begin() + kTuning, image.end()), TuningBlock({{53, 4}}));
}

/// Reading an image back into the document: sizes, forced values, members, malformed images.
class Gx5DecodeTest : public Gx5EncodeTest {
protected:
    std::unique_ptr<vd::Gx5v001Control>& source = control;
    std::unique_ptr<vd::Gx5v001Control> target = MakeControl("GX5");
};

TEST_F(Gx5DecodeTest, ShortImageIsRefusedAndChangesNothing) {
    SizeList(*source, "ChannelName", 5);
    vd::ByteVector image = Encode(*source);
    EXPECT_EQ(target->ImageProblem(image), "");
    EXPECT_NE(MakeControl("GX5G")->ImageProblem(image), "") << "an image of the other model";
    EXPECT_EQ(target->ImageProblem(Encode(*control, 3)), "") << "the largest content";
    image.resize(52403);
    EXPECT_NE(target->ImageProblem(image), "");
    const size_t before = InUseIds(*target, "ChannelName").size();
    EXPECT_FALSE(target->ImportImage(image));
    EXPECT_EQ(InUseIds(*target, "ChannelName").size(), before);
    EXPECT_FALSE(target->ImportImage({}));
    image.resize(52404);
    EXPECT_TRUE(target->ImportImage(image)) << "the extension block is not needed";
    EXPECT_EQ(InUseIds(*target, "ChannelName").size(), 5u);
}

TEST_F(Gx5DecodeTest, ScanListKeepsItsMemberSlots) {
    const auto channels = InUseIds(*source, "ChannelName");
    const std::string scan = InUseIds(*source, "ScanName").front();
    source->SetFieldValue(scan, "Channel", {"", channels[6], "", "", channels[2]});
    SetSetting(*source, "home3PwrupZoneIndex", "");
    SetSetting(*source, "home3PwrupChnl", "");
    ProgressLog progress(*target);
    ASSERT_TRUE(target->ImportImage(Encode(*source)));
    EXPECT_EQ(progress.count("Import channel error"), 0) << "no entry is no dangling one";
    const std::string imported = InUseIds(*target, "ScanName").front();
    EXPECT_EQ(Members(*target, imported),
              (std::vector<std::string>{channels[6], channels[2], "", "", ""}));
    EXPECT_EQ(FieldValue(*target, imported, "TxChannel"), channels[3])
        << "the 3 of an empty designated channel reads back as the channel there";
    EXPECT_EQ(FieldValue(*target, imported, "prio1Chnl"), "");
    EXPECT_EQ(Encode(*target)[kScanRecords + 16], 5);
    // an empty power-up position goes out as 0 and reads back as the first zone and channel
    EXPECT_EQ(Setting(*target, "home3PwrupZoneIndex"), InUseIds(*source, "ZoneName").front());
    EXPECT_EQ(Setting(*target, "home3PwrupChnl"), channels[3]);
}

TEST_F(Gx5DecodeTest, IndexTablePicksTheSlot) {
    SizeList(*source, "ChannelName", 4);
    vd::ByteVector image = Encode(*source);
    // the first record comes from slot 2, the second from a slot beyond the section (dense)
    image[kChannels + 2] = 2;
    image[kChannels + 4] = 0xFF;
    image[kChannels + 5] = 0xFF;
    const std::string thirdName(image.begin() + kChannelRecords + 80,
                                image.begin() + kChannelRecords + 85);
    ASSERT_TRUE(target->ImportImage(image));
    const auto imported = InUseIds(*target, "ChannelName");
    EXPECT_EQ(target->GetElement(imported[0])->inputValue, thirdName);
    EXPECT_EQ(target->GetElement(imported[1])->inputValue, "VFO-B");
}

TEST(Gx5RadioText, OneByteForEveryCharacter) {
    const std::pair<const char*, const char*> cases[] = {
        {"CH-01 #*", "CH-01 #*"}, {"\u00E9t\u00E9", "?t?"}, // été
        {"\U0001F4FB!", "?!"},                              // a four-byte one
        {"a\200\277b", "a??b"},                             // stray continuation bytes
        {"\xE4\xBF", "?"},                                  // a sequence cut short
    };
    for (const auto& [text, radio] : cases) {
        EXPECT_EQ(vd::gx5::ToRadioCharacters(text), radio) << text;
    }
    const std::vector<uint8_t> high = {'a', 0xE9, 'b', 0, 'c'};
    EXPECT_EQ(vd::gx5::GetText(high, 0, 5), "a?b") << "read back up to the terminator";
}

} // namespace
} // namespace vdtest::gx5
