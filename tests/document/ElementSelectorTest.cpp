// The selectors the command line names elements by: ids, unique names, RECORD/FIELD[n].
#include "document/ElementSelector.h"
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

} // namespace
} // namespace vdtest
