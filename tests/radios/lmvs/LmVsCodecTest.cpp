// The memory image codec of the five models beyond where each value sits (the memory map test):
// sizes, channel packing, empty slots, settings read-back rules, cancel, and images read and
// written back unchanged.
#include "model/Exceptions.h"
#include "model/HamCpsElement.h"
#include "radios/lmvs/Bcd.h"
#include "tests/radios/lmvs/LmVsTestSupport.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <map>
#include <random>

namespace vdtest {
namespace {

using vd::ByteVector;

std::vector<std::string> ChannelsInUse(vd::LmVsControl& control) {
    return InUseIds(control, "ChannelName");
}

ByteVector Slot(const ByteVector& image, std::size_t slot) {
    return ByteVector(image.begin() + 16 + 16 * slot, image.begin() + 32 + 16 * slot);
}

long long SlotRx(const ByteVector& image, std::size_t slot) {
    return vd::bcd_to_int(std::span<const uint8_t, 4>(image.data() + 16 + 16 * slot, 4)) * 10;
}

TEST(LmVsBcdTest, PacksTheLeastSignificantPairFirstAndKeepsEightDigits) {
    EXPECT_EQ(vd::int_to_bcd(17400000), (vd::BcdBytes{0x00, 0x00, 0x40, 0x17}));
    EXPECT_EQ(vd::int_to_bcd(44600625), (vd::BcdBytes{0x25, 0x06, 0x60, 0x44}));
    EXPECT_EQ(vd::int_to_bcd(123456789), vd::int_to_bcd(23456789));
    EXPECT_EQ(vd::int_to_bcd(-5), (vd::BcdBytes{0, 0, 0, 0}));
    // nibbles above 9 count with their face value
    const vd::BcdBytes odd{0x1A, 0x00, 0x00, 0xFF};
    EXPECT_EQ(vd::bcd_to_int(odd), 20 + 165LL * 1000000);
}

TEST(LmVsCodecExamples, Vs73TakesItsBandFromTheChannelsItReads) {
    LmVsIni ini;
    for (const auto& [hz, band] :
         std::vector<std::pair<std::string, std::string>>{{"150000000", "0"}, {"446006250", "1"}}) {
        auto source = MakeLmVsControl("VS73");
        for (const std::string& channel : ChannelsInUse(*source)) {
            SetField(*source, channel, "rxfreq", hz);
        }
        ByteVector image;
        ASSERT_TRUE(source->GenerateImage(image, 1));
        auto target = MakeLmVsControl("VS73");
        target->SetValueByName("freq_range", band == "0" ? "1" : "0");
        ASSERT_TRUE(target->ImportImage(image));
        vd::ElementList range;
        target->GetElementsByName("freq_range", range);
        ASSERT_EQ(range.size(), 1u);
        EXPECT_EQ(range.front()->inputValue, band) << hz;
    }
}

// What the radio's settings bytes read as where the byte is outside the value's own range.
TEST(LmVsCodecExamples, SettingsReadBackByTheModelsRules) {
    LmVsIni ini;
    struct Case {
        std::string model;
        std::size_t offset;
        std::uint8_t byte;
        std::string name;
        std::string expected;
    };
    for (const Case& c :
         {Case{"VS31", 960, 0x00, "voice", "2"}, Case{"VS31", 960, 0x04, "voice", "1"},
          Case{"VS46", 303, 0xFC, "voice", "0"}, Case{"VS46", 303, 0xFF, "voice", "3"},
          Case{"VS46", 309, 0xFE, "save", ""}, Case{"VS46", 310, 0x80, "beep", "-126"},
          Case{"VS73", 303, 0xFF, "voice", "3"}, Case{"VS73", 309, 0xFE, "battery_save", ""}}) {
        auto control = MakeLmVsControl(c.model);
        ByteVector image;
        ASSERT_TRUE(control->GenerateImage(image, 1));
        image[c.offset] = c.byte;
        ASSERT_TRUE(control->ImportImage(image));
        EXPECT_EQ(Setting(*control, c.name), c.expected) << c.model << " " << c.name;
        if (!c.expected.empty() && c.expected.front() == '-') { // written back as the radio had it
            ASSERT_TRUE(control->GenerateImage(image, 1));
            EXPECT_EQ(image[c.offset], c.byte);
        }
    }
}

// A project without a setting (written by an older program) keeps the radio's byte there.
TEST(LmVsCodecExamples, SettingMissingFromTheDocumentKeepsTheRadiosByte) {
    LmVsIni ini;
    auto control = MakeLmVsControl("LM704");
    pugi::xml_document project;
    ASSERT_TRUE(project.load_file(control->GetTemplatePath().c_str(),
                                  pugi::parse_default | pugi::parse_comments));
    pugi::xml_node elements = project.document_element().child("elements");
    elements.remove_child(elements.find_child_by_attribute("element", "name", "tot"));
    const std::string path = ini.folder().file("edited.vdcps").string();
    ASSERT_TRUE(project.save_file(path.c_str()) && control->Load(path, ""));
    ByteVector image = Pattern(1008, 4);
    image[963] = 0x5A;
    ASSERT_TRUE(control->GenerateImage(image, 1));
    EXPECT_EQ(image[963], 0x5A);
    EXPECT_EQ(image[961], 3); // "squelch" from the document
}

TEST(LmVsCodecExamples, CancelStopsImportKeepingWhatWasSetAndGenerationTouchingNothing) {
    LmVsIni ini;
    auto control = MakeLmVsControl("VS73");
    ByteVector image;
    ASSERT_TRUE(control->GenerateImage(image, 1));
    image[16 + 0] = 0x50;  // slot 0: 446.00650 MHz
    image[16 + 32] = 0x50; // slot 2
    ProgressLog progress(*control);
    progress.cancelAt(2);
    EXPECT_THROW(control->ImportImage(image), vd::ValdrenCpsException);
    const std::vector<std::string> ids = ChannelsInUse(*control);
    EXPECT_EQ(FieldValue(*control, ids[0], "rxfreq"), "446006500");
    EXPECT_EQ(FieldValue(*control, ids[2], "rxfreq"), "446031250");

    ByteVector untouched;
    progress.cancelAt(progress.entries().size() + 2);
    EXPECT_THROW(control->GenerateImage(untouched, 1), vd::ValdrenCpsException);
    EXPECT_TRUE(untouched.empty());
}

TEST(LmVsCodecExamples, MoreChannelsThanSlotsAreRefused) {
    LmVsIni ini;
    auto control = MakeLmVsControl("VS58");
    vd::ElementPtr added;
    ASSERT_TRUE(control->NewRecord("e01090001", added)) << "the document, not the list, refuses";
    EXPECT_EQ(control->GetCapacity("ChannelName"), 16);
    ByteVector image = Pattern(1008, 2);
    EXPECT_THROW(control->GenerateImage(image, 1), vd::ValdrenCpsException);
    EXPECT_EQ(image, Pattern(1008, 2));
}

class LmVsCodecTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        control_ = MakeLmVsControl(GetParam());
        ASSERT_TRUE(control_);
        size_ = control_->Model().image.imageSize;
        keepsSlots_ = GetParam() == "VS31" || GetParam() == "VS58";
    }

