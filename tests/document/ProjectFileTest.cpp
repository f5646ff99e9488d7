// Project files: opening with every refusal (saving: the element store's tests).
#include "document/ProjectFile.h"
#include "tests/support/TempDir.h"

#include <boost/algorithm/string/replace.hpp>
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

TEST_F(ProjectFileTest, RefusesWhatIsNotAProject) {
    const std::string gx5 = TemplateText("gx5_v001.ysht");
    ASSERT_FALSE(gx5.empty());
    const std::string project =
        boost::algorithm::replace_first_copy(gx5, "type=\"template\"", "type=\"save\"");
    const std::pair<std::string, std::string> files[] = {
        {"template.vdcps", gx5}, // chapters of type template
        {"named.ysht", project}, // the template extension
        {"truncated.vdcps", project.substr(0, project.size() / 2)},
        {"binary.vdcps", std::string("\x00\x01RCDB", 6)},
        {"foreign.vdcps", "<html><body/></html>"},
        {"empty.vdcps", "<GX5v001/>"}, // a known root without chapters and elements
        {"unknown.vdcps", boost::algorithm::replace_all_copy(project, "GX5v001", "GX9v001")},
    };
    for (const auto& [name, text] : files) {
        EXPECT_EQ(vd::ProjectFile::Open(dir_.write(name, text).string()), nullptr) << name;
    }
    EXPECT_EQ(vd::ProjectFile::Open(dir_.file("absent.vdcps").string()), nullptr);
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
