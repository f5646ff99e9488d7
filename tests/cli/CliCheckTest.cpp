// `vdcps check` and the check in front of every write: a broken project reaches neither the
// radio nor an image file unless --force is given, and `set` names what its change broke.
#include "document/ProjectFile.h"
#include "model/CommonCpsControl.h"
#include "tests/cli/CliTestSupport.h"
#include "tests/support/RadioSim.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace vdtest {
namespace {

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

/// A GX5 project with one thing wrong that today's radio would store as something else.
struct Broken {
    std::function<void(vd::HamCpsControl&)> change;
    const char* problemLine; ///< the start of the line `vdcps check` prints for it
};

TEST(CliCheckGate, ErrorsStopWriteAndExportBeforeAnythingIsOpened) {
    const Broken rows[] = {
        {[](auto& c) { c.SetInputValue("e01090005", "e01099001", "99999999999", true); },
         "error CH1/RxFrequency: "},
        {[](auto& c) {
             std::vector<std::string> ids;
             dynamic_cast<vd::CommonCpsControl&>(c).ResizeRecordList("ChannelName", 1119, ids);
         },
         "error e01091029: Channels: 1119 records, the radio holds 1027"},
    };
    TempDir dir;
    VdcpsRunner vdcps(dir);
    RadioSimProcess radio({"--model", "GX5"});
    const std::string project = dir.file("broken.vdcps").string();
    const std::string image = dir.file("broken.bin").string();
    for (const Broken& row : rows) {
        auto control = vd::ProjectFile::New("GX5");
        row.change(*control);
        ASSERT_TRUE(vd::ProjectFile::Save(*control, project));
        ASSERT_EQ(vdcps.Run({"check", project}), 1) << vdcps.out << vdcps.err;
        EXPECT_TRUE(Has(vdcps.out, row.problemLine)) << vdcps.out;
        EXPECT_EQ(vdcps.Run({"write", project, "--port", radio.devicePath(), "--yes", "-q"}), 3);
        EXPECT_TRUE(Has(vdcps.err, row.problemLine)) << vdcps.err;
        EXPECT_EQ(vdcps.Run({"export-bin", project, "-o", image}), 3);
        EXPECT_FALSE(std::filesystem::exists(image));
    }
    EXPECT_FALSE(Has(radio.transcript(), "host>radio")) << radio.transcript();
}

TEST(CliCheck, ForceWritesWarningsPassAndSetNamesOnlyWhatItBroke) {
    TempDir dir;
    VdcpsRunner vdcps(dir, QuickTransfers());
    const std::string project = dir.file("radio.vdcps").string();
    ASSERT_EQ(vdcps.Run({"new", "GX5", "-o", project}), 0) << vdcps.err;
    ASSERT_EQ(vdcps.Run({"check", project}), 0) << vdcps.out;
    EXPECT_EQ(vdcps.out, "0 errors, 0 warnings\n");

    // a warning alone lets everything through
    ASSERT_EQ(vdcps.Run({"set", project, "e01090006=CH1"}), 0) << vdcps.err;
    EXPECT_TRUE(Has(vdcps.err, "warning e01090006: ")) << vdcps.err;
    ASSERT_EQ(vdcps.Run({"export-bin", project, "-o", dir.file("warned.bin").string()}), 0);

    // the power-up channel leaves its zone: reported once, by the change that did it
    ASSERT_EQ(vdcps.Run({"set", project, "home1PwrupChnl=e01090004"}), 0) << vdcps.err;
    EXPECT_TRUE(Has(vdcps.err, "error home1PwrupChnl: ")) << vdcps.err;
    EXPECT_FALSE(Has(vdcps.err, "e01090006")) << vdcps.err;
    ASSERT_EQ(vdcps.Run({"set", project, "radioName=Base"}), 0) << vdcps.err;
    EXPECT_EQ(vdcps.err, "");

    ASSERT_EQ(vdcps.Run({"check", project, "--json"}), 1);
    EXPECT_TRUE(Has(vdcps.out, "\"severity\": \"error\", \"id\": \"e01070005\", \"field\": \"\", "
                               "\"selector\": \"home1PwrupChnl\""))
        << vdcps.out;

    RadioSimProcess radio({"--model", "GX5"});
    ASSERT_EQ(vdcps.Run({"write", project, "--port", radio.devicePath(), "--yes", "-q", "--force"}),
              0)
        << vdcps.err;
    EXPECT_TRUE(radio.waitForWrittenImage());
    EXPECT_EQ(vdcps.Run({"check", dir.file("missing.vdcps").string()}), 3);
}

} // namespace
} // namespace vdtest
