// The failure paths of the tool's radio commands as a script sees them: exit status, the
// message on standard error, and what is left on disk and in the radio.
#include "tests/cli/CliTestSupport.h"
#include "tests/support/RadioSim.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>

namespace vdtest {
namespace {

using namespace std::chrono_literals;

class CliFailure : public ::testing::Test {
protected:
    /// A GX5 radio image made by the tool itself.
    std::string Image() {
        VdcpsRunner vdcps(dir_);
        const std::string project = dir_.file("factory.vdcps").string();
        const std::string image = dir_.file("radio.bin").string();
        EXPECT_EQ(vdcps.Run({"new", "GX5", "-o", project, "--force"}), 0);
        EXPECT_EQ(vdcps.Run({"export-bin", project, "-o", image, "--content", "1"}), 0);
        return image;
    }

    TempDir dir_;
};

TEST_F(CliFailure, AnAbsentPortIsADeviceError) {
    VdcpsRunner vdcps(dir_);
    const std::string project = dir_.file("never.vdcps").string();
    EXPECT_EQ(vdcps.Run({"read", "GX5", "--port", dir_.file("no-tty").string(), "-o", project}), 4);
    EXPECT_NE(vdcps.err.find("Can't find the device!"), std::string::npos) << vdcps.err;
    EXPECT_FALSE(std::filesystem::exists(project));
}

TEST_F(CliFailure, PasswordsWrongOrMissing) {
    RadioSimProcess radio({"--model", "GX5", "--image", Image(), "--password", "1234"});
    VdcpsRunner vdcps(dir_);
    const std::string project = dir_.file("locked.vdcps").string();
    EXPECT_EQ(vdcps.Run({"read", "GX5", "--port", radio.devicePath(), "-o", project, "-q",
                         "--password", "9999"}),
              5);
    EXPECT_NE(vdcps.err.find("password error"), std::string::npos) << vdcps.err;
    EXPECT_EQ(vdcps.Run({"read", "GX5", "--port", radio.devicePath(), "-o", project, "-q"}), 2)
        << "no terminal to ask on";
    EXPECT_NE(vdcps.err.find("--password"), std::string::npos) << vdcps.err;
    EXPECT_FALSE(std::filesystem::exists(project));
    EXPECT_EQ(vdcps.Run({"read", "GX5", "--port", radio.devicePath(), "-o", project, "-q",
                         "--password", "1234"}),
              0)
        << vdcps.err;
}

TEST_F(CliFailure, AnIncompleteReadLeavesTheExistingProjectAlone) {
    RadioSimProcess radio({"--model", "GX5", "--image", Image(), "--hangup-after", "6"});
    VdcpsRunner vdcps(dir_);
    const std::string project = dir_.write("kept.vdcps", "my earlier project").string();
    EXPECT_NE(
        vdcps.Run({"read", "GX5", "--port", radio.devicePath(), "-o", project, "-q", "--force"}),
        0);
    EXPECT_EQ(readFile(project), "my earlier project");
}

TEST_F(CliFailure, CtrlCStopsAReadAndAWriteThroughTheCancelPath) {
    RadioSimProcess radio({"--model", "GX5", "--image", Image()});
    VdcpsRunner vdcps(dir_);
    const std::string project = dir_.file("read.vdcps").string();
    {
        ChildProcess read(VdcpsRunner::Program(),
                          vdcps.Args({"read", "GX5", "--port", radio.devicePath(), "-o", project}));
        ASSERT_TRUE(read.waitForStderr("Host read all data 3/", 60s)) << read.err();
        read.signal(SIGINT);
        const auto status = read.wait(60s);
        ASSERT_TRUE(status.has_value());
        EXPECT_EQ(*status, 6) << read.err();
        EXPECT_NE(read.err().find("Host read all data: break!"), std::string::npos) << read.err();
        EXPECT_FALSE(std::filesystem::exists(project));
        EXPECT_TRUE(radio.waitForTranscript("rebooting"));
    }
    const std::string factory = dir_.file("factory.vdcps").string();
    ChildProcess write(VdcpsRunner::Program(),
                       vdcps.Args({"write", factory, "--port", radio.devicePath(), "--yes"}));
    ASSERT_TRUE(write.waitForStderr("Host write all data 3/", 60s)) << write.err();
    write.signal(SIGINT);
    const auto status = write.wait(60s);
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(*status, 6) << write.err();
    EXPECT_NE(write.err().find("Host write all data: break!"), std::string::npos) << write.err();
}

TEST_F(CliFailure, WriteNeedsConfirmationWithoutATerminal) {
    RadioSimProcess radio({"--model", "GX5", "--image", Image()});
    VdcpsRunner vdcps(dir_);
    EXPECT_EQ(
        vdcps.Run({"write", dir_.file("factory.vdcps").string(), "--port", radio.devicePath()}), 2);
    EXPECT_NE(vdcps.err.find("--yes"), std::string::npos) << vdcps.err;
    EXPECT_EQ(radio.transcript().find("08 00 01 00"), std::string::npos) << "nothing was sent";
}

TEST_F(CliFailure, WriteFiguresAndTheContentVariantComeFromTheSettings) {
    RadioSimProcess radio({"--model", "GX5", "--image", Image()});
    VdcpsRunner vdcps(dir_, "[Option]\nshow_read_write_info=1\n[Device]\nbin_struct_content=2\n");
    ASSERT_EQ(vdcps.Run({"write", dir_.file("factory.vdcps").string(), "--port", radio.devicePath(),
                         "--yes", "-q"}),
              0)
        << vdcps.err;
    EXPECT_NE(vdcps.err.find("package_count:62: binsize:63418: UseTime:"), std::string::npos)
        << vdcps.err;
    EXPECT_NE(vdcps.err.find(": Data write completed"), std::string::npos) << vdcps.err;
    ASSERT_TRUE(radio.waitForWrittenImage());
    EXPECT_EQ(radio.writtenImage().size(), 63418u);

    const std::string exported = dir_.file("exported.bin").string();
    ASSERT_EQ(vdcps.Run({"export-bin", dir_.file("factory.vdcps").string(), "-o", exported}), 0);
    EXPECT_EQ(readFile(exported).size(), 65466u) << "image files default to the full variant 3";
}

TEST_F(CliFailure, AnImageTheModelRejectsIsADataError) {
    VdcpsRunner vdcps(dir_);
    const std::string project = dir_.file("never.vdcps").string();
    EXPECT_EQ(vdcps.Run({"import-bin", "GX5",
                         dir_.write("short.bin", std::string(512, 'x')).string(), "-o", project}),
              3);
    EXPECT_NE(vdcps.err.find("52404 to 65466 bytes"), std::string::npos) << vdcps.err;
    EXPECT_FALSE(std::filesystem::exists(project));
}

} // namespace
} // namespace vdtest
