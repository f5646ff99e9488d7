// What each model's template holds beyond the shared structure: the GX5 family's VFOs
// and the GX5G's fixed channel plan, the LM704/VS channel tables.
#include "tests/template/TemplateFixture.h"

#include <set>

namespace vdtest::tpl {
namespace {

std::string Attr(pugi::xml_node node, const char* name) {
    return node.attribute(name).value();
}

/// The value of a record's field, or nullopt when the record has no such field.
std::optional<std::string> FieldValue(pugi::xml_node record, const std::string& name) {
    pugi::xml_node field = record.find_child_by_attribute("element", "name", name.c_str());
    if (!field) {
        return std::nullopt;
    }
    return std::string(field.attribute("inputValue").value());
}

std::string ChannelId(int number) {
    const std::string digits = std::to_string(number);
    return "e0109" + std::string(4 - digits.size(), '0') + digits;
}

/// A channel of the GX5G's fixed plan as the radio shows it.
struct PlanChannel {
    const char* name;
    long rx;
    long tx;
};

// 22 channels and 8 repeater channels of the 462/467 MHz personal radio band.
const PlanChannel kGx5gPlan[] = {
    {"CH1", 462562500, 462562500},   {"CH2", 462587500, 462587500},
    {"CH3", 462612500, 462612500},   {"CH4", 462637500, 462637500},
    {"CH5", 462662500, 462662500},   {"CH6", 462687500, 462687500},
    {"CH7", 462712500, 462712500},   {"CH8", 467562500, 467562500},
    {"CH9", 467587500, 467587500},   {"CH10", 467612500, 467612500},
    {"CH11", 467637500, 467637500},  {"CH12", 467662500, 467662500},
    {"CH13", 467687500, 467687500},  {"CH14", 467712500, 467712500},
    {"CH15", 462550000, 462550000},  {"CH16", 462575000, 462575000},
    {"CH17", 462600000, 462600000},  {"CH18", 462625000, 462625000},
    {"CH19", 462650000, 462650000},  {"CH20", 462675000, 462675000},
    {"CH21", 462700000, 462700000},  {"CH22", 462725000, 462725000},
    {"RPT23", 462550000, 467550000}, {"RPT24", 462575000, 467575000},
    {"RPT25", 462600000, 467600000}, {"RPT26", 462625000, 467625000},
    {"RPT27", 462650000, 467650000}, {"RPT28", 462675000, 467675000},
    {"RPT29", 462700000, 467700000}, {"RPT30", 462725000, 467725000},
};

const std::set<std::string> kSevenFixedFrequencies = {
    "467562500", "467587500", "467612500", "467637500", "467662500", "467687500", "467712500"};

using Gx5FamilyTemplate = TemplateTest;

TEST_P(Gx5FamilyTemplate, ChannelListStartsWithTheThreeVfos) {
    const auto channels = file().RecordsInUse("ChannelName");
    ASSERT_GE(channels.size(), 4u);
    const char* vfos[] = {"VFO-A", "VFO-B", "VFO-C"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Attr(channels[i], "id"), ChannelId(2 + i));
        EXPECT_EQ(Attr(channels[i], "inputValue"), vfos[i]);
    }
    for (size_t i = 3; i < channels.size(); ++i) {
        EXPECT_NE(Attr(channels[i], "inputValue").rfind("VFO-", 0), 0u) << Attr(channels[i], "id");
    }
}

TEST_P(Gx5FamilyTemplate, FactoryListsHoldWhatAFreshRadioHas) {
    EXPECT_GE(file().RecordsInUse("ZoneName").size(), 1u);
    EXPECT_EQ(file().RecordsInUse("ScanName").size(), 1u);
    EXPECT_EQ(file().RecordsInUse("EmergencyName").size(), 1u);
    EXPECT_GE(file().RecordsInUse("fmName").size(), 1u);
    EXPECT_EQ(file().RecordsInUse("dtmfSystem").size(), 4u);
    std::set<std::string> weather;
    for (pugi::xml_node record : file().RecordsInUse("noaaName")) {
        weather.insert(FieldValue(record, "noaaFreq").value_or(""));
    }
    EXPECT_EQ(weather, (std::set<std::string>{"162400000", "162425000", "162450000", "162475000",
                                              "162500000", "162525000", "162550000"}));
}

TEST_P(Gx5FamilyTemplate, FixedFrequencyChannelsAreNarrowLowAndLocked) {
    // The GX5G forces these values whenever a transmit frequency becomes one of the seven;
    // the template must already agree with that rule.
    if (rules().family != Family::Gx5g) {
        GTEST_SKIP() << "the GX5 has no fixed frequencies";
    }
    for (pugi::xml_node record : file().ElementsNamed("ChannelName")) {
        const std::string id = Attr(record, "id");
        const bool fixed =
            kSevenFixedFrequencies.count(FieldValue(record, "TxFrequency").value_or(""));
        const auto locked = [&](const char* name) { return FieldValue(record, name) == "1"; };
        if (fixed) {
            EXPECT_EQ(FieldValue(record, "BandWidth"), "1") << id;
            EXPECT_EQ(FieldValue(record, "ChannelPower"), "0") << id;
            EXPECT_TRUE(locked("attribute_space_lock")) << id;
            EXPECT_TRUE(locked("attribute_pwr_lock")) << id;
        } else {
            EXPECT_FALSE(locked("attribute_space_lock")) << id;
            EXPECT_FALSE(locked("attribute_pwr_lock")) << id;
        }
    }
}

TEST_P(Gx5FamilyTemplate, FixedChannelsFollowThePersonalRadioPlan) {
    if (rules().family != Family::Gx5g) {
        GTEST_SKIP() << "the GX5 has no fixed channels";
    }
    const auto channels = file().RecordsInUse("ChannelName");
    ASSERT_GE(channels.size(), 33u);
    int number = 5;
    for (const PlanChannel& plan : kGx5gPlan) {
        const pugi::xml_node record = file().ElementById(ChannelId(number));
        ASSERT_TRUE(record) << ChannelId(number);
        EXPECT_EQ(Attr(record, "controlType"), "7");
        EXPECT_EQ(Attr(record, "inputValue"), plan.name);
        EXPECT_EQ(FieldValue(record, "RxFrequency"), std::to_string(plan.rx)) << plan.name;
        EXPECT_EQ(FieldValue(record, "TxFrequency"), std::to_string(plan.tx)) << plan.name;
        const bool fixed = number >= 12 && number <= 18;
        EXPECT_EQ(kSevenFixedFrequencies.count(std::to_string(plan.tx)) == 1, fixed) << plan.name;
        ++number;
    }
}

TEST_P(Gx5FamilyTemplate, SilentEmergencyEntriesHaveNoLocalAlarm) {
    // The GX5G clears and locks the local alarm of the silent alarm types 2 and 3.
    for (pugi::xml_node record : file().ElementsNamed("EmergencyName")) {
        const std::string type = FieldValue(record, "emgType").value_or("");
        if (type == "2" || type == "3") {
            EXPECT_NE(FieldValue(record, "localEmgAlarm"), "1") << Attr(record, "id");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Models, Gx5FamilyTemplate,
                         ::testing::Values(RulesFor("GX5"), RulesFor("GX5G")), ModelName);

using LmVsTemplate = TemplateTest;

TEST_P(LmVsTemplate, SixteenChannelsInUseAfterTheFreeRecord) {
    const auto records = file().ElementsNamed("ChannelName");
    ASSERT_EQ(records.size(), 17u);
    std::set<std::string> names;
    for (int k = 0; k < 17; ++k) {
        EXPECT_EQ(Attr(records[k], "id"), ChannelId(k + 1));
        EXPECT_EQ(Attr(records[k], "controlType"), k == 0 ? "0" : "7");
        if (k > 0) {
            EXPECT_TRUE(names.insert(Attr(records[k], "inputValue")).second)
                << "two channels named " << Attr(records[k], "inputValue");
        }
    }
}

TEST_P(LmVsTemplate, Vs73FrequenciesFollowItsRangeSetting) {
    if (rules().model != "VS73") {
        GTEST_SKIP() << "fixed range checked with the other values";
    }
    const auto range = file().ElementsNamed("freq_range");
    ASSERT_EQ(range.size(), 1u);
    const bool uhf = range.front().attribute("inputValue").as_int() != 0;
    const long low = uhf ? 400000000 : 136000000;
    const long high = uhf ? 480000000 : 174000000;
    for (pugi::xml_node record : file().ElementsNamed("ChannelName")) {
        for (const char* name : {"rxfreq", "txfreq"}) {
            const long hz = std::stol(FieldValue(record, name).value_or("0"));
            EXPECT_TRUE(hz >= low && hz <= high)
                << Attr(record, "id") << " " << name << " = " << hz;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Models, LmVsTemplate,
                         ::testing::Values(RulesFor("LM704"), RulesFor("VS31"), RulesFor("VS46"),
                                           RulesFor("VS58"), RulesFor("VS73")),
                         ModelName);

} // namespace
} // namespace vdtest::tpl
