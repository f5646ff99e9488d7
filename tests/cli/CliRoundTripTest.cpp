// The tool end to end for every model: read a simulated radio into a project, change values
// with `vdcps set`, write it back and compare what the radio received.
#include "document/ProjectFile.h"
#include "tests/cli/CliTestSupport.h"
#include "tests/support/RadioSim.h"

#include <boost/algorithm/string/split.hpp>
#include <filesystem>
#include <gtest/gtest.h>

namespace vdtest {
namespace {

/// A settings choice of the project that can take another value: "NAME=VALUE" with a value
/// other than the current one.
std::string AnotherChoice(const std::string& projectPath) {
    auto control = vd::ProjectFile::Open(projectPath);
    std::vector<vd::HamCpsChapter> pending;
    control->GetChapters("", pending);
    while (!pending.empty()) {
        const vd::HamCpsChapter chapter = pending.back();
        pending.pop_back();
        control->GetChapters(chapter.id, pending);
        vd::ElementList elements;
        control->GetElements(chapter.id, elements);
        for (const vd::ElementPtr& element : elements) {
            vd::ElementList sameName;
            control->GetElementsByName(element->name, sameName);
            if (element->controlType != 3 || sameName.size() != 1 ||
                control->IsElementReadOnly(element->id, element->name)) {
                continue;
            }
            std::vector<std::string> entries;
            boost::algorithm::split(entries, element->choiceValue, [](char c) { return c == '|'; });
            for (const std::string& entry : entries) {
                const std::string value = entry.substr(0, entry.find(':'));
                if (!value.empty() && value != element->inputValue) {
                    return element->name + "=" + value;
                }
            }
        }
    }
    return {};
}

class CliRoundTrip : public ::testing::TestWithParam<std::string> {
protected:
    TempDir dir_;
};

TEST_P(CliRoundTrip, ReadChangeWriteGivesTheRadioTheChange) {
    const std::string model = GetParam();
    VdcpsRunner vdcps(dir_);
    const std::string factory = dir_.file("factory.vdcps").string();
    const std::string radioImage = dir_.file("radio.bin").string();
    ASSERT_EQ(vdcps.Run({"new", model, "-o", factory}), 0) << vdcps.err;
    ASSERT_EQ(vdcps.Run({"export-bin", factory, "-o", radioImage, "--content", "1"}), 0)
        << vdcps.err;

    RadioSimProcess radio({"--model", model, "--image", radioImage});
    const std::string project = dir_.file("radio.vdcps").string();
    ASSERT_EQ(vdcps.Run({"read", model, "--port", radio.devicePath(), "-o", project, "-q"}), 0)
        << vdcps.err;
    EXPECT_NE(vdcps.err.find("Data read completed"), std::string::npos) << vdcps.err;

    const std::string change = AnotherChoice(project);
    ASSERT_FALSE(change.empty()) << model << " has no settings choice to change";
    ASSERT_EQ(vdcps.Run({"set", project, change}), 0) << change << ": " << vdcps.err;
    ASSERT_EQ(vdcps.Run({"get", project, change.substr(0, change.find('='))}), 0);
    EXPECT_EQ(vdcps.out, change.substr(change.find('=') + 1) + "\n");

    ASSERT_EQ(vdcps.Run({"write", project, "--port", radio.devicePath(), "--yes", "-q"}), 0)
        << vdcps.err;
    EXPECT_NE(vdcps.err.find("Data write completed"), std::string::npos) << vdcps.err;
    ASSERT_TRUE(radio.waitForWrittenImage());

    const std::string expected = dir_.file("expected.bin").string();
    ASSERT_EQ(vdcps.Run({"export-bin", project, "-o", expected, "--content", "1"}), 0);
    const std::string written = radio.writtenImage();
    EXPECT_EQ(written.size(), readFile(expected).size());
    EXPECT_TRUE(written == readFile(expected)) << "the radio holds exactly the project's image";
    EXPECT_NE(written, readFile(radioImage)) << "and the change reached it";
}

INSTANTIATE_TEST_SUITE_P(AllModels, CliRoundTrip,
                         ::testing::Values("GX5", "GX5G", "LM704", "VS31", "VS46", "VS58", "VS73"));

} // namespace
} // namespace vdtest
