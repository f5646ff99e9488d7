// The value rules of the five models: read-only elements, frequency limits, channel
// references and the VS73's band switch.
#include "radios/lmvs/LmVsRules.h"
#include "model/HamCpsElement.h"
#include "tests/radios/lmvs/LmVsTestSupport.h"

#include <gtest/gtest.h>

namespace vdtest {
namespace {

TEST(LmVsRulesTest, ReadOnlyElementsFollowTheModel) {
    struct Case {
        std::string model;
        std::string id;
        std::string name;
        bool readOnly;
    };
    for (const Case& c :
         {Case{"LM704", "e01010010", "vhf_range", true}, Case{"LM704", "e01090003", "rxfreq", true},
          Case{"LM704", "e01090001", "highpower", true}, Case{"LM704", "e01090017", "txfreq", true},
          Case{"LM704", "e01090018", "txfreq", false}, Case{"LM704", "e01090003", "rx_tone", false},
          Case{"LM704", "e01090001", "ChannelName", false},
          Case{"LM704", "e01090002", "ChannelName", true}, Case{"VS31", "e01090005", "wide", true},
          Case{"VS31", "e01090005", "highpower", false},
          Case{"VS46", "e01090005", "highpower", true}, Case{"VS58", "e01090017", "wide", true},
          Case{"VS58", "e01010010", "vhf_range", false},
          Case{"VS73", "e01010011", "uhf_range", true}, Case{"VS73", "e01090003", "rxfreq", false},
          Case{"VS73", "e01090017", "ChannelName", true}}) {
        auto control = MakeLmVsControl(c.model);
        EXPECT_EQ(control->IsElementReadOnly(c.id, c.name), c.readOnly)
            << c.model << " " << c.id << "_" << c.name;
    }
}

TEST(LmVsRulesTest, FrequenciesAreLimitedToTheModelsBand) {
    std::string kind;
    std::vector<long long> lower;
    std::vector<long long> upper;
    std::string allowed;
    for (const char* model : {"LM704", "VS31", "VS46", "VS58"}) {
        auto control = MakeLmVsControl(model);
        ASSERT_TRUE(control->ValidateValue("txfreq", kind, lower, upper, allowed)) << model;
        EXPECT_EQ(kind, "value");
        EXPECT_EQ(lower, std::vector<long long>{400000000});
        EXPECT_EQ(upper, std::vector<long long>{470000000});
        EXPECT_FALSE(control->ValidateValue("rx_tone", kind, lower, upper, allowed));
    }
    auto vs73 = MakeLmVsControl("VS73");
    ASSERT_TRUE(vs73->ValidateValue("rxfreq", kind, lower, upper, allowed)); // "freq_range" 1
    EXPECT_EQ(lower, std::vector<long long>{400000000});
    EXPECT_EQ(upper, std::vector<long long>{480000000});
    vs73->SetValueByName("freq_range", "0");
    ASSERT_TRUE(vs73->ValidateValue("rxfreq", kind, lower, upper, allowed));
    EXPECT_EQ(lower, std::vector<long long>{136000000});
    EXPECT_EQ(upper, std::vector<long long>{174000000});
}

TEST(LmVsRulesTest, ChannelReferencesFollowTheModel) {
    auto lm704 = MakeLmVsControl("LM704");
    auto vs46 = MakeLmVsControl("VS46");
    for (const auto& [name, lm704Ref, lm704Target, vs46Ref, vs46Target] :
         std::vector<std::tuple<std::string, bool, std::string, bool, std::string>>{
             {"TxChannel", true, "", true, "ChannelName"},
             {"prio1Chnl", false, "", false, ""},
             {"home1PwrupChnl", false, "", true, "ChannelName"},
             {"Zone", false, "", true, "ZoneName"}}) {
        EXPECT_EQ(lm704->IsReferenceName(name), lm704Ref) << name;
        EXPECT_EQ(lm704->GetReferenceTarget(name), lm704Target) << name;
        EXPECT_EQ(vs46->IsReferenceName(name), vs46Ref) << name;
        EXPECT_EQ(vs46->GetReferenceTarget(name), vs46Target) << name;
    }
}

TEST(LmVsRulesTest, NearestInRangeKeepsValuesInsideAndPicksTheCloserLimit) {
    const std::vector<long long> lower{136000000, 400000000};
    const std::vector<long long> upper{174000000, 480000000};
    EXPECT_EQ(vd::nearest_in_range("150000000", lower, upper), "150000000");
    EXPECT_EQ(vd::nearest_in_range("446000000", lower, upper), "446000000");
    EXPECT_EQ(vd::nearest_in_range("446000000", {136000000}, {174000000}), "174000000");
    EXPECT_EQ(vd::nearest_in_range("300000000", lower, upper), "400000000");
    EXPECT_EQ(vd::nearest_in_range("-5", lower, upper), "136000000");
    // equally far from both: the lower limits are looked at first
    EXPECT_EQ(vd::nearest_in_range("5", {0}, {10}), "5");
    EXPECT_EQ(vd::nearest_in_range("15", {10, 20}, {10, 20}), "10");
}

TEST(LmVsRulesTest, Vs73BandSwitchMovesChannelsToTheNearestLimit) {
    auto vs73 = MakeLmVsControl("VS73");
    ASSERT_TRUE(vs73->SetInputValue("e01090002", "e01099001", "446000000", true));
    ASSERT_TRUE(vs73->SetInputValue("e01090003", "e01099001", "150000000", true));
    vs73->SetValueByName("freq_range", "0");
    vd::ElementList range;
    vs73->GetElementsByName("freq_range", range);
    std::vector<vd::ElementKey> changed;
    ASSERT_TRUE(vs73->OnValueChanged(*range.front(), "0", changed));

    vd::ElementList fields;
    vs73->GetChildElements("e01090002", fields);
    EXPECT_EQ(fields[0]->inputValue, "174000000");
    fields.clear();
    vs73->GetChildElements("e01090003", fields);
    EXPECT_EQ(fields[0]->inputValue, "150000000");
    EXPECT_EQ(changed.size(), 32U); // rxfreq and txfreq of the 16 channels
    EXPECT_EQ(changed.front(), vd::ElementKey("e01090002", "e01099001"));

    vd::ElementList squelch;
    vs73->GetElementsByName("squelch", squelch);
    changed.clear();
    EXPECT_FALSE(vs73->OnValueChanged(*squelch.front(), "1", changed));
    EXPECT_TRUE(changed.empty());
}

} // namespace
} // namespace vdtest
