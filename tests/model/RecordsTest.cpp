// List records: numbering, creation from the free record, deletion, member fields and the
// reference update.
#include "model/RecordNumbering.h"
#include "tests/model/ModelFixture.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <set>

namespace vdtest {
namespace {

TEST(RecordNumbering, ContinuesTheHighestOrTheLastNumber) {
    EXPECT_EQ(vd::NextNumberFromMax({"e01090001", "e01090002", "e01090010"}), "e01090011");
    EXPECT_EQ(vd::NextNumberFromMax({"e01090010", "e01090002"}), "e01090011")
        << "the highest number counts, not the last";
    EXPECT_EQ(vd::NextNumberFromMax({"CH1", "CH2", "CH10"}), "CH11");
    EXPECT_EQ(vd::NextNumberFromMax({"x0099"}), "x0100") << "the width stays";
    EXPECT_EQ(vd::NextNumberFromMax({"x99"}), "x100") << "the width grows when it must";
    EXPECT_EQ(vd::NextNumberFromMax({"99"}), "100") << "a name of digits only is all number";
    EXPECT_EQ(vd::NextNumberFromMax({"Zone"}), "Zone1") << "no digits: the stem then 1";
    EXPECT_EQ(vd::NextNumberFromMax({"", "A7"}), "A8") << "empty entries are skipped";
    EXPECT_EQ(vd::NextNumberFromMax({}), "1");

    EXPECT_EQ(vd::NextNumberFromLast({"e01090010", "e01090003"}, "e"), "e01090004");
    EXPECT_EQ(vd::NextNumberFromLast({"e01090010", ""}, "e"), "e0001");
    EXPECT_EQ(vd::NextNumberFromLast({}, "e0109"), "e01090001");

    vd::RecordNumberer numberer = vd::RecordNumberer::FromMax({"e01090998"});
    EXPECT_EQ(numberer.Next(), "e01090999");
    EXPECT_EQ(numberer.Next(), "e01091000");
}

class RecordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        control_ = MakeFixtureControl(FixturePath());
        ASSERT_TRUE(control_->ResetToTemplate());
    }

    std::vector<std::string> Values(const std::string& recordId, const std::string& field) {
        vd::ElementList fields;
        control_->GetChildElements(recordId, fields);
        std::vector<std::string> values;
        for (const auto& f : fields) {
            if (f->name == field) {
                values.push_back(f->inputValue);
            }
        }
        return values;
    }

    std::unique_ptr<FixtureControl> control_;
};

// The free record is found with the list's size and is never deleted, as no setting is.
TEST_F(RecordsTest, FreeRecordsAreFoundWithTheListSizeAndOnlyRecordsInUseAreDeleted) {
    vd::ElementList found;
    ASSERT_TRUE(control_->FindFreeRecord("c0109", found));
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[0]->id, "e01090001");
    vd::ElementList none;
    EXPECT_FALSE(control_->FindFreeRecord("c0103", none));
    EXPECT_TRUE(none.empty());

    EXPECT_FALSE(control_->DeleteRecord("e01090001")) << "the free record stays";
    EXPECT_FALSE(control_->DeleteRecord("e01030001")) << "a setting has no fields";
    EXPECT_FALSE(control_->DeleteRecord("e09999999"));
    EXPECT_TRUE(control_->DeleteRecord("e01090003"));
    EXPECT_EQ(control_->GetElement("e01090003"), nullptr);
    vd::ElementList channels;
    control_->GetElementsByName("ChannelName", channels);
    EXPECT_EQ(channels.size(), 3u);
}

TEST_F(RecordsTest, NewRecordCopiesTheFreeRecordAfterTheLastSibling) {
    vd::ElementPtr created;
    ASSERT_TRUE(control_->NewRecord("e01090001", created));
    EXPECT_EQ(created->id, "e01090005");
    EXPECT_EQ(created->controlType, 7);
    EXPECT_EQ(created->defaultValue, "");
    EXPECT_EQ(created->inputValue, "CH4") << "prefix from the free record, 1 + records in use";
    EXPECT_EQ(Values("e01090005", "RxFrequency"), std::vector<std::string>{"145000000"});

    vd::ElementList channels;
    control_->GetElements("c0109", channels);
    ASSERT_EQ(channels.size(), 5u);
    EXPECT_EQ(channels.back()->id, "e01090005");

    vd::ElementPtr zone;
    ASSERT_TRUE(control_->NewRecord("e01040001", zone));
    EXPECT_EQ(zone->inputValue, "Zone2") << "empty prefix: the name without \"Name\"";

    vd::ElementPtr none;
    EXPECT_FALSE(control_->NewRecord("e09999999", none));
    EXPECT_FALSE(control_->NewRecord("e01030001", none)) << "no defaultValue: not a free record";
}

