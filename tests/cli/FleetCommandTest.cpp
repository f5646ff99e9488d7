// vdcps fleet against simulated radios: the exit status, the summary and the CSV report, and
// a refused values row that keeps every port closed.
#include "tests/cli/CliTestSupport.h"
#include "tests/support/RadioSim.h"

#include <gtest/gtest.h>

namespace vdtest {
namespace {

const char* kQuickGx5 = "[GX5]\nread_time_interval=5\nwrite_time_interval=5\n";

TEST(VdcpsFleet, ReportsEachRadioAndRefusesABadRowBeforeAnyPort) {
    TempDir dir;
    VdcpsRunner vdcps(dir, kQuickGx5);
    const std::string project = dir.file("plan.vdcps").string();
    const std::string image = dir.file("radio.bin").string();
    ASSERT_TRUE(vdcps.NewWithImage("GX5", project, image)) << vdcps.err;
    RadioSimProcess good({"--model", "GX5", "--image", image});
    RadioSimProcess silent({"--model", "GX5", "--image", image, "--silent"});
    const std::string a = good.devicePath();
    const std::string b = silent.devicePath();
    const std::string report = dir.file("report.csv").string();
    auto fleet = [&](const std::string& table) {
        return vdcps.Run({"fleet", project, "--port", a, "--port", b, "--vary",
                          dir.write("vary.csv", table).string(), "--yes", "--backup-dir",
                          dir.file("backups").string(), "--report", report});
    };

    EXPECT_EQ(fleet("port,radioName\n" + a + ",Alpha\n" + b + ",ThisNameIsFarTooLong\n"), 3);
    EXPECT_NE(vdcps.err.find(b + ": radioName=ThisNameIsFarTooLong is refused"), std::string::npos)
        << vdcps.err;
    EXPECT_EQ(good.transcript().find("session"), std::string::npos) << "no port was opened";
    EXPECT_EQ(fleet("port,radioName\n/dev/elsewhere,Alpha\n"), 3) << "a row for no given port";

    EXPECT_EQ(fleet("port,radioName\n" + a + ",\"Al,pha\"\n" + b + ",Bravo\n"), 5) << vdcps.err;
    EXPECT_NE(vdcps.out.find(b + "  failed: Host failed!"), std::string::npos) << vdcps.out;
    EXPECT_NE(vdcps.err.find("backup: " + dir.file("backups").string()), std::string::npos);
    const std::string csv = readFile(report);
    EXPECT_EQ(csv.rfind("port,result,backup,elapsed_s,radioName\r\n" + a +
                            ",written and verified," + dir.file("backups").string(),
                        0),
              0u)
        << csv;
    EXPECT_NE(csv.find(",\"Al,pha\"\r\n" + b + ",\"failed: Host failed! No answer on "),
              std::string::npos)
        << csv;
    ASSERT_EQ(vdcps.Run({"get", project, "radioName"}), 0);
    EXPECT_EQ(vdcps.out, "\n") << "the project itself is left as it was";
}

} // namespace
} // namespace vdtest
