// Lists through CSV with the tool: a project's list exported and imported into a fresh one, an
// import refused as a whole, and the channel CSV of other programming tools.
#include "document/ListRows.h"
#include "tests/cli/CliTestSupport.h"

#include <gtest/gtest.h>

namespace vdtest {
namespace {

/// A model and values given in display form that make its project differ from a new one.
struct DisplayChange {
    std::string model;
    std::vector<std::pair<std::string, std::string>> values; ///< selector, display text
};

TEST(CliListCsv, ExportThenImportIntoAFreshProjectGivesTheSameValues) {
    // the display forms of the models, each checked once
    const DisplayChange changes[] = {
        {"GX5",
         {{"CH2/RxFrequency", "151.625000"},
          {"CH2/CTCSSTxValue", "88.5 Hz"},
          {"CH2/CTCSSRxValue", "D023I"},
          {"CH2/ChannelPower", "Low"},
          {"CH3/VoxEnable", "On"},
          {"e01040002/Channel[0]", "CH3"}}},
        {"VS73",
         {{"CH2/rxfreq", "462.562500"},
          {"CH2/highpower", "High"},
          {"CH2/tx_tone", "D023N"},
          {"CH3/tx_tone", "67.0 Hz"}}},
    };
    TempDir dir;
    VdcpsRunner vdcps(dir);
    for (const DisplayChange& change : changes) {
        const std::string source = dir.file("source.vdcps").string();
        const std::string fresh = dir.file("fresh.vdcps").string();
        const std::string csv = dir.file("channels.csv").string();
        ASSERT_EQ(vdcps.Run({"new", change.model, "-o", source, "--force"}), 0) << vdcps.err;
        ASSERT_EQ(vdcps.Run({"new", change.model, "-o", fresh, "--force"}), 0) << vdcps.err;
        std::vector<std::string> set = {"set", source};
        std::vector<std::string> get = {"get", "--display", source};
        std::string shown;
        for (const auto& [selector, text] : change.values) {
            set.push_back(selector + "=" + text);
            get.push_back(selector);
            shown += text + "\n";
        }
        ASSERT_EQ(vdcps.Run(set), 0) << vdcps.err;
        ASSERT_EQ(vdcps.Run(get), 0) << vdcps.err;
        EXPECT_EQ(vdcps.out, shown);

        for (const char* list : {"Channels", "zones"}) {
            if (vdcps.Run({"export-csv", source, "--list", list, "-o", csv, "--force"}) != 0) {
                EXPECT_NE(vdcps.err.find("no list called"), std::string::npos) << vdcps.err;
                continue; // a model without zones
            }
            ASSERT_EQ(vdcps.Run({"import-csv", fresh, csv, "--list", list}), 0) << vdcps.err;
        }
        EXPECT_EQ(vdcps.Run({"diff", source, fresh}), 0) << change.model << '\n' << vdcps.out;
    }
}

TEST(CliListCsvImport, RefusesTheWholeFileAndTakesTheOtherToolsFormat) {
    TempDir dir;
    VdcpsRunner vdcps(dir);
    const std::string project = dir.file("gx5.vdcps").string();
    ASSERT_EQ(vdcps.Run({"new", "GX5", "-o", project}), 0) << vdcps.err;
    const std::string before = readFile(project);
    dir.write("bad.csv",
              "Channel name,Receive frequency,CTCSSTxValue\r\n"
              "A,151.625,88.5\r\nB,999.5,88.5\r\nC,151.625,77.7\r\nD,151.6250001,D023N\r\n");
    EXPECT_EQ(vdcps.Run({"import-csv", project, dir.file("bad.csv").string()}), 3);
    for (const char* failure :
         {"row 2, RxFrequency", "row 3, CTCSSTxValue", "row 4, RxFrequency"}) {
        EXPECT_NE(vdcps.err.find(failure), std::string::npos) << vdcps.err;
    }
    EXPECT_EQ(readFile(project), before);

    const std::string header = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                               "DtcsCode,DtcsPolarity,Mode,TStep,Comment\r\n";
    dir.write("other.csv", header + "0,Simplex,146.52,,0.6,,88.5,88.5,023,NN,FM,5,\r\n"
                                    "1,Plus,146.94,+,0.6,Tone,100.0,88.5,023,NN,NFM,5,\r\n"
                                    "2,Minus,147.00,-,0.6,TSQL,88.5,123.0,023,NN,FM,5,\r\n"
                                    "3,Split,440.0,split,445.5,DTCS,88.5,88.5,754,RN,NFM,5,\r\n");
    ASSERT_EQ(vdcps.Run({"import-csv", project, dir.file("other.csv").string()}), 0) << vdcps.err;
    EXPECT_NE(vdcps.out.find("ignored columns: Location, TStep, Comment"), std::string::npos);
    EXPECT_EQ(vdcps.Run({"check", project}), 0) << "no reference left to a removed channel\n"
                                                << vdcps.out;
    ASSERT_EQ(vdcps.Run({"export-csv", project}), 0) << vdcps.err;
    const vd::TextTable table = vd::ParseCsvTable(vdcps.out);
    const std::vector<std::vector<std::string>> expected = {
        {"Simplex", "146.520000", "146.520000", "Off", "Off", "Carrier", "Wide 25 kHz"},
        {"Plus", "146.940000", "147.540000", "Off", "100.0 Hz", "Carrier", "Narrow 12.5 kHz"},
        {"Minus", "147.000000", "146.400000", "123.0 Hz", "123.0 Hz", "CTCSS/DCS", "Wide 25 kHz"},
        {"Split", "440.000000", "445.500000", "D754N", "D754I", "CTCSS/DCS", "Narrow 12.5 kHz"},
    };
    ASSERT_EQ(table.rows.size(), 3 + expected.size()) << "the VFOs and the four channels";
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const std::vector<std::string>& row = table.rows[3 + i];
        EXPECT_EQ(
            (std::vector<std::string>{row[0], row[1], row[2], row[3], row[4], row[5], row[7]}),
            expected[i]);
    }

    const std::string imported = readFile(project);
    dir.write("off.csv", header + "0,Listen,162.55,off,0,,88.5,88.5,023,NN,AM,5,\r\n");
    EXPECT_EQ(vdcps.Run({"import-csv", project, dir.file("off.csv").string()}), 3);
    EXPECT_NE(vdcps.err.find("row 1, Duplex"), std::string::npos) << vdcps.err;
    EXPECT_NE(vdcps.err.find("row 1, Mode"), std::string::npos) << vdcps.err;
    EXPECT_EQ(readFile(project), imported);
}

} // namespace
} // namespace vdtest
