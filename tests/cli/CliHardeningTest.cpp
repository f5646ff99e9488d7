// What a hostile user of the tool found, and the failure paths of its radio commands: values,
// files and radios refused with a reason and the documented exit status, and nothing
// half-written or silently changed left behind; a project that fails its check reaches no radio.
#include "document/ProjectFile.h"
#include "tests/cli/CliTestSupport.h"
#include "tests/support/RadioSim.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <pugixml.hpp>
#include <regex>

namespace vdtest {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class CliHardening : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(vdcps_.NewWithImage("GX5", Path("gx5"), Path("gx5.bin"))) << vdcps_.err;
        ASSERT_EQ(vdcps_.Run({"new", "GX5G", "-o", Path("gx5g")}), 0) << vdcps_.err;
        ASSERT_EQ(vdcps_.Run({"new", "VS73", "-o", Path("vs73")}), 0) << vdcps_.err;
        ASSERT_EQ(vdcps_.Run({"export-bin", Path("gx5g"), "-o", Path("gx5g.bin")}), 0);
        dir_.write("blank.bin", std::string(55070, '\xFF'));
        dir_.write("exists.bin", "x");
    }

    /// The path of a named file: "gx5" is the GX5 project, "gx5g.bin" an image, ...
    std::string Path(const std::string& name) const {
        return dir_.file(name.find('.') == std::string::npos ? name + ".vdcps" : name).string();
    }

    /// Runs vdcps with every "{name}" argument replaced by Path(name).
    int Run(std::vector<std::string> args) {
        for (std::string& arg : args) {
            arg = arg.front() == '{' ? Path(arg.substr(1, arg.size() - 2)) : arg;
        }
        return vdcps_.Run(args);
    }

    TempDir dir_;
    VdcpsRunner vdcps_{dir_, QuickTransfers()};
};

struct Refusal {
    std::vector<std::string> args;
    int status;
    std::string says; ///< a part of the message on standard error
};

TEST_F(CliHardening, RefusesWithTheDocumentedStatusAndAReason) {
    const Refusal rows[] = {
        // text that a project file or the radio cannot hold
        {{"set", "{gx5}", "radioName=A\001B"}, 3, "control character U+0001"},
        {{"set", "{gx5}", "radioName=Z\xC3\xBCrich"}, 3, "'\xC3\xBC' (U+00FC)"},
        {{"set", "{gx5}", "radioName=ABCDEFGHIJKLMNOPQ"}, 3, "at most 16 characters"},
        {{"set", "{vs73}", "CH1/rxfreq=462562509"}, 3, "multiple of 10"},
        // references to records that are not there or of another list
        {{"set", "{gx5}", "e01040002/Channel[0]=e01099999"}, 3, "no ChannelName record"},
        {{"set", "{gx5}", "e01040002/Channel[0]=e01040002"}, 3, "is a ZoneName"},
        {{"set", "{gx5}", "CH1/scanListIndex=foo"}, 3, "no ScanName record 'foo'"},
        // display forms: a choice text the list lacks
        {{"set", "{gx5}", "CH1/ChannelPower=Huge"}, 3, "must be one of: 0 (Low)"},
        {{"export-csv", "{gx5}", "--list", "Nope"}, 2, "no list called 'Nope'"},
        {{"import-csv", "{gx5}", "{exists.bin}"}, 3, "header, x: no such field"},
        // outputs: never the input, never an existing file without --force, checked first
        {{"export-bin", "{gx5}", "-o", "{gx5}"}, 2, "is the input file"},
        {{"export-bin", "{gx5}", "-o", "{exists.bin}"}, 3, "--force"},
        {{"read", "GX5", "--port", "{no-tty}", "-o", "{read}", "--save-bin", "/nonexistent/x.bin"},
         3,
         "No such file or directory"},
        // a port that is not there, a write no one confirmed (checked before any port)
        {{"read", "GX5", "--port", "{no-tty}", "-o", "{read}"}, 4, "Can't find the device!"},
        {{"write", "{gx5}", "--port", "{no-tty}"}, 2, "--yes"},
        {{"write", "{missing}", "--port", "{no-tty}", "--yes"}, 3, "no such project file"},
        {{"diff", "{gx5g.bin}", "{gx5g.bin}"}, 2, "give --model"},
        {{"diff", "{gx5}", "{exists.bin}"}, 3, "exists.bin"},
        {{"diff", "{gx5}", "{vs73}"}, 3, "they cannot be compared"},
        {{"restore", "{gx5g.bin}", "--model", "GX9", "--port", "{no-tty}", "--yes"}, 2, "GX9"},
        {{"doctor", "--port", "{no-tty}"}, 1, "problem(s) found"},
        // images that are not of the model
        {{"import-bin", "GX5", "{gx5g.bin}", "-o", "{imported}"}, 3, "GX5G radio, not of a GX5"},
        // files and command lines
        {{"import-bin", "GX5", "{missing.bin}", "-o", "{imported}"}, 3, "missing.bin"},
        {{"info", dir_.path().string()}, 3, "is a directory"},
        {{"write", "{gx5}", "--port", "{no-tty}", "--content", "4"}, 2, "--content"},
        {{"frobnicate", "{gx5}"}, 2, "unknown command 'frobnicate'"},
        {{"get", "{gx5}", "RxFrequency"}, 2, "ambiguous"},
    };
    for (const Refusal& row : rows) {
        const std::string before = readFile(Path("gx5"));
        EXPECT_EQ(Run(row.args), row.status) << row.args[0] << ' ' << row.args.back() << '\n'
                                             << vdcps_.err;
        EXPECT_NE(vdcps_.err.find(row.says), std::string::npos) << vdcps_.err;
        EXPECT_EQ(readFile(Path("gx5")), before) << "a refused command changed the project";
    }
    const std::string templates = std::getenv("VALDREN_CPS_TEMPLATE_DIR");
    ::setenv("VALDREN_CPS_TEMPLATE_DIR", dir_.path().c_str(), 1); // no templates there
    EXPECT_EQ(Run({"new", "GX5", "-o", "{none}"}), 3) << "a missing template is a file error";
    ::setenv("VALDREN_CPS_TEMPLATE_DIR", templates.c_str(), 1);
    EXPECT_FALSE(fs::exists(Path("read"))) << "nothing is written when an output cannot be";
    EXPECT_FALSE(fs::exists(Path("imported")));
}

