// Queries and writes of the common control over a hand-written document.
#include "model/DisplayLanguage.h"
#include "tests/model/ModelFixture.h"
#include "tests/support/TempDir.h"

#include <cerrno>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace vdtest {
namespace {

class ElementStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = FixturePath();
        control_ = MakeFixtureControl(path_);
        ASSERT_TRUE(control_->ResetToTemplate());
    }
    void TearDown() override { vd::SetDisplayLanguageSuffix("ENG"); }

    TempDir dir_;
    std::string path_;
    std::unique_ptr<FixtureControl> control_;
};

TEST_F(ElementStoreTest, QueriesSkipCommentsAndKeepDocumentOrder) {
    std::vector<vd::HamCpsChapter> chapters;
    control_->GetChapters("c01", chapters);
    ASSERT_EQ(chapters.size(), 4u);
    EXPECT_EQ(chapters[0].id, "c0103");
    EXPECT_TRUE(chapters[0].showElement);
    EXPECT_FALSE(chapters[2].showSelf);
    EXPECT_TRUE(chapters[3].showSelf) << "an empty showSelf keeps the default";

    vd::ElementList settings;
    control_->GetElements("c0103", settings);
    ASSERT_EQ(settings.size(), 5u);
    EXPECT_EQ(settings[1]->name, "Power");

    vd::ElementList fields;
    control_->GetChildElements("e01090002", fields);
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_TRUE(fields[0]->IsChild());
    EXPECT_EQ(fields[0]->parentID, "e01090002") << "a field's parent is its record";
    EXPECT_EQ(fields[1]->name, "scanListIndex");

    EXPECT_EQ(control_->GetElement("nope"), nullptr);
    vd::ElementList none;
    control_->GetChildElements("nope", none);
    EXPECT_TRUE(none.empty());
    vd::HamCpsChapter untouched;
    untouched.id = "keep";
    control_->GetChapter("nope", untouched);
    EXPECT_EQ(untouched.id, "keep");
}

TEST_F(ElementStoreTest, DisplayTextsFollowTheLanguageSuffix) {
    EXPECT_EQ(control_->GetElement("e01030001")->text, "Radio name");
    EXPECT_EQ(control_->GetElement("e01030001")->tiptext, "Up to 16 characters");
    EXPECT_EQ(control_->GetElement("e01030003")->text, "") << "empty textENG shows nothing";
    vd::SetDisplayLanguageSuffix("CHN");
    EXPECT_EQ(control_->GetElement("e01030001")->text, "名称");
    EXPECT_EQ(control_->GetElement("e01030001")->tiptext, "最多16个字符");
    EXPECT_EQ(control_->GetElement("e01030002")->text, "Power") << "no CHN text: the base text";
    vd::HamCpsChapter radio;
    control_->GetChapter("c01", radio);
    EXPECT_EQ(radio.text, "电台");
    EXPECT_TRUE(radio.expanded);
}

TEST_F(ElementStoreTest, ChoiceValuesExpandGlobalsAndRecordMacros) {
    EXPECT_EQ(control_->GetElement("e01030002")->choiceValue, "0:Low|1:High");
    EXPECT_EQ(control_->GetElement("e01030004")->choiceValue, "") << "absent global value";
    EXPECT_EQ(control_->GetElement("e01030003")->choiceValue, "x 0:CH1|1:CH2|2:CH3 y")
        << "the free record is left out and does not shift the indexes";
    EXPECT_EQ(control_->GetGlobalValue("global_power"), "0:Low|1:High");
    EXPECT_EQ(control_->GetGlobalValue("global_absent"), "");
}

TEST_F(ElementStoreTest, WindowLayoutLinesPlaceItemsInRowBands) {
    std::vector<std::string> lines;
    control_->GetWindowLayout("c0103", lines);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "4|4|1|2|0|0|Label|General|0xDADAB4|0xDADAB4|");
    EXPECT_EQ(lines[1], "4|4|1|2|1|0|element|radioName|0xD9EEEE|0xFFFFFF|");
    EXPECT_EQ(lines[2], "4|4|1|2|1|2|element|Power|0xFF00|0xFFFFFF|")
        << "leading 0 and x characters are trimmed, the rest upper-cased";
    EXPECT_EQ(lines[3], "4|4|2|4|2|0|element|Pick|0xD9EEEE|0xFFFFFF|");
    std::vector<std::string> none;
    control_->GetWindowLayout("c0109", none);
    EXPECT_TRUE(none.empty());
}

TEST_F(ElementStoreTest, SetInputValueHonoursLocksUnlessForced) {
    control_->readOnlyKeys = {"e01030001_radioName", "e01090002_RxFrequency"};
    EXPECT_FALSE(control_->SetInputValue("e01030001", "", "Mobile", false));
    EXPECT_EQ(control_->GetElement("e01030001")->inputValue, "Base");
    EXPECT_TRUE(control_->SetInputValue("e01030001", "", "Mobile", true));
    EXPECT_EQ(control_->GetElement("e01030001")->inputValue, "Mobile");

    EXPECT_FALSE(control_->SetInputValue("e01090002", "e01099001", "1", false));
    EXPECT_TRUE(control_->SetInputValue("e01090003", "e01099001", "150000000", false));
    EXPECT_TRUE(control_->SetInputValue("e01090002", "e01099001", "151000000", true));
    vd::ElementList fields;
    control_->GetChildElements("e01090002", fields);
    EXPECT_EQ(fields[0]->inputValue, "151000000");

    EXPECT_FALSE(control_->SetInputValue("e09999999", "", "x", true));
    EXPECT_FALSE(control_->SetInputValue("e01090002", "e09999999", "x", true));
}

