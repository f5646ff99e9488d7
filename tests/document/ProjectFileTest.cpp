// Project files: creation from the templates and opening with every refusal (saving: the
// element store's tests).
#include "document/ProjectFile.h"
#include "tests/support/TempDir.h"

#include <boost/algorithm/string/replace.hpp>
#include <filesystem>
#include <gtest/gtest.h>

namespace vdtest {
namespace {

std::string TemplateText(const std::string& file) {
    return readFile(std::string(std::getenv("VALDREN_CPS_TEMPLATE_DIR")) + "/" + file);
}

class ProjectFileTest : public ::testing::Test {
protected:
    TempDir dir_;
};

TEST_F(ProjectFileTest, SavedProjectReopensWithTheSameValues) {
    auto control = vd::ProjectFile::New("GX5");
    ASSERT_NE(control, nullptr);
    control->SetValueByName("radioName", "Trail 7");
    const std::string path = dir_.file("trail.vdcps").string();
    ASSERT_TRUE(vd::ProjectFile::Save(*control, path));
    const std::string saved = readFile(path);
    EXPECT_NE(saved.find("<chapters type=\"save\""), std::string::npos);
    EXPECT_EQ(saved.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u);

    auto reopened = vd::ProjectFile::Open(path);
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->GetModelName(), "GX5");
    vd::ElementList names;
    reopened->GetElementsByName("radioName", names);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0]->inputValue, "Trail 7");

    // saving the reopened project again changes nothing
    const std::string again = dir_.file("again.vdcps").string();
    ASSERT_TRUE(vd::ProjectFile::Save(*reopened, again));
    EXPECT_EQ(readFile(again), saved);
}

TEST_F(ProjectFileTest, RefusesWhatIsNotAProject) {
    const std::string gx5 = TemplateText("gx5_v001.ysht");
    ASSERT_FALSE(gx5.empty());
    EXPECT_EQ(vd::ProjectFile::Open(dir_.write("template.vdcps", gx5).string()), nullptr)
        << "chapters type template";
    std::string project =
        boost::algorithm::replace_first_copy(gx5, "type=\"template\"", "type=\"save\"");
    EXPECT_EQ(vd::ProjectFile::Open(dir_.write("named.ysht", project).string()), nullptr)
        << "the template extension";
    EXPECT_EQ(vd::ProjectFile::Open(
                  dir_.write("truncated.vdcps", project.substr(0, project.size() / 2)).string()),
              nullptr);
    EXPECT_EQ(
        vd::ProjectFile::Open(dir_.write("binary.vdcps", std::string("\x00\x01RCDB", 6)).string()),
        nullptr);
    EXPECT_EQ(vd::ProjectFile::Open(dir_.write("foreign.vdcps", "<html><body/></html>").string()),
              nullptr);
    EXPECT_EQ(vd::ProjectFile::Open(dir_.write("empty.vdcps", "<GX5v001/>").string()), nullptr)
        << "a known root without chapters and elements";
    EXPECT_EQ(vd::ProjectFile::Open(dir_.file("absent.vdcps").string()), nullptr);
    std::string unknown = boost::algorithm::replace_all_copy(project, "GX5v001", "GX9v001");
    EXPECT_EQ(vd::ProjectFile::Open(dir_.write("unknown.vdcps", unknown).string()), nullptr);
}

TEST_F(ProjectFileTest, OpensAProjectWithoutTypeAndWithAFoldedRoot) {
    std::string project = TemplateText("vs73_v001.ysht");
    boost::algorithm::replace_first(project, " type=\"template\"", "");
    boost::algorithm::replace_all(project, "vs73_v001>", "VS73_V001>");
    boost::algorithm::replace_all(project, "<vs73_v001", "<VS73_V001");
    auto control = vd::ProjectFile::Open(dir_.write("folded.vdcps", project).string());
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->GetModelName(), "VS73");
    vd::ElementList channels;
    control->GetElementsByName("ChannelName", channels);
    EXPECT_EQ(channels.size(), 17u) << "the queries follow the file's own root tag";
}

} // namespace
} // namespace vdtest