TEST_F(CliHardening, ImportsWhatTheImageHoldsAndNothingElse) {
    // a zone holds its members only, and check boxes read back in the form set takes
    ASSERT_EQ(Run({"import-bin", "GX5G", "{gx5g.bin}", "-o", "{back}", "-q"}), 0) << vdcps_.err;
    EXPECT_EQ(vdcps_.err, "") << "--quiet prints nothing on success";
    EXPECT_EQ(Run({"get", "{back}", "e01040003/Channel[14]"}), 2) << vdcps_.out;
    pugi::xml_document back;
    ASSERT_TRUE(back.load_file(Path("back").c_str()));
    EXPECT_FALSE(back.select_node("//element[@controlType='2' and @inputValue='0']"));

    // bytes the display cannot show read as '?'
    std::string image = readFile(Path("gx5g.bin"));
    image[5450 + 1] = '\x01';
    image[5450 + 2] = '\xE9';
    dir_.write("odd.bin", image);
    ASSERT_EQ(Run({"import-bin", "GX5G", "{odd.bin}", "-o", "{odd}"}), 0) << vdcps_.err;
    ASSERT_EQ(Run({"get", "{odd}", "e01090002"}), 0);
    EXPECT_EQ(vdcps_.out, "V?\?-A\n");

    // an erased radio imports as a blank one, with a warning
    EXPECT_EQ(Run({"import-bin", "GX5", "{blank.bin}", "-o", "{blank}"}), 0) << vdcps_.err;
    EXPECT_NE(vdcps_.err.find("every byte is 0xFF"), std::string::npos) << vdcps_.err;
    EXPECT_EQ(Run({"info", "{blank}"}), 0);

    // the fields of a record, with what each takes
    ASSERT_EQ(Run({"fields", "{vs73}", "CH1"}), 0) << vdcps_.err;
    EXPECT_TRUE(std::regex_search(vdcps_.out, std::regex("(^|\n)rxfreq\t[^\n]*whole number "
                                                         "[0-9-]+, step 10\n")))
        << vdcps_.out;
    // a band change names the channel frequencies it moved: both of all 16 channels leave
    // 400-480 MHz for 174 MHz
    ASSERT_EQ(Run({"set", "{vs73}", "freq_range=0"}), 0) << vdcps_.err;
    EXPECT_EQ(Count(vdcps_.out, "moved "), 32u) << vdcps_.out;
    EXPECT_EQ(Count(vdcps_.out, "moved CH1: rxfreq 446.006250 -> 174.000000 MHz\n"), 1u);
    ASSERT_EQ(Run({"set", "{vs73}", "freq_range=0"}), 0) << vdcps_.err;
    EXPECT_EQ(vdcps_.out, "") << "no change of band, nothing moved";
    // a global option after the command
    std::string err;
    EXPECT_EQ(RunProgram(VdcpsRunner::Program(),
                         {"new", "GX5", "-o", Path("late"), "--config", Path("cps.ini")}, nullptr,
                         &err),
              0)
        << err;
}

