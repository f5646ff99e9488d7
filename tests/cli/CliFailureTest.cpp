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
    /// A GX5 radio image made by the tool itself, of the project "factory.vdcps".
    std::string Image() {
        VdcpsRunner vdcps(dir_);
        const std::string image = dir_.file("radio.bin").string();
        EXPECT_TRUE(vdcps.NewWithImage("GX5", dir_.file("factory.vdcps").string(), image))
            << vdcps.err;
        return image;
    }

    TempDir dir_;
};

TEST_F(CliFailure, AFailedReadSaysWhyAndLeavesTheExistingProjectAlone) {
    const struct {
        std::vector<std::string> radioArgs;
        std::vector<std::string> readArgs;
        int status;
        std::string says;  ///< a part of the message on standard error
        bool namesThePort; ///< followed by the port that did not answer
    } rows[] = {
        {{"--blocks", "10"}, {}, 5, "", false}, // a short image
        {{"--hangup-after", "6"}, {}, 5, "", false},
        {{"--silent"}, {}, 5, "Host failed! No answer on ", true},
        {{"--password", "1234"}, {"--password", "9999"}, 5, "password error", false},
        {{"--password", "1234"}, {}, 2, "--password", false}, // no terminal to ask on
    };
    const std::string image = Image();
    VdcpsRunner vdcps(dir_, QuickTransfers());
    const std::string project = dir_.write("kept.vdcps", "my earlier project").string();
    for (const auto& row : rows) {
        std::vector<std::string> args{"--model", "GX5", "--image", image};
        args.insert(args.end(), row.radioArgs.begin(), row.radioArgs.end());
        RadioSimProcess radio(args);
        args = {"read", "GX5", "--port", radio.devicePath(), "-o", project, "-q", "--force"};
        args.insert(args.end(), row.readArgs.begin(), row.readArgs.end());
        EXPECT_EQ(vdcps.Run(args), row.status) << row.radioArgs[0] << ": " << vdcps.err;
        EXPECT_NE(vdcps.err.find(row.says + (row.namesThePort ? radio.devicePath() : "")),
                  std::string::npos)
            << vdcps.err;
        EXPECT_EQ(readFile(project), "my earlier project");
    }
    RadioSimProcess locked({"--model", "GX5", "--image", image, "--password", "1234"});
    EXPECT_EQ(vdcps.Run({"read", "GX5", "--port", locked.devicePath(), "-o", project, "-q",
                         "--force", "--password", "1234"}),
              0)
        << vdcps.err;
}

TEST_F(CliFailure, CtrlCSigtermAndSighupStopATransferThroughTheCancelPath) {
    const struct {
        int signal;
        const char* command;
    } rows[] = {{SIGINT, "read"}, {SIGTERM, "read"}, {SIGHUP, "read"}, {SIGINT, "write"}};
    const std::string image = Image();
    VdcpsRunner vdcps(dir_);
    const std::string project = dir_.file("read.vdcps").string();
    for (const auto& row : rows) {
        RadioSimProcess radio({"--model", "GX5", "--image", image});
        const std::vector<std::string> args =
            row.command == std::string("read")
                ? vdcps.Args({"read", "GX5", "--port", radio.devicePath(), "-o", project})
                : vdcps.Args({"write", dir_.file("factory.vdcps").string(), "--port",
                              radio.devicePath(), "--yes"});
        ChildProcess transfer(VdcpsRunner::Program(), args);
        const std::string progress = std::string("Host ") + row.command + " all data";
        ASSERT_TRUE(transfer.waitForStderr(progress + " 3/", 60s)) << transfer.err();
        transfer.signal(row.signal);
        const auto status = transfer.wait(60s);
        ASSERT_TRUE(status.has_value());
        EXPECT_EQ(*status, 6) << row.signal << ' ' << transfer.err();
        EXPECT_NE(transfer.err().find(progress + ": break!"), std::string::npos) << transfer.err();
        EXPECT_TRUE(radio.waitForTranscript("rebooting")) << row.signal << ' ' << row.command;
        EXPECT_FALSE(std::filesystem::exists(project));
    }
}

} // namespace
} // namespace vdtest