    LmVsIni ini_;
    std::unique_ptr<vd::LmVsControl> control_;
    std::size_t size_ = 0;
    bool keepsSlots_ = false;
};

// Where each model keeps its settings, scan flags and keys, as the radio's memory map has it.
struct Places {
    std::size_t settings, settingsSize;
    bool scanBitmap, keys;
};
const std::map<std::string, Places> kPlaces = {{"LM704", {960, 10, false, false}},
                                               {"VS31", {960, 8, false, false}},
                                               {"VS46", {303, 16, true, false}},
                                               {"VS58", {960, 8, false, false}},
                                               {"VS73", {300, 16, true, true}}};

// The codec writes its own bytes only: the rest of the radio's image stays as it was, and an
// empty image grows to the whole size with zeros there.
TEST_P(LmVsCodecTest, ImageIsTheModelsWholeSizeWithZerosOutsideTheFields) {
    const Places& places = kPlaces.at(GetParam());
    std::vector<bool> field(size_, false);
    std::fill(field.begin() + 16, field.begin() + 272, true);
    std::fill_n(field.begin() + places.settings, places.settingsSize, true);
    field[382] = field[383] = places.scanBitmap;
    field[285] = field[286] = places.keys;
    ByteVector image;
    for (const ByteVector& before : {Pattern(size_, 7), ByteVector()}) {
        image = before;
        ASSERT_TRUE(control_->GenerateImage(image, 3));
        ASSERT_EQ(image.size(), size_);
        for (std::size_t i = 0; i < size_; ++i) {
            if (!field[i]) {
                ASSERT_EQ(image[i], before.empty() ? 0 : before[i]) << "byte " << i;
            }
        }
    }
    EXPECT_EQ(SlotRx(image, 15), 446193750); // CH16 of the template

    // an image of another size is refused and changes nothing
    std::fill(image.begin() + 16, image.begin() + 272, 0x00); // no channels
    ByteVector longer = image;
    longer.push_back(0);
    for (const ByteVector& wrong :
         {ByteVector(image.begin(), image.end() - 1), longer, ByteVector{}}) {
        EXPECT_FALSE(control_->ImportImage(wrong)) << wrong.size();
    }
    EXPECT_EQ(ChannelsInUse(*control_).size(), 16U);
    ASSERT_TRUE(control_->ImportImage(image));
    EXPECT_TRUE(ChannelsInUse(*control_).empty());
}

