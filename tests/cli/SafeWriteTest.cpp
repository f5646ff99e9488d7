// The tool end to end for every model, with safe writing against the simulated radio: read the
// radio, change a value with `set`, write it back and compare what the radio holds byte for byte;
// the backup taken before a write, the read-back that catches a write the radio acknowledged but
// did not store, restore, the dry run, `vdcps diff`, and `vdcps fleet` with its report.
#include "tests/cli/CliTestSupport.h"
#include "tests/support/RadioSim.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vdtest {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Backups(const fs::path& folder) {
    std::vector<fs::path> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        found.push_back(entry.path());
    }
    return found;
}

struct WriteCase {
    const char* model;
    const char* change;     ///< `vdcps set` argument that the write carries
    const char* loseWrite;  ///< the write part or block that holds the change
    const char* difference; ///< how `diff` shows the change
};

class SafeWrite : public ::testing::TestWithParam<WriteCase> {
protected:
    TempDir dir_;
};

TEST_P(SafeWrite, ReadChangeAndWriteBackWithBackupVerifyRestoreAndPreview) {
    const WriteCase& c = GetParam();
    VdcpsRunner vdcps(dir_, QuickTransfers());
    const std::string before = dir_.file("before.vdcps").string();
    const std::string after = dir_.file("after.vdcps").string();
    const std::string radioImage = dir_.file("radio.bin").string();
    const fs::path backups = dir_.file("backups");
    ASSERT_TRUE(vdcps.NewWithImage(c.model, before, radioImage)) << vdcps.err;
    RadioSimProcess radio({"--model", c.model, "--image", radioImage, "--lose-write", c.loseWrite});
    const std::string port = radio.devicePath();

    // The project to write is read from the radio and changed with `set`.
    ASSERT_EQ(vdcps.Run({"read", c.model, "--port", port, "-o", after, "-q"}), 0) << vdcps.err;
    EXPECT_NE(vdcps.err.find("Data read completed"), std::string::npos) << vdcps.err;
    const std::string change = c.change;
    ASSERT_EQ(vdcps.Run({"set", after, change}), 0) << vdcps.err;
    ASSERT_EQ(vdcps.Run({"get", after, change.substr(0, change.find('='))}), 0);
    EXPECT_EQ(vdcps.out, change.substr(change.find('=') + 1) + "\n");
    auto write = [&](std::vector<std::string> extra) {
        std::vector<std::string> args{"write", after, "--port",       port,
                                      "--yes", "-q",  "--backup-dir", backups.string()};
        args.insert(args.end(), extra.begin(), extra.end());
        return vdcps.Run(args);
    };

    // The radio acknowledges the part that holds the change but keeps its old bytes.
    EXPECT_EQ(write({}), 5) << vdcps.err;
    EXPECT_NE(vdcps.err.find("Verify failed: "), std::string::npos) << vdcps.err;
    ASSERT_EQ(Backups(backups).size(), 1u);
    const fs::path backup = Backups(backups).front();
    EXPECT_NE(vdcps.err.find("backup: " + backup.string()), std::string::npos) << vdcps.err;
    EXPECT_NE(vdcps.err.find("vdcps restore " + backup.string()), std::string::npos) << vdcps.err;
    EXPECT_TRUE(readFile(backup) == readFile(radioImage)) << "the backup is the radio before";

    ASSERT_EQ(vdcps.Run({"restore", backup.string(), "--port", port, "--yes", "-q", "--backup-dir",
                         backups.string()}),
              0)
        << vdcps.err;
    const std::string readBack = dir_.file("read-back.bin").string();
    const std::string restored = dir_.file("restored.vdcps").string();
    ASSERT_EQ(
        vdcps.Run({"read", c.model, "--port", port, "-o", restored, "--save-bin", readBack, "-q"}),
        0)
        << vdcps.err;
    EXPECT_TRUE(readFile(readBack) == readFile(radioImage)) << "restore brought the bytes back";

    const std::size_t writes = Count(radio.transcript(), "write session ended");
    EXPECT_EQ(write({"--dry-run"}), 0) << vdcps.err;
    EXPECT_EQ(vdcps.out, std::string(c.difference) + "\n");
    EXPECT_EQ(Count(radio.transcript(), "write session ended"), writes)
        << "a dry run writes nothing";
    EXPECT_EQ(Backups(backups).size(), 3u) << "restore and the dry run saved backups too";

    EXPECT_EQ(write({}), 0) << vdcps.err;
    EXPECT_NE(vdcps.err.find("Verified"), std::string::npos) << vdcps.err;
    EXPECT_NE(vdcps.err.find("Data write completed"), std::string::npos) << vdcps.err;
    const std::string expected = dir_.file("expected.bin").string();
    ASSERT_EQ(vdcps.Run({"export-bin", after, "-o", expected, "--content", "1"}), 0) << vdcps.err;
    ASSERT_TRUE(radio.waitForWrittenImage());
    EXPECT_TRUE(radio.writtenImage() == readFile(expected))
        << "the radio holds the project's image";
    EXPECT_NE(radio.writtenImage(), readFile(radioImage)) << "and the change reached it";
    EXPECT_EQ(write({"--no-backup", "--no-verify"}), 0) << vdcps.err;
    EXPECT_EQ(Backups(backups).size(), 4u);

    EXPECT_EQ(vdcps.Run({"diff", restored, after}), 1) << vdcps.err;
    EXPECT_EQ(vdcps.out, std::string(c.difference) + "\n");
    EXPECT_EQ(vdcps.Run({"diff", backup.string(), after}), 1) << "the image's model from its name";
    EXPECT_EQ(vdcps.Run({"diff", after, readBack, "--model", c.model}), 1) << vdcps.err;
    EXPECT_EQ(vdcps.Run({"diff", backup.string(), readBack}), 0) << vdcps.out << vdcps.err;
}

