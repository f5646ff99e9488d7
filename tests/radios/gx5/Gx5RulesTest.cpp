// What the grid may accept, lock and derive on the GX5 and the GX5G.
#include "tests/radios/gx5/Gx5TestSupport.h"

#include "model/TextNumber.h"

#include <gtest/gtest.h>

namespace vdtest::gx5 {
namespace {

enum class Rule { Refuses, Accepts, None };

/// What the control's rule for name says of the value.
Rule Judge(vd::HamCpsControl& control, const std::string& name, const std::string& value) {
    std::string kind, allowed;
    std::vector<long long> lower, upper;
    if (!control.ValidateValue(name, kind, lower, upper, allowed)) {
        return Rule::None;
    }
    EXPECT_EQ(lower.size(), upper.size());
    if (kind == "char") {
        const bool charactersOk =
            allowed.empty() || value.find_first_not_of(allowed) == std::string::npos;
        const auto length = static_cast<long long>(value.size());
        return charactersOk && length >= lower.at(0) && length <= upper.at(0) ? Rule::Accepts
                                                                              : Rule::Refuses;
    }
    const long long number = vd::ParseDecimal(value);
    for (size_t i = 0; i < lower.size(); ++i) {
        if (number >= lower[i] && number <= upper[i]) {
            return Rule::Accepts;
        }
    }
    return Rule::Refuses;
}

class Gx5RulesTest : public ::testing::Test {
protected:
    TestIni ini;
    LogCapture log;
    std::unique_ptr<vd::Gx5v001Control> gx5 = MakeControl("GX5");
    std::unique_ptr<vd::Gx5v001Control> gx5g = MakeControl("GX5G");
};

TEST_F(Gx5RulesTest, ValueRulesOfBothModels) {
    constexpr Rule no = Rule::Refuses, yes = Rule::Accepts, none = Rule::None;
    struct Case {
        const char* name;
        const char* value;
        Rule gx5, gx5g;
    };
    std::vector<Case> cases = {
        {"FmFreq", "88000000", yes, yes}, // the GX5G keeps the other rules
        {"ReadingPassword", "12a4", no, no},
        {"ChannelName", "TwelveChars!", yes, yes},
        {"ChannelName", "ThirteenChars", no, no},
        {"emgId", "nine char", no, no},
        {"fastCallLst07", "0123456789ABCD*#", yes, yes},
        {"xfastCallLst07", "1", none, none}, // the prefix must stand at the start
        {"radioName", "", yes, yes},         // a radio may be nameless
        {"FmFreq", "110000001", no, no},
    };
    // the bands of the frequencies differ between the models
    for (const char* name : {"TxFrequency", "RxFrequency", "freqMin", "freqMax"}) {
        cases.push_back({name, "500000000", yes, no});
        cases.push_back({name, "223500000", yes, no});
        cases.push_back({name, "480000000", yes, yes});
        cases.push_back({name, "135999999", no, no});
        cases.push_back({name, "520000001", no, no});
    }
    for (const Case& c : cases) {
        EXPECT_EQ(Judge(*gx5, c.name, c.value), c.gx5) << c.name << " " << c.value;
        EXPECT_EQ(Judge(*gx5g, c.name, c.value), c.gx5g) << c.name << " " << c.value;
    }
}

TEST_F(Gx5RulesTest, ReadOnlyElements) {
    for (auto* control : {gx5.get(), gx5g.get()}) {
        EXPECT_TRUE(control->IsElementReadOnly("e01010001", "SerialNO"));
        EXPECT_TRUE(control->IsElementReadOnly("e01090004", "ChannelName"));
        EXPECT_FALSE(control->IsElementReadOnly("e01010001", "hwVer")) << "id and name together";
        EXPECT_FALSE(control->IsElementReadOnly("e01030001", "radioName"));
    }
    EXPECT_FALSE(gx5->IsElementReadOnly("e01090005", "ChannelName"));
    EXPECT_TRUE(gx5g->IsElementReadOnly("e01090005", "ChannelName"));
    EXPECT_TRUE(gx5g->IsElementReadOnly("e01090034", "ChannelName"));
    EXPECT_FALSE(gx5g->IsElementReadOnly("e01090035", "ChannelName"));
    EXPECT_TRUE(gx5g->IsElementReadOnly("e01090005", "RxFrequency"));
    EXPECT_FALSE(gx5g->IsElementReadOnly("e01090004", "TxFrequency")) << "a VFO";
    EXPECT_TRUE(gx5g->IsElementReadOnly("e01090012", "BandWidth"));
    EXPECT_FALSE(gx5g->IsElementReadOnly("e01090019", "BandWidth"));
    EXPECT_TRUE(gx5g->IsElementReadOnly("e01100002", "ScanName"));
    EXPECT_FALSE(gx5->IsElementReadOnly("e01100002", "ScanName"));
}

TEST_F(Gx5RulesTest, FixedFrequencySwitchesBandwidthPowerAndLocks) {
    vd::ElementPtr created;
    ASSERT_TRUE(gx5g->NewRecord("e01090001", created));
    const std::string channel = created->id;
    SetField(*gx5g, channel, "BandWidth", "0");
    SetField(*gx5g, channel, "ChannelPower", "2");
    const vd::ElementPtr tx = FindField(*gx5g, channel, "TxFrequency");
    bool refresh = false;
    ASSERT_TRUE(tx->SetValue(*gx5g, "467587500", refresh));
    std::vector<vd::ElementKey> dependents;
    EXPECT_TRUE(gx5g->OnValueChanged(*tx, "467587500", dependents));
    EXPECT_EQ(FieldValue(*gx5g, channel, "BandWidth"), "1");
    EXPECT_EQ(FieldValue(*gx5g, channel, "ChannelPower"), "0");
    EXPECT_EQ(FieldValue(*gx5g, channel, "attribute_space_lock"), "1");
    EXPECT_EQ(FieldValue(*gx5g, channel, "attribute_pwr_lock"), "1");
    EXPECT_EQ(dependents.size(), 4u);
    EXPECT_TRUE(gx5g->IsFieldDisabled(*FindField(*gx5g, channel, "BandWidth")));
    EXPECT_TRUE(FindField(*gx5g, channel, "ChannelPower")->IsLocked(*gx5g));
    EXPECT_FALSE(gx5g->IsFieldDisabled(*FindField(*gx5g, channel, "attribute_tail")));

    // the seven fixed channels lie 25 kHz apart from 467.5625 MHz; their neighbours are free
    for (long long k = -1; k <= 7; ++k) {
        const std::string frequency = std::to_string(467562500 + 25000 * k);
        ASSERT_TRUE(tx->SetValue(*gx5g, frequency, refresh));
        EXPECT_TRUE(gx5g->OnValueChanged(*tx, frequency, dependents));
        const char* const locked = k >= 0 && k < 7 ? "1" : "0";
        EXPECT_EQ(FieldValue(*gx5g, channel, "attribute_space_lock"), locked) << frequency;
        EXPECT_EQ(FieldValue(*gx5g, channel, "attribute_pwr_lock"), locked) << frequency;
    }
}

TEST_F(Gx5RulesTest, EmergencyTypeLocksTheLocalAlarm) {
    const std::string entry = InUseIds(*gx5g, "EmergencyName").front();
    SetField(*gx5g, entry, "localEmgAlarm", "1");
    const vd::ElementPtr type = FindField(*gx5g, entry, "emgType");
    bool refresh = false;
    ASSERT_TRUE(type->SetValue(*gx5g, "3", refresh));
    std::vector<vd::ElementKey> dependents;
    EXPECT_TRUE(gx5g->OnValueChanged(*type, "3", dependents));
    EXPECT_EQ(FieldValue(*gx5g, entry, "localEmgAlarm"), "0");
    ASSERT_EQ(dependents.size(), 1u);
    EXPECT_EQ(dependents[0].second, FieldId(*gx5g, entry, "localEmgAlarm"));
    EXPECT_TRUE(gx5g->IsElementReadOnly(entry, "localEmgAlarm"));
    EXPECT_FALSE(FindField(*gx5g, entry, "localEmgAlarm")->SetValue(*gx5g, "1", refresh));
}

TEST_F(Gx5RulesTest, MemberListTexts) {
    const std::string channel = InUseIds(*gx5, "ChannelName")[3];
    EXPECT_EQ(gx5->FormatMemberList({}), "None");
    EXPECT_EQ(gx5->FormatMemberList({"0x0FFF"}), "AllChannel");
    EXPECT_EQ(gx5->FormatMemberList({channel}), "CH1");
    EXPECT_EQ(gx5->FormatMemberList({"e99999999"}), "");
}

TEST_F(Gx5RulesTest, AllChannelsAndTheEndMark) {
    for (const char* field :
         {"home1PwrupZoneIndex", "home2PwrupZoneIndex", "home3PwrupZoneIndex"}) {
        EXPECT_FALSE(gx5->IsValueAllowed("0x0FFF", field)) << field;
        EXPECT_TRUE(gx5->IsValueAllowed("e01040002", field)) << field;
    }
    EXPECT_TRUE(gx5->IsValueAllowed("0x0FFF", "Channel"));
    EXPECT_TRUE(gx5->IsValueAllowed("0x0FFF", "ZoneName")) << "asked with the field's name";
    // the end mark of a zone read from a radio is no channel, but any other field may hold it
    EXPECT_FALSE(gx5->IsValueAllowed("0xFFFF", "Channel"));
    EXPECT_TRUE(gx5->IsValueAllowed("0xFFFF", "TxChannel"));
}

} // namespace
} // namespace vdtest::gx5