// After a read, a cleared check box takes the form an edit stores; other values stay.
TEST_F(ElementStoreTest, ClearedCheckBoxesAreStoredAsAnEditWould) {
    ASSERT_TRUE(control_->SetInputValue("e01030002", "", "0", true));
    control_->StoreCheckBoxesAsEdited();
    EXPECT_EQ(control_->GetElement("e01030005")->inputValue, "") << "a cleared box";
    EXPECT_EQ(control_->GetElement("e01030002")->inputValue, "0") << "a choice";
    ASSERT_TRUE(control_->SetInputValue("e01030005", "", "3", true));
    control_->StoreCheckBoxesAsEdited();
    EXPECT_EQ(control_->GetElement("e01030005")->inputValue, "3") << "kept as the radio had it";
}

TEST_F(ElementStoreTest, ElementSnapshotsSetValuesThroughTheControl) {
    auto channel = control_->GetElement("e01090003");
    bool refresh = false;
    EXPECT_TRUE(channel->SetValue(*control_, "Renamed", refresh));
    EXPECT_TRUE(refresh) << "a record whose value is its name renames its tree item";
    EXPECT_EQ(channel->inputValue, "CH2") << "a snapshot keeps its old value";
    EXPECT_EQ(control_->GetElement("e01090003")->inputValue, "Renamed");
}

TEST_F(ElementStoreTest, SetValueByNameCreatesMissingElements) {
    control_->SetValueByName("radioName", "Car");
    EXPECT_EQ(control_->GetElement("e01030001")->inputValue, "Car");
    control_->SetValueByName("brandNew", "42");
    vd::ElementList created;
    control_->GetElementsByName("brandNew", created);
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(created[0]->inputValue, "42");
}

TEST_F(ElementStoreTest, NodeKindsAndContextMenus) {
    const std::tuple<const char*, const char*, int, int> rows[] = {
        {"c0113", "chapter", 322, 188},     {"c0109", "chapter", 322, 314},
        {"e01090002", "element", 322, 314}, {"e01030001", "element", 321, 188},
        {"e09999999", "element", 321, -1},  {"c0109", "other", 321, 314}};
    for (const auto& [id, type, kind, menu] : rows) {
        EXPECT_EQ(control_->GetNodeKind(id, type), kind) << id << ' ' << type;
        EXPECT_EQ(control_->GetContextMenuId(id, type), menu) << id << ' ' << type;
    }
}

TEST_F(ElementStoreTest, ResetToTemplateRejectsMissingFilesAndForeignRoots) {
    const std::string absent = dir_.file("absent.ysht").string();
    for (const auto& [control, message] :
         {std::pair{MakeFixtureControl(absent), absent + " load failed!"},
          {MakeFixtureControl(path_, "OTHER"), path_ + " load failed! Format is error"}}) {
        try {
            control->ResetToTemplate();
            ADD_FAILURE() << "expected an exception: " << message;
        } catch (const vd::ValdrenCpsException& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
}

// A save replaces the project only when every byte was written; a failed write leaves the
// project as it was, names its cause, and leaves no temporary file behind.
TEST_F(ElementStoreTest, SaveIsAllOrNothingAndALoadReplacesTheDocument) {
    const auto project = dir_.file("p.ysht");
    ASSERT_TRUE(control_->Save(project.string()));
    const std::string before = readFile(project);
    EXPECT_EQ(before.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u);
    ASSERT_TRUE(control_->SetInputValue("e01030001", "", std::string(4000, 'x'), true));

    // the file-size limit makes write(2) fail with EFBIG half way through
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved;
    limit.rlim_cur = before.size() + 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    errno = 0;
    const bool saved2 = control_->Save(project.string());
    const int cause = errno;
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved2);
    EXPECT_EQ(cause, EFBIG);
    EXPECT_EQ(readFile(project), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 1);

    // a project that is a folder or read-only is refused, and says why
    EXPECT_FALSE(control_->Save(dir_.path().string()));
    std::filesystem::permissions(project, std::filesystem::perms::owner_read);
    errno = 0;
    EXPECT_FALSE(control_->Save(project.string()));
    EXPECT_EQ(errno, EACCES);
    std::filesystem::permissions(project, std::filesystem::perms::owner_all);

    // a save through a link writes the file it names and keeps the link
    const auto link = dir_.file("link.ysht");
    std::filesystem::create_symlink(project, link);
    ASSERT_TRUE(control_->Save(link.string()));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_NE(readFile(project), before);

    // the saved project loads back; loading another document drops every lookup of the first
    ASSERT_TRUE(control_->Load(FixturePath(), "TST"));
    EXPECT_EQ(control_->GetElement("e01030001")->inputValue, "Base");
    ASSERT_TRUE(control_->Load(project.string(), "TST"));
    EXPECT_EQ(control_->GetElement("e01030001")->inputValue, std::string(4000, 'x'));
    const std::string loaded = readFile(project); // and saves again unchanged
    ASSERT_TRUE(control_->Save(project.string()));
    EXPECT_EQ(readFile(project), loaded);
}

} // namespace
} // namespace vdtest
