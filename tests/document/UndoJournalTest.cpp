// The undo journal: every kind of change comes back exactly on Undo and again on Redo, the
// saved state is known across undo and redo, and the history keeps only its last steps.
#include "document/UndoJournal.h"
#include "document/ProjectFile.h"
#include "document/RecordReferences.h"
#include "model/CommonCpsControl.h"
#include "model/xml/XmlStore.h"
#include "tests/support/ModelHelpers.h"

#include <functional>
#include <gtest/gtest.h>

namespace vdtest {
namespace {

/// Every top-level element of the document as text, in order.
std::string Values(vd::HamCpsControl& control) {
    struct Writer : pugi::xml_writer {
        std::string text;
        void write(const void* data, size_t size) override {
            text.append(static_cast<const char*>(data), size);
        }
    } writer;
    control.ValueStore()->ElementsNode().print(writer, "", pugi::format_raw);
    return writer.text;
}

struct ChangeCase {
    const char* name;
    const char* model;
    std::function<void(vd::CommonCpsControl&, const std::vector<std::string>& channels)> change;
};

const ChangeCase kChanges[] = {
    {"OneField", "GX5", [](auto& c, auto& ch) { SetField(c, ch[1], "RxFrequency", "146520000"); }},
    {"Setting", "GX5", [](auto& c, auto&) { SetSetting(c, "radioName", "Trail & <7>\n\"x\""); }},
    {"NewRecord", "GX5",
     [](auto& c, auto& ch) {
         vd::ElementPtr created;
         vd::ElementList free;
         ASSERT_TRUE(c.FindFreeRecord(c.GetElement(ch[0])->parentID, free));
         ASSERT_TRUE(c.NewRecord(free.front()->id, created));
     }},
    {"DeleteMiddleRecordAndItsReference", "GX5",
     [](auto& c, auto& ch) {
         ASSERT_TRUE(c.DeleteRecord(ch[1]));
         ASSERT_EQ(vd::ClearReferencesTo(c, {ch[1]}), 1u) << "the zone's member is cleared at once";
     }},
    {"ReorderedRecords", "LM704",
     [](auto& c, auto&) {
         pugi::xml_node elements = c.ValueStore()->ElementsNode();
         std::vector<std::string> ids = InUseIds(c, "ChannelName");
         // the second channel moves before the first, as a sort would move it
         elements.insert_move_before(c.ValueStore()->ElementById(ids[1]),
                                     c.ValueStore()->ElementById(ids[0]));
         c.ValueStore()->InvalidateIndex();
     }},
    {"BandSwitchMovesEveryChannel", "VS73",
     [](auto& c, auto& ch) {
         for (const std::string& id : ch) {
             SetField(c, id, "rxfreq", "446000000");
         }
         SetSetting(c, "freq_range", "0");
         vd::ElementList range;
         c.GetElementsByName("freq_range", range);
         std::vector<vd::ElementKey> moved;
         ASSERT_TRUE(c.OnValueChanged(*range.front(), "0", moved));
     }},
};

class UndoJournalChange : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(UndoJournalChange, UndoGivesBackTheStateBeforeAndRedoTheStateAfter) {
    auto control = vd::ProjectFile::New(GetParam().model);
    auto& common = dynamic_cast<vd::CommonCpsControl&>(*control);
    const std::vector<std::string> channels = SizeList(common, "ChannelName", 3);
    if (std::string(GetParam().model) == "GX5") {
        const std::string zone = SizeList(common, "ZoneName", 1).front();
        ASSERT_TRUE(common.SetFieldValue(zone, "Channel", {channels[0], channels[1]}));
    }
    vd::UndoJournal journal;
    journal.Reset(control->ValueStore());
    const std::string before = Values(*control);

    GetParam().change(common, channels);
    ASSERT_TRUE(journal.Record("Change"));
    const std::string after = Values(*control);
    ASSERT_NE(before, after);
    EXPECT_FALSE(journal.Record("Nothing")) << "an unchanged document makes no step";

    EXPECT_EQ(journal.Undo(), "Change");
    EXPECT_EQ(Values(*control), before);
    EXPECT_EQ(journal.Redo(), "Change");
    EXPECT_EQ(Values(*control), after);
    // the id index follows the replaced elements
    EXPECT_NE(control->ValueStore()->ElementById(InUseIds(*control, "ChannelName").back()),
              pugi::xml_node());
}

INSTANTIATE_TEST_SUITE_P(Kinds, UndoJournalChange, ::testing::ValuesIn(kChanges),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UndoJournal, SavedStateFollowsUndoRedoAndIsLostWhenItsRedoIsDropped) {
    auto control = vd::ProjectFile::New("GX5");
    vd::UndoJournal journal;
    journal.Reset(control->ValueStore());
    SetSetting(*control, "radioName", "A");
    journal.Record("A");
    journal.MarkSaved();
    SetSetting(*control, "radioName", "B");
    journal.Record("B");
    EXPECT_FALSE(journal.IsAtSavedState());
    journal.Undo();
    EXPECT_TRUE(journal.IsAtSavedState());
    journal.Undo();
    EXPECT_FALSE(journal.IsAtSavedState());
    EXPECT_EQ(journal.RedoName(), "A");
    SetSetting(*control, "radioName", "C");
    journal.Record("C");
    EXPECT_FALSE(journal.CanRedo());
    journal.Undo();
    EXPECT_FALSE(journal.IsAtSavedState()) << "the saved state went with the dropped redo";
    EXPECT_THROW(journal.Undo(), vd::NoUndoStep);
}

TEST(UndoJournal, KeepsTheNewestStepsOnly) {
    auto control = vd::ProjectFile::New("VS46");
    vd::UndoJournal journal(3);
    journal.Reset(control->ValueStore(), false);
    for (const char* name : {"1", "2", "3", "4", "5"}) {
        SetSetting(*control, "squelch", name);
        journal.Record(name);
    }
    EXPECT_EQ(journal.StepCount(), 3u);
    for (const char* name : {"5", "4", "3"}) {
        EXPECT_EQ(journal.Undo(), name);
    }
    EXPECT_FALSE(journal.CanUndo());
    EXPECT_EQ(Setting(*control, "squelch"), "2");
    EXPECT_FALSE(journal.IsAtSavedState());
}

} // namespace
} // namespace vdtest