INSTANTIATE_TEST_SUITE_P(
    Families, SafeWrite,
    ::testing::Values(WriteCase{"GX5", "CH1/RxFrequency=146000000", "5",
                                "CH1/RxFrequency: 150.000000 -> 146.000000"},
                      WriteCase{"GX5G", "radioName=HELLO", "0", "radioName:  -> HELLO"},
                      WriteCase{"LM704", "CH1/rx_tone=1000", "2", "CH1/rx_tone: Off -> 100.0 Hz"},
                      WriteCase{"VS31", "CH1/rx_tone=1000", "2", "CH1/rx_tone: Off -> 100.0 Hz"},
                      WriteCase{"VS46", "CH1/rx_tone=1000", "0", "CH1/rx_tone: Off -> 100.0 Hz"},
                      WriteCase{"VS58", "CH1/rx_tone=1000", "2", "CH1/rx_tone: Off -> 100.0 Hz"},
                      WriteCase{"VS73", "CH1/rx_tone=1000", "0", "CH1/rx_tone: Off -> 100.0 Hz"}),
    [](const auto& info) { return std::string(info.param.model); });

TEST(NothingWritten, WhenTheBackupFails) {
    const struct {
        const char* model;
        std::vector<std::string> radioArgs;
        bool backupDirIsAFile;
        int exitCode;
        const char* writeRequest; ///< how a write request starts in the transcript
    } rows[] = {
        // a GX5 radio that reports more blocks than any memory holds cannot be read
        {"GX5", {"--blocks", "300"}, false, 5, "00 00 00 00 00 00 06 04 01 00"},
        {"LM704", {"--hangup-after", "20"}, false, 5, "host>radio 57"},
        {"VS73", {}, true, 3, "host>radio 57"}, // the backup cannot be saved
    };
    TempDir dir;
    VdcpsRunner vdcps(dir, QuickTransfers());
    const std::string project = dir.file("p.vdcps").string();
    for (const auto& row : rows) {
        ASSERT_EQ(vdcps.Run({"new", row.model, "-o", project, "--force"}), 0) << vdcps.err;
        std::vector<std::string> args{"--model", row.model};
        args.insert(args.end(), row.radioArgs.begin(), row.radioArgs.end());
        RadioSimProcess radio(args);
        const fs::path backups = row.backupDirIsAFile ? dir.write("file", "") : dir.file("backups");
        EXPECT_EQ(vdcps.Run({"write", project, "--port", radio.devicePath(), "--yes", "-q",
                             "--backup-dir", backups.string()}),
                  row.exitCode)
            << row.model << ' ' << vdcps.err;
        EXPECT_EQ(radio.transcript().find(row.writeRequest), std::string::npos)
            << radio.transcript();
    }
}

TEST(FactoryData, AWriteKeepsTheRadiosUnlessForcedInTheContentVariantOfTheSettings) {
    TempDir dir;
    VdcpsRunner vdcps(dir,
                      QuickTransfers() +
                          "[Option]\nshow_read_write_info=1\n[Device]\nbin_struct_content=2\n");
    const std::string project = dir.file("new.vdcps").string();
    const std::string radioProject = dir.file("radio.vdcps").string();
    const std::string radioImage = dir.file("radio.bin").string();
    const std::string projectImage = dir.file("project.bin").string();
    const std::string fullImage = dir.file("full.bin").string();
    ASSERT_EQ(vdcps.Run({"new", "GX5", "-o", project}), 0) << vdcps.err;
    ASSERT_EQ(vdcps.Run({"new", "GX5", "-o", radioProject}), 0) << vdcps.err;
    ASSERT_EQ(vdcps.Run({"set", radioProject, "--force", "SerialNO=RADIO0001", "SaleTerr=7"}), 0)
        << vdcps.err;
    ASSERT_EQ(vdcps.Run({"export-bin", radioProject, "-o", radioImage, "--content", "2"}), 0);
    ASSERT_EQ(vdcps.Run({"export-bin", project, "-o", projectImage, "--content", "2"}), 0);
    ASSERT_EQ(vdcps.Run({"export-bin", project, "-o", fullImage}), 0);
    EXPECT_EQ(readFile(fullImage).size(), 65466u) << "image files default to the full variant 3";
    // the two projects differ in the radio's serial number and sales territory only
    for (const auto& [force, expected] : {std::pair{false, radioImage}, {true, projectImage}}) {
        RadioSimProcess radio({"--model", "GX5", "--image", radioImage});
        std::vector<std::string> args{"write", project, "--port",     radio.devicePath(),
                                      "--yes", "-q",    "--no-backup"};
        if (force) {
            args.push_back("--force");
        }
        ASSERT_EQ(vdcps.Run(args), 0) << vdcps.err;
        EXPECT_NE(vdcps.err.find("package_count:62: binsize:63418: UseTime:"), std::string::npos)
            << vdcps.err;
        EXPECT_NE(vdcps.err.find(": Data write completed"), std::string::npos) << vdcps.err;
        ASSERT_TRUE(radio.waitForWrittenImage());
        EXPECT_EQ(radio.writtenImage().size(), 63418u);
        EXPECT_TRUE(radio.writtenImage() == readFile(expected)) << "--force " << force;
    }
}

TEST(VdcpsFleet, ReportsEachRadioAndRefusesABadRowBeforeAnyPort) {
    TempDir dir;
    VdcpsRunner vdcps(dir, QuickTransfers());
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