// Slots holding no channel have no record; on the next write they keep the radio's bytes.
TEST_P(LmVsCodecTest, EmptySlotsHaveNoRecordAndStayAsTheRadioHasThem) {
    ByteVector radio = Pattern(size_, 9);
    ASSERT_TRUE(control_->GenerateImage(radio, 1));
    std::fill_n(radio.begin() + 16 + 16 * 1, 16, 0xFF);
    std::fill_n(radio.begin() + 16 + 16 * 14, 16, 0x00);
    std::fill_n(radio.begin() + 16 + 16 * 15, 16, 0xFF);
    if (const auto bitmap = control_->Model().image.scanBitmapOffset) {
        radio[*bitmap + 1] = 0x80; // slot 15 scanned, slot 14 not
    }

    auto imported = MakeLmVsControl(GetParam());
    ASSERT_TRUE(imported->ImportImage(radio));
    const std::vector<std::string> ids = ChannelsInUse(*imported);
    ASSERT_EQ(ids.size(), 13U);
    EXPECT_EQ(FieldValue(*imported, ids[0], "rxfreq"), "446006250");
    EXPECT_EQ(FieldValue(*imported, ids[1], "rxfreq"), "446031250"); // the channel of slot 2

    ByteVector written = radio;
    ASSERT_TRUE(imported->GenerateImage(written, 1));
    // frequencies and tones moved up with their channels
    const auto head = [](const ByteVector& slot) {
        return ByteVector(slot.begin(), slot.begin() + 12);
    };
    EXPECT_EQ(head(Slot(written, 1)), head(Slot(radio, 2)));
    EXPECT_EQ(head(Slot(written, 12)), head(Slot(radio, 13)));
    EXPECT_EQ(Slot(written, 13), keepsSlots_ ? Slot(radio, 13) : ByteVector(16, 0));
    EXPECT_EQ(Slot(written, 14), Slot(radio, 14));
    EXPECT_EQ(Slot(written, 15), Slot(radio, 15));
    if (const auto bitmap = control_->Model().image.scanBitmapOffset) {
        EXPECT_EQ(written[*bitmap + 1] & 0xC0, 0x80);
    }
}

// Any values the fields can hold, written over a radio's image, read back as they were, and
// that image written back again is the same image byte for byte.
TEST_P(LmVsCodecTest, RadioImageReadAndWrittenBackIsUnchanged) {
    std::mt19937 random(static_cast<unsigned>(size_ + GetParam().size()));
    const auto& layout = control_->Model().image;
    std::map<std::pair<std::string, std::string>, std::string> set;
    for (const std::string& id : ChannelsInUse(*control_)) {
        for (const auto& field : layout.channelFields) {
            long long value = 0;
            switch (field.kind) {
            case vd::ChannelFieldKind::Frequency:
                value = 100000000 + static_cast<long long>(random() % 89999999) * 10;
                break;
            case vd::ChannelFieldKind::Tone:
                value = random() % 4 == 0 ? 0 : 1 + random() % 0xFFFE;
                break;
            case vd::ChannelFieldKind::Bits:
                value = random() % (1U << field.width);
                break;
            case vd::ChannelFieldKind::ScanBit:
                value = random() % 2;
                break;
            }
            set[{id, field.name}] = std::to_string(value);
            SetField(*control_, id, field.name, std::to_string(value));
        }
    }
    for (const auto& setting : layout.settings) {
        const unsigned limit = setting.width == 8 ? 128 : 1U << setting.width;
        const unsigned value =
            setting.zeroReadsAs >= 0 ? 1 + random() % (limit - 1) : random() % limit;
        control_->SetValueByName(setting.name, std::to_string(value));
    }
    for (const auto& key : layout.keyBytes) {
        control_->SetValueByName(key.name, std::to_string(random() % 16));
    }
    ByteVector radio = Pattern(size_, 11);
    ASSERT_TRUE(control_->GenerateImage(radio, 1));

    auto reader = MakeLmVsControl(GetParam());
    ASSERT_TRUE(reader->ImportImage(radio));
    for (const auto& [where, value] : set) { // a cleared check box reads back empty
        EXPECT_EQ(std::atoll(FieldValue(*reader, where.first, where.second).c_str()),
                  std::stoll(value))
            << where.first << " " << where.second;
    }
    for (const auto& setting : layout.settings) {
        EXPECT_EQ(std::atoll(Setting(*reader, setting.name).c_str()),
                  std::atoll(Setting(*control_, setting.name).c_str()));
    }
    ByteVector again = radio;
    ASSERT_TRUE(reader->GenerateImage(again, 1));
    EXPECT_EQ(Hex(again), Hex(radio));
}

INSTANTIATE_TEST_SUITE_P(Models, LmVsCodecTest, ::testing::ValuesIn(kLmVsModels),
                         [](const auto& info) { return info.param; });

} // namespace
} // namespace vdtest