TEST_F(RecordsTest, SetFieldValueGrowsAndShrinksFieldsOfOneName) {
    ASSERT_TRUE(control_->SetFieldValue("e01040002", "Channel", {"a", "b", "c", "d", "e"}));
    EXPECT_EQ(Values("e01040002", "Channel"), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    vd::ElementList grown;
    control_->GetChildElements("e01040002", grown);
    std::set<std::string> fieldIds;
    for (const auto& field : grown) {
        EXPECT_TRUE(fieldIds.insert(field->id).second) << "added fields get ids of their own";
    }
    ASSERT_TRUE(control_->SetInputValue("e01040002", grown[4]->id, "changed", false));
    EXPECT_EQ(Values("e01040002", "Channel")[4], "changed");
    ASSERT_TRUE(control_->SetFieldValue("e01040002", "Channel", {"x"}));
    EXPECT_EQ(Values("e01040002", "Channel"), std::vector<std::string>{"x"});
    ASSERT_TRUE(control_->SetFieldValue("e01040002", "Channel", {}));
    EXPECT_EQ(Values("e01040002", "Channel"), std::vector<std::string>{""})
        << "one field always stays";
    EXPECT_EQ(Values("e01040002", "Zone"), std::vector<std::string>{"e01040009"})
        << "other fields are left alone";
    EXPECT_FALSE(control_->SetFieldValue("e01040002", "NoSuchField", {"1"}));
    EXPECT_FALSE(control_->SetFieldValue("e09999999", "Channel", {"1"}));
}

TEST_F(RecordsTest, RemapReferencesDropsDeletedMembersAndKeepsOrder) {
    vd::ReferenceCache cache;
    EXPECT_FALSE(control_->RemapReferences("e01040002", "ZoneName", cache))
        << "all references resolve: nothing is written";
    ASSERT_TRUE(control_->DeleteRecord("e01090003"));
    vd::ReferenceCache fresh;
    EXPECT_TRUE(control_->RemapReferences("e01040002", "ZoneName", fresh));
    EXPECT_EQ(Values("e01040002", "Channel"), (std::vector<std::string>{"e01090002", "e01090004"}));
    EXPECT_EQ(Values("e01040002", "Zone"), std::vector<std::string>{"e01040009"})
        << "a reference field of another controlType is not touched";
}

TEST_F(RecordsTest, RemapReferencesLeavesOneEmptyFieldWhenNoMemberRemains) {
    ASSERT_TRUE(control_->SetFieldValue("e01040002", "Channel", {"e01090004"}));
    ASSERT_TRUE(control_->DeleteRecord("e01090004"));
    vd::ReferenceCache cache;
    EXPECT_TRUE(control_->RemapReferences("e01040002", "ZoneName", cache));
    EXPECT_EQ(Values("e01040002", "Channel"), std::vector<std::string>{""});
    vd::ReferenceCache again;
    EXPECT_FALSE(control_->RemapReferences("e01040002", "ZoneName", again))
        << "empty references are not touched";
}

TEST_F(RecordsTest, ResizeRecordListMakesTheListHoldExactlyTheCount) {
    std::vector<std::string> ids;
    ASSERT_TRUE(control_->ResizeRecordList("ChannelName", 5, ids));
    EXPECT_EQ(ids, (std::vector<std::string>{"e01090002", "e01090003", "e01090004", "e01090005",
                                             "e01090006"}));
    EXPECT_EQ(control_->GetElement("e01090006")->controlType, 7);
    ASSERT_TRUE(control_->ResizeRecordList("ChannelName", 1, ids));
    EXPECT_EQ(ids, std::vector<std::string>{"e01090002"});
    vd::ElementList channels;
    control_->GetElements("c0109", channels);
    EXPECT_EQ(channels.size(), 2u) << "the free record and one in use";
    EXPECT_FALSE(control_->ResizeRecordList("radioName", 2, ids)) << "no free record to copy";
}

// References name ids and follow the records; a setting that stores a position among them
// ("Pick") is renumbered to name the same record, and one beyond the list is left alone.
TEST_F(RecordsTest, ReorderRecordsMovesRecordsAndRenumbersPositions) {
    const std::vector<std::string> order = {"e01090004", "e01090002", "e01090003"};
    for (const auto& [pick, expected] : {std::pair{"1", "2"}, {"7", "7"}}) {
        ASSERT_TRUE(control_->ResetToTemplate());
        ASSERT_TRUE(control_->SetInputValue("e01030003", "", pick, true));
        ASSERT_TRUE(control_->ReorderRecords("c0109", order));
        vd::ElementList channels;
        control_->GetElements("c0109", channels);
        ASSERT_EQ(channels.size(), 4u);
        EXPECT_EQ(channels[0]->id, "e01090001") << "the free record keeps its place";
        EXPECT_EQ(channels[1]->inputValue, "CH3");
        EXPECT_EQ(channels[3]->inputValue, "CH2");
        EXPECT_EQ(control_->GetElement("e01030003")->inputValue, expected);
    }
    for (const auto& wrong :
         std::vector<std::vector<std::string>>{{"e01090004", "e01090002"},
                                               {"e01090004", "e01090004", "e01090003"},
                                               {"e01090004", "e01090002", "e01090001"}}) {
        EXPECT_FALSE(control_->ReorderRecords("c0109", wrong)) << wrong.size();
    }
}

TEST_F(RecordsTest, CapacityIsFoundByRecordNameOrShortName) {
    EXPECT_EQ(control_->GetCapacity("ChannelName"), 4);
    EXPECT_EQ(control_->GetCapacity("Channel"), 4);
    EXPECT_EQ(control_->GetCapacity("Scan"), -1);
    EXPECT_EQ(control_->FormatMemberList({}), "None");
    EXPECT_EQ(control_->FormatMemberList({"a", "b", "c"}), "3");
    EXPECT_EQ(control_->DefaultRecordName("ChannelName", "CH"), "CH4");
}

} // namespace
} // namespace vdtest
