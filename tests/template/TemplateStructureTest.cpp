// Structure of the template files: the tree of chapters, element ids, list records and
// window layouts, as the program's queries and list handling expect them.
#include "tests/template/TemplateFixture.h"

#include <algorithm>
#include <map>
#include <regex>
#include <set>

namespace vdtest::tpl {
namespace {

/// The running number of a record id ("e01090012" gives 12).
int RunningNumber(const std::string& id) {
    return std::stoi(id.substr(5));
}

using TemplateStructure = TemplateTest;

TEST_P(TemplateStructure, RootNamesTheModelAndHoldsEachPartOnce) {
    // a project file is recognised by its root's name
    EXPECT_EQ(vd::ModelRegistry::ModelNameForIdentifier(root().name()), GetParam());
    for (const char* container : {"chapters", "elements", "global_value"}) {
        EXPECT_EQ(ElementChildren(root(), container).size(), 1u) << container;
    }
    EXPECT_STREQ(root().child("chapters").attribute("type").value(), "template");
}

TEST_P(TemplateStructure, ChapterTreeHangsFromTheRadio) {
    std::set<std::string> ids;
    for (pugi::xml_node chapter : ElementChildren(store().ChaptersNode(), "chapter")) {
        EXPECT_TRUE(ids.insert(Attr(chapter, "id")).second) << "duplicate " << Attr(chapter, "id");
    }
    for (pugi::xml_node chapter : ElementChildren(store().ChaptersNode(), "chapter")) {
        const std::string id = Attr(chapter, "id");
        const std::string parent = Attr(chapter, "parentID");
        if (id == "c01") {
            EXPECT_EQ(parent, "") << "the tree asks for chapters whose parentID is empty";
            continue;
        }
        EXPECT_TRUE(ids.count(parent)) << id << " names a missing parent " << parent;
        EXPECT_EQ(Attr(chapter, "showElement"), IsListChapter(id) ? "1" : "0") << id;
    }
}

TEST_P(TemplateStructure, ElementIdsAreUniqueAndParentsExist) {
    const std::regex idPattern("e[0-9]{8}");
    std::set<std::string> ids;
    for (pugi::xml_node element : ElementChildren(store().ElementsNode())) {
        const std::string id = Attr(element, "id");
        const std::string chapter = Attr(element, "parentID");
        EXPECT_TRUE(std::regex_match(id, idPattern)) << id;
        EXPECT_TRUE(ids.insert(id).second) << "duplicate element id " << id;
        EXPECT_TRUE(store().ChapterById(chapter)) << id << " names a missing chapter " << chapter;
        const auto fields = ElementChildren(element);
        if (!fields.empty()) {
            EXPECT_TRUE(IsListChapter(chapter)) << "record " << id << " outside a list chapter";
        }
        std::set<std::string> fieldIds;
        for (pugi::xml_node field : fields) {
            const std::string fieldId = Attr(field, "id");
            EXPECT_TRUE(std::regex_match(fieldId, idPattern)) << id << "/" << fieldId;
            EXPECT_TRUE(fieldIds.insert(fieldId).second)
                << "duplicate field " << id << "/" << fieldId;
            EXPECT_EQ(Attr(field, "parentID"), id) << fieldId;
            EXPECT_TRUE(ElementChildren(field).empty())
                << "field with fields: " << id << "/" << fieldId;
        }
    }
}

TEST_P(TemplateStructure, EveryNodeHasANameAndBothLanguages) {
    for (pugi::xml_node chapter : ElementChildren(store().ChaptersNode(), "chapter")) {
        for (const char* name : {"text", "textENG", "textCHN"}) {
            EXPECT_STRNE(chapter.attribute(name).value(), "") << Attr(chapter, "id") << " " << name;
        }
    }
    for (pugi::xml_node element : AllElements(store())) {
        const std::string where = Attr(element.parent(), "id") + "/" + Attr(element, "id");
        for (const char* name : {"name", "textENG", "textCHN"}) {
            EXPECT_STRNE(element.attribute(name).value(), "") << where << " " << name;
        }
        if (element.attribute("tiptext")) {
            EXPECT_STRNE(element.attribute("tiptextCHN").value(), "") << where;
        }
    }
}

TEST_P(TemplateStructure, EveryListHasARadioCapacityAndStartsWithItsFreeRecord) {
    for (pugi::xml_node chapter : ElementChildren(store().ChaptersNode(), "chapter")) {
        if (!IsListChapter(Attr(chapter, "id"))) {
            continue;
        }
        const auto records = store().ElementsByParent(Attr(chapter, "id"));
        ASSERT_FALSE(records.empty()) << Attr(chapter, "id");
        const std::string recordName = Attr(records.front(), "name");
        SCOPED_TRACE(recordName);
        const int capacity = control().GetCapacity(recordName);
        // zones and scan lists hold up to one image record's member slots
        const bool hasMembers = recordName == "ZoneName" || recordName == "ScanName";
        ASSERT_GT(capacity, 0);
        EXPECT_GE(RecordsInUse(store(), recordName).size(), 1u);
        EXPECT_EQ(store().ElementsByName(recordName).size(), records.size())
            << "records of the list outside its chapter, or other elements inside it";

        const pugi::xml_node free = records.front();
        EXPECT_EQ(Attr(free, "controlType"), "0");
        EXPECT_EQ(Attr(free, "defaultValue"), "7");
        const std::string freeId = Attr(free, "id");
        EXPECT_EQ(freeId.substr(5), "0001");

        int previous = 0;
        std::map<std::string, std::string> freeFieldIds;
        for (pugi::xml_node field : ElementChildren(free)) {
            freeFieldIds.emplace(Attr(field, "name"), Attr(field, "id"));
        }
        for (pugi::xml_node record : records) {
            const std::string id = Attr(record, "id");
            EXPECT_EQ(Attr(record, "name"), recordName) << id;
            EXPECT_EQ(id.substr(0, 5), freeId.substr(0, 5)) << id;
            EXPECT_GT(RunningNumber(id), previous) << id << " breaks the numbering";
            previous = RunningNumber(id);
            if (record != free) {
                EXPECT_EQ(Attr(record, "controlType"), "7") << id;
            }
            // New records are copies of the free record: the same fields, with the same ids.
            std::map<std::string, int> counts;
            for (pugi::xml_node field : ElementChildren(record)) {
                const std::string name = Attr(field, "name");
                if (++counts[name] == 1) {
                    const auto inFree = freeFieldIds.find(name);
                    EXPECT_TRUE(inFree != freeFieldIds.end() && inFree->second == Attr(field, "id"))
                        << id << "/" << name << " is not the free record's field";
                }
            }
            EXPECT_EQ(counts.size(), freeFieldIds.size()) << id << " lacks a free record's field";
            for (const auto& [name, count] : counts) {
                if (name != "Channel" || !hasMembers) {
                    EXPECT_EQ(count, 1) << id << " repeats " << name;
                }
            }
        }
        if (hasMembers) {
            const auto members = free.select_nodes("element[@name='Channel']");
            ASSERT_EQ(members.size(), 1u) << "the free record holds one empty member";
            EXPECT_STREQ(members.first().node().attribute("inputValue").value(), "");
        }
    }
}

TEST_P(TemplateStructure, WindowsPlaceEveryShownSettingOnce) {
    std::set<std::string> windows;
    EXPECT_FALSE(ElementChildren(root(), "Window").empty());
    for (pugi::xml_node window : ElementChildren(root(), "Window")) {
        const std::string chapter = Attr(window, "parentID");
        SCOPED_TRACE(chapter);
        EXPECT_TRUE(store().ChapterById(chapter)) << "window for a missing chapter";
        EXPECT_TRUE(windows.insert(chapter).second) << "two windows for one chapter";

        std::map<std::string, int> placed;
        for (pugi::xml_node row : ElementChildren(window, nullptr)) {
            int columns = 0;
            for (pugi::xml_node item : ElementChildren(row, nullptr)) {
                const std::string tag = item.name();
                columns += item.attribute("width") ? item.attribute("width").as_int() : 2;
                if (tag == "Label") {
                    EXPECT_STRNE(item.attribute("textENG").value(), "");
                    EXPECT_STRNE(item.attribute("textCHN").value(), "");
                    continue;
                }
                ASSERT_EQ(tag, "element") << "unknown layout item";
                const std::string name = Attr(item, "name");
                ++placed[name];
                const auto named = store().ElementsByName(name);
                ASSERT_EQ(named.size(), 1u) << name << " must name one element";
                EXPECT_EQ(Attr(named.front(), "parentID"), chapter) << name;
            }
            EXPECT_LE(columns, 4) << "a row wider than two label and value pairs";
        }
        for (pugi::xml_node element : store().ElementsByParent(chapter)) {
            const std::string name = Attr(element, "name");
            const int expected = element.attribute("showSelf").as_int(1) != 0 ? 1 : 0;
            EXPECT_EQ(placed[name], expected) << name << " placed wrongly";
        }
    }
}

VD_TEMPLATE_MODELS(TemplateStructure);

} // namespace
} // namespace vdtest::tpl
