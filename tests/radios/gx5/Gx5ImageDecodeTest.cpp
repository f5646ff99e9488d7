// Reading an image back into the document: sizes, forced values, members, malformed images.
#include "tests/radios/gx5/Gx5TestSupport.h"

#include "model/Exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace vdtest::gx5 {
namespace {

constexpr size_t kChannels = 3394, kChannelRecords = kChannels + 2056;
constexpr size_t kScanRecords = 46530 + 130;

class Gx5DecodeTest : public ::testing::Test {
protected:
    vd::ByteVector Generate(vd::Gx5v001Control& from) {
        vd::ByteVector image;
        EXPECT_TRUE(from.GenerateImage(image, 1));
        return image;
    }

    TestIni ini;
    LogCapture log;
    std::unique_ptr<vd::Gx5v001Control> source = MakeControl("GX5");
    std::unique_ptr<vd::Gx5v001Control> target = MakeControl("GX5");
};

TEST_F(Gx5DecodeTest, ShortImageIsRefusedAndChangesNothing) {
    SizeList(*source, "ChannelName", 5);
    vd::ByteVector image = Generate(*source);
    EXPECT_EQ(target->ImageProblem(image), "");
    EXPECT_NE(MakeControl("GX5G")->ImageProblem(image), "") << "an image of the other model";
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

TEST_F(Gx5DecodeTest, BlankRadioImportsWithoutErrorTips) {
    vd::ByteVector image(55070, 0);
    const std::string magic = "RCDB";
    std::copy(magic.begin(), magic.end(), image.begin());
    int notices = 0;
    target->notice.connect([&notices](const std::string&) { ++notices; });
    ASSERT_TRUE(target->ImportImage(image));
    EXPECT_EQ(notices, 0) << "no zone at all is no dangling power-up zone";
    EXPECT_TRUE(InUseIds(*target, "ZoneName").empty());
}

TEST_F(Gx5DecodeTest, ValuesAreStoredAsTheyAreEvenWhereEditingIsLocked) {
    const auto channels = InUseIds(*source, "ChannelName");
    ASSERT_TRUE(source->SetInputValue(channels[0], "", "FOURTEEN-CHARS", true));
    SetSetting(*source, "SerialNO", "SN-0042");
    SetSetting(*source, "freqMax", "480000000");
    vd::ByteVector image = Generate(*source);
    ASSERT_TRUE(target->ImportImage(image));
    const auto imported = InUseIds(*target, "ChannelName");
    EXPECT_EQ(target->GetElement(imported[0])->inputValue, "FOURTEEN-CHARS");
    EXPECT_TRUE(target->IsElementReadOnly(imported[0], "ChannelName"));
    EXPECT_EQ(Setting(*target, "SerialNO"), "SN-0042");
    EXPECT_EQ(Setting(*target, "freqMax"), "480000000");
    EXPECT_EQ(Setting(*target, "ModelNumber"), "GX5  ");
    EXPECT_EQ(Setting(*target, "ModelNumber2"), "-0000000000000000000-PCB-01");
    EXPECT_EQ(Setting(*target, "swVer"), "V1.00.00.000");
    EXPECT_EQ(Setting(*target, "datVer"), "1");
}

TEST_F(Gx5DecodeTest, EveryChannelReadIsReported) {
    SizeList(*source, "ChannelName", 7);
    ProgressLog progress(*target);
    ASSERT_TRUE(target->ImportImage(Generate(*source)));
    EXPECT_EQ(InUseIds(*target, "ChannelName").size(), 7u);
    ASSERT_EQ(progress.count("Import Channel"), 7);
    EXPECT_EQ(progress.entries().front(), std::make_tuple(std::string("Import Channel"), 1, 7));
}

TEST_F(Gx5DecodeTest, ScanListKeepsItsMemberSlots) {
    const auto channels = InUseIds(*source, "ChannelName");
    const std::string scan = InUseIds(*source, "ScanName").front();
    source->SetFieldValue(scan, "Channel", {"", channels[6], "", "", channels[2]});
    SetSetting(*source, "home3PwrupZoneIndex", "");
    SetSetting(*source, "home3PwrupChnl", "");
    ASSERT_TRUE(target->ImportImage(Generate(*source)));
    const std::string imported = InUseIds(*target, "ScanName").front();
    EXPECT_EQ(Members(*target, imported),
              (std::vector<std::string>{channels[6], channels[2], "", "", ""}));
    EXPECT_EQ(FieldValue(*target, imported, "TxChannel"), channels[3])
        << "the 3 of an empty designated channel reads back as the channel there";
    EXPECT_EQ(FieldValue(*target, imported, "prio1Chnl"), "");
    EXPECT_EQ(Generate(*target)[kScanRecords + 16], 5);
    // an empty power-up position goes out as 0 and reads back as the first zone and channel
    EXPECT_EQ(Setting(*target, "home3PwrupZoneIndex"), InUseIds(*source, "ZoneName").front());
    EXPECT_EQ(Setting(*target, "home3PwrupChnl"), channels[3]);
}

TEST_F(Gx5DecodeTest, CountsAndIndexesAreBoundedByCapacity) {
    for (const char* model : {"GX5", "GX5G"}) {
        auto control = MakeControl(model);
        vd::ByteVector image(55070, 0xFF);
        ProgressLog progress(*control);
        const int warningsBefore = log.warnings();
        ASSERT_TRUE(control->ImportImage(image)) << model;
        EXPECT_EQ(InUseIds(*control, "ChannelName").size(),
                  static_cast<size_t>(control->GetCapacity("ChannelName")));
        EXPECT_EQ(InUseIds(*control, "ZoneName").size(),
                  static_cast<size_t>(control->GetCapacity("ZoneName")));
        EXPECT_EQ(InUseIds(*control, "dtmfSystem").size(), 4u);
        const std::string zone = InUseIds(*control, "ZoneName").front();
        EXPECT_EQ(Members(*control, zone).size(), 16u) << "member count bounded by the slots";
        EXPECT_EQ(Members(*control, zone).front(), "") << "member index beyond the channels";
        EXPECT_GT(progress.count("Import channel error"), 0);
        EXPECT_EQ(log.warnings() - warningsBefore, 2) << "the default number of tips";
        vd::ByteVector again;
        EXPECT_TRUE(control->GenerateImage(again, 3));
    }
}

TEST_F(Gx5DecodeTest, IndexTablePicksTheSlot) {
    SizeList(*source, "ChannelName", 4);
    vd::ByteVector image = Generate(*source);
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

TEST_F(Gx5DecodeTest, RandomImagesNeverBreakTheDocument) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    vd::ByteVector base = Generate(*source);
    for (int round = 0; round < 6; ++round) {
        vd::ByteVector image = base;
        for (int flips = 0; flips < 3000; ++flips) {
            image[random() % image.size()] = static_cast<uint8_t>(byte(random));
        }
        auto control = MakeControl(round % 2 == 0 ? "GX5" : "GX5G");
        ASSERT_TRUE(control->ImportImage(image));
        for (const char* list : {"ChannelName", "ZoneName", "ScanName", "EmergencyName", "fmName",
                                 "noaaName", "dtmfSystem"}) {
            EXPECT_LE(InUseIds(*control, list).size(),
                      static_cast<size_t>(control->GetCapacity(list)))
                << list;
        }
        vd::ByteVector again;
        EXPECT_TRUE(control->GenerateImage(again, 1));
    }
}

TEST_F(Gx5DecodeTest, CancelStopsWithBreak) {
    const vd::ByteVector image = Generate(*source);
    ProgressLog progress(*target, 2);
    EXPECT_THROW(target->ImportImage(image), vd::ValdrenCpsException);
}

} // namespace
} // namespace vdtest::gx5
