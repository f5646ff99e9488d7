// The selectors the command line names elements by: ids, unique names, RECORD/FIELD[n].
#include "document/ElementSelector.h"
#include "document/FieldDescription.h"
#include "document/ProjectDiff.h"
#include "document/ProjectFile.h"
#include "tests/support/ModelHelpers.h"

#include <gtest/gtest.h>
#include <set>

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

    // CH1 changes, CH2 goes, CH3 is renamed, a record is added and Zone1 holds others
    SetField(*after, channels[3], "RxFrequency", "146000000");
    ASSERT_TRUE(after->DeleteRecord(channels[4]));
    ASSERT_TRUE(after->SetInputValue(channels[5], "", "Rock", false));
    vd::ElementPtr added;
    ASSERT_TRUE(after->NewRecord("e01090001", added)); // after the free channel record
    const std::string zone = InUseIds(*after, "ZoneName").front();
    std::vector<std::string> members = Members(*after, zone);
    members[0] = channels[5];
    members[1] = channels[3];
    members[2] = "";
    after->SetFieldValue(zone, "Channel", members);
    std::multiset<std::string> lines;
    for (const vd::Difference& difference : vd::CompareConfigurations(*before, *after)) {
        lines.insert(vd::FormatDifference(difference));
    }
    // a renamed member shows where it moved, and nowhere else
    EXPECT_EQ(lines, (std::multiset<std::string>{"CH1/RxFrequency: 150.000000 -> 146.000000",
                                                 "- CH2", channels[5] + ": CH3 -> Rock",
                                                 "+ " + after->GetElement(added->id)->inputValue,
                                                 "Zone1/Channel[0]: CH1 -> Rock",
                                                 "Zone1/Channel[1]: CH2 -> CH1",
                                                 "Zone1/Channel[2]: CH3 -> None"}));
}

} // namespace
} // namespace vdtest
