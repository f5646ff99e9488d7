// Every model's template through its own control: it loads, and each list survives being
// filled to capacity and emptied again.
#include "app/ModelRegistry.h"
#include "document/ProjectFile.h"

#include <gtest/gtest.h>
#include <set>

namespace vdtest {
namespace {

class ModelTemplate : public ::testing::TestWithParam<std::string> {};

TEST_P(ModelTemplate, ListsFillToCapacityAndEmptyAgain) {
    auto control = vd::ProjectFile::New(GetParam());
    ASSERT_NE(control, nullptr);

    std::vector<vd::HamCpsChapter> pending;
    control->GetChapters("", pending);
    int lists = 0;
    while (!pending.empty()) {
        const vd::HamCpsChapter chapter = pending.back();
        pending.pop_back();
        control->GetChapters(chapter.id, pending);
        vd::ElementList found;
        if (control->GetNodeKind(chapter.id, "chapter") != 322 ||
            !control->FindFreeRecord(chapter.id, found)) {
            continue;
        }
        ++lists;
        const std::string freeId = found.front()->id;
        const std::string recordName = found.front()->name;
        const int capacity = control->GetCapacity(recordName);
        ASSERT_GT(capacity, 0) << recordName;

        const auto records = [&] {
            vd::ElementList list;
            control->GetElements(chapter.id, list);
            return list;
        };
        const int inUse = static_cast<int>(records().size()) - 1;
        ASSERT_LE(inUse, capacity) << recordName << " holds more than its capacity";
        std::set<std::string> ids;
        for (int count = inUse; count < capacity; ++count) {
            vd::ElementPtr created;
            ASSERT_TRUE(control->NewRecord(freeId, created)) << recordName;
            EXPECT_TRUE(ids.insert(created->id).second) << "ids stay unique: " << created->id;
        }
        for (const vd::ElementPtr& record : records()) {
            if (record->controlType != 0) {
                EXPECT_TRUE(control->DeleteRecord(record->id)) << record->id;
            }
        }
        const vd::ElementList left = records();
        ASSERT_EQ(left.size(), 1u) << recordName << ": only the free record is left";
        EXPECT_EQ(left.front()->id, freeId);
    }
    EXPECT_GE(lists, 1);
}

INSTANTIATE_TEST_SUITE_P(AllModels, ModelTemplate,
                         ::testing::ValuesIn(vd::ModelRegistry::ModelNames()));

} // namespace
} // namespace vdtest
