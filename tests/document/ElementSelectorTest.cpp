// The selectors the command line names elements by: ids, unique names, RECORD/FIELD[n].
#include "document/ElementSelector.h"
#include "document/FieldDescription.h"
#include "document/ProjectDiff.h"
#include "document/ProjectFile.h"
#include "tests/support/ModelHelpers.h"

#include <gtest/gtest.h>

namespace vdtest {
namespace {

TEST(ElementSelector, FindsByIdNameAndRecordFieldAndRefusesWhatIsNotOne) {
    auto control = vd::ProjectFile::New("GX5");
    ASSERT_NE(control, nullptr);
    vd::ElementList named;
    control->GetElementsByName("radioName", named);
    ASSERT_EQ(named.size(), 1u);
    const auto channels = InUseIds(*control, "ChannelName");
    const std::string zone = InUseIds(*control, "ZoneName").front();
    control->SetFieldValue(zone, "Channel", {channels[3], channels[4], channels[5]});
    ASSERT_TRUE(control->SetInputValue(channels[6], "", "Twin", true));
    ASSERT_TRUE(control->SetInputValue(channels[7], "", "Twin", true));
    const std::string vfo = control->GetElement(channels[0])->inputValue;
    vd::ElementList fields;
    control->GetChildElements(zone, fields);
    std::erase_if(fields, [](const vd::ElementPtr& field) { return field->name != "Channel"; });
    ASSERT_EQ(fields.size(), 3u);

    const std::pair<std::string, std::string> found[] = {
        {"radioName", named.front()->id},
        {named.front()->id, named.front()->id},
        {vfo + "/RxFrequency", FieldId(*control, channels[0], "RxFrequency")},
        {channels[1] + "/RxFrequency", FieldId(*control, channels[1], "RxFrequency")},
        {zone + "/Channel", fields[0]->id},
        {zone + "/Channel[1]", fields[1]->id}, // counted from 0
        {zone + "/Channel[2]", fields[2]->id},
    };
    for (const auto& [selector, id] : found) {
        EXPECT_EQ(vd::ResolveSelector(*control, selector)->id, id) << selector;
    }
    for (const std::string& bad :
         {std::string("RxFrequency"), std::string("nope"), vfo + "/nope", zone + "/Channel[3]",
          std::string("Twin/RxFrequency"), std::string("e99999999/RxFrequency")}) {
        EXPECT_THROW(vd::ResolveSelector(*control, bad), vd::SelectorError) << bad;
    }
    EXPECT_EQ(vd::ResolveRecord(*control, vfo)->id, channels[0]);
    EXPECT_THROW(vd::ResolveRecord(*control, "Twin"), vd::SelectorError);
    EXPECT_THROW(vd::ResolveRecord(*control, "nobody"), vd::SelectorError);
}

// What `set` accepts, as `vdcps describe` shows it; and the changes between two projects.
TEST(ElementSelector, DescriptionsAndDifferencesNameWhatTheyConcern) {
    auto before = vd::ProjectFile::New("GX5");
    auto after = vd::ProjectFile::New("GX5");
    const auto channels = InUseIds(*after, "ChannelName");
    const vd::ElementPtr power = FindField(*after, channels[3], "ChannelPower");
    EXPECT_EQ(vd::DescribeAccepted(*after, *power).rfind("choice: 0 (", 0), 0u)
        << vd::DescribeAccepted(*after, *power);
    EXPECT_NE(vd::DescribeAccepted(*after, *power).find(", 1 ("), std::string::npos);
    EXPECT_EQ(vd::DescribeAccepted(*after, *power).find(':', 7), std::string::npos)
        << "each choice as NUMBER (TEXT)";

    SetField(*after, channels[3], "RxFrequency", "146000000");
    ASSERT_TRUE(after->DeleteRecord(channels[4]));
    const std::string zone = InUseIds(*after, "ZoneName").front();
    std::vector<std::string> members = Members(*after, zone);
    members.push_back(channels[5]);
    after->SetFieldValue(zone, "Channel", members);
    std::vector<std::string> lines;
    for (const vd::Difference& difference : vd::CompareConfigurations(*before, *after)) {
        lines.push_back(vd::FormatDifference(difference));
    }
    const std::string name3 = after->GetElement(channels[3])->inputValue;
    for (const std::string& expected :
         {name3 + "/RxFrequency: 150.000000 -> 146.000000", std::string("- CH2")}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end())
            << expected << " in " << ::testing::PrintToString(lines);
    }
    EXPECT_EQ(lines.size(), 3u) << ::testing::PrintToString(lines);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find("/Channel[") != std::string::npos;
    })) << "the member added to the zone";
}

} // namespace
} // namespace vdtest