TEST_F(CliHardening, AFailedReadSaysWhyAndLeavesTheExistingProjectAlone) {
    const struct {
        std::vector<std::string> radioArgs;
        std::vector<std::string> readArgs;
        int status;
        std::string says;  ///< a part of the message on standard error
        bool namesThePort; ///< followed by the port that did not answer
    } rows[] = {
        {{"--blocks", "10"}, {}, 5, "", false}, // a short image
        {{"--silent"}, {}, 5, "Host failed! No answer on ", true},
        {{"--password", "1234"}, {"--password", "9999"}, 5, "password error", false},
        {{"--password", "1234"}, {}, 2, "--password", false}, // no terminal to ask on
    };
    const std::string image = Path("gx5.bin");
    const std::string project = dir_.write("kept.vdcps", "my earlier project").string();
    for (const auto& row : rows) {
        std::vector<std::string> args{"--model", "GX5", "--image", image};
        args.insert(args.end(), row.radioArgs.begin(), row.radioArgs.end());
        RadioSimProcess radio(args);
        args = {"read", "GX5", "--port", radio.devicePath(), "-o", project, "-q", "--force"};
        args.insert(args.end(), row.readArgs.begin(), row.readArgs.end());
        EXPECT_EQ(vdcps_.Run(args), row.status) << row.radioArgs[0] << ": " << vdcps_.err;
        EXPECT_NE(vdcps_.err.find(row.says + (row.namesThePort ? radio.devicePath() : "")),
                  std::string::npos)
            << vdcps_.err;
        EXPECT_EQ(readFile(project), "my earlier project");
    }
}

TEST_F(CliHardening, SignalsStopATransferThroughTheCancelPath) {
    const struct {
        int signal;
        const char* command;
        const char* progress; ///< the progress line the signal follows
        const char* stopped;  ///< what standard error then says
    } rows[] = {
        {SIGINT, "read", "Host read all data 3/", "Host read all data: break!"},
        {SIGTERM, "read", "Host read all data 3/", "Host read all data: break!"},
        {SIGHUP, "read", "Host read all data 3/", "Host read all data: break!"},
        {SIGINT, "write", "Host write all data 3/", "Host write all data: break!"},
        {SIGINT, "fleet", "Host read all data 25%", ""},
    };
    TempDir paced; // the default pace: a quick transfer could end before the signal
    VdcpsRunner vdcps(paced);
    const std::string project = Path("read");
    for (const auto& row : rows) {
        RadioSimProcess radio({"--model", "GX5", "--image", Path("gx5.bin")});
        std::vector<std::string> args{row.command,
                                      Path("gx5"),
                                      "--port",
                                      radio.devicePath(),
                                      "--yes",
                                      "--backup-dir",
                                      paced.file("backups").string()};
        if (row.command == std::string("read")) {
            args = {"read", "GX5", "--port", radio.devicePath(), "-o", project};
        }
        ChildProcess transfer(VdcpsRunner::Program(), vdcps.Args(args));
        ASSERT_TRUE(transfer.waitForStderr(row.progress, 60s)) << transfer.err();
        transfer.signal(row.signal);
        const auto status = transfer.wait(60s);
        ASSERT_TRUE(status.has_value());
        EXPECT_EQ(*status, 6) << row.signal << ' ' << row.command << ' ' << transfer.err();
        EXPECT_NE(transfer.err().find(row.stopped), std::string::npos) << transfer.err();
        EXPECT_TRUE(radio.waitForTranscript("rebooting")) << row.signal << ' ' << row.command;
        EXPECT_FALSE(std::filesystem::exists(project));
    }
}

// `vdcps check` and the check in front of every write: a broken project reaches neither the
// radio nor an image file unless --force is given, and `set` names what its change broke.
bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(CliCheckGate, ErrorsStopWriteAndExportBeforeAnythingIsOpened) {
    TempDir dir;
    VdcpsRunner vdcps(dir);
    RadioSimProcess radio({"--model", "GX5"});
    const std::string project = dir.file("broken.vdcps").string();
    const std::string image = dir.file("broken.bin").string();
    // one error, a frequency today's radio would store as something else
    auto control = vd::ProjectFile::New("GX5");
    control->SetInputValue("e01090005", "e01099001", "99999999999", true);
    ASSERT_TRUE(vd::ProjectFile::Save(*control, project));
    const std::string problem = "error CH1/RxFrequency: ";
    ASSERT_EQ(vdcps.Run({"check", project}), 1) << vdcps.out << vdcps.err;
    EXPECT_TRUE(Has(vdcps.out, problem)) << vdcps.out;
    EXPECT_EQ(vdcps.Run({"write", project, "--port", radio.devicePath(), "--yes", "-q"}), 3);
    EXPECT_TRUE(Has(vdcps.err, problem)) << vdcps.err;
    EXPECT_EQ(vdcps.Run({"export-bin", project, "-o", image}), 3);
    EXPECT_FALSE(std::filesystem::exists(image));
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
    EXPECT_EQ(vdcps.out.rfind("[\n  {\"severity\": \"warning\"", 0), 0u) << "every problem listed";
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
