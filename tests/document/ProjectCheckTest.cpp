// The whole-project check: a clean project of every model has no error, and each kind of
// problem, made on purpose in a fresh project, is found once at the element that has it.
#include "document/ProjectCheck.h"
#include "document/ProjectFile.h"
#include "model/CommonCpsControl.h"
#include "tests/support/ModelHelpers.h"

#include <functional>
#include <gtest/gtest.h>

namespace vdtest {
namespace {

using vd::HamCpsControl;
using vd::ProblemKind;
using vd::Severity;

/// The ids of the in-use channels after the list was brought to `count` records, each with a
/// name of its own.
std::vector<std::string> Channels(HamCpsControl& control, size_t count) {
    std::vector<std::string> ids;
    dynamic_cast<vd::CommonCpsControl&>(control).ResizeRecordList("ChannelName", count, ids);
    for (size_t i = 0; i < ids.size(); ++i) {
        control.SetInputValue(ids[i], "", "N" + std::to_string(i), true);
    }
    return ids;
}

/// Every problem, one a line, for a failure message.
std::string Describe(const std::vector<vd::Problem>& problems) {
    std::string text;
    for (const vd::Problem& problem : problems) {
        text += problem.selector + ": " + problem.english + "\n";
    }
    return text;
}

struct Case {
    const char* name;
    const char* model;
    std::function<void(HamCpsControl&)> change;
    ProblemKind kind;
    Severity severity;
    const char* selector; ///< empty: whatever `vdcps get` name the record has
};

constexpr const char* kCh1 = "e01090005"; // "CH1" of the GX5 family
constexpr const char* kZone1 = "e01040002";
constexpr const char* kScan1 = "e01100002";

const Case kCases[] = {
    {"FrequencyOutOfBand", "GX5", [](auto& c) { SetField(c, kCh1, "RxFrequency", "99999999999"); },
     ProblemKind::RefusedValue, Severity::Error, "CH1/RxFrequency"},
    {"RecordNamedLikeAnId", "GX5", // named as an id would be: selected by its id instead
     [](auto& c) {
         c.SetInputValue(kCh1, "", "e5", true);
         SetField(c, kCh1, "RxFrequency", "99999999999");
     },
     ProblemKind::RefusedValue, Severity::Error, "e01090005/RxFrequency"},
    {"FrequencyNotANumber", "GX5", [](auto& c) { SetField(c, kCh1, "TxFrequency", "abc"); },
     ProblemKind::RefusedValue, Severity::Error, "CH1/TxFrequency"},
    {"Gx5gBandIsNarrower", "GX5G", [](auto& c) { SetField(c, kCh1, "RxFrequency", "500000000"); },
     ProblemKind::RefusedValue, Severity::Error, "CH1/RxFrequency"},
    {"LmVsBand", "LM704", [](auto& c) { SetField(c, "e01090002", "rxfreq", "480000000"); },
     ProblemKind::RefusedValue, Severity::Error, "CH1/rxfreq"},
    {"NoSuchChoice", "GX5", [](auto& c) { SetField(c, kCh1, "ChannelPower", "9"); },
     ProblemKind::RefusedValue, Severity::Error, "CH1/ChannelPower"},
    {"CheckBoxValue", "GX5", [](auto& c) { SetSetting(c, "KeyBeepEn", "2"); },
     ProblemKind::RefusedValue, Severity::Error, "KeyBeepEn"},
    {"DtmfCharacter", "GX5", [](auto& c) { SetSetting(c, "ownId", "12X"); },
     ProblemKind::RefusedValue, Severity::Error, "ownId"},
    {"DeletedScanList", "GX5", [](auto& c) { SetField(c, kCh1, "scanListIndex", "e01109999"); },
     ProblemKind::MissingReference, Severity::Error, "CH1/scanListIndex"},
    {"DeletedZoneMember", "GX5",
     [](auto& c) {
         c.SetFieldValue(kZone1, "Channel", {kCh1, "e01099999", "e01090006", "e01090007"});
     },
     ProblemKind::MissingReference, Severity::Error, "Zone1/Channel[1]"},
    {"ChannelsOverCapacity", "GX5", [](auto& c) { Channels(c, 1028); }, ProblemKind::OverCapacity,
     Severity::Error, ""},
    {"LmVsChannelsOverCapacity", "VS46", [](auto& c) { Channels(c, 17); },
     ProblemKind::OverCapacity, Severity::Error, ""},
    {"ZoneOverSixteenMembers", "GX5",
     [](auto& c) {
         std::vector<std::string> ids = Channels(c, 24);
         c.SetFieldValue(kZone1, "Channel", {ids.begin() + 3, ids.begin() + 20});
     },
     ProblemKind::TooManyMembers, Severity::Error, "Zone1"},
    {"PowerUpChannelOutsideZone", "GX5",
     [](auto& c) { SetSetting(c, "home1PwrupChnl", "e01090004"); }, ProblemKind::ChannelOutsideZone,
     Severity::Error, "home1PwrupChnl"},
    {"PowerUpZoneEmpty", "GX5", [](auto& c) { SetSetting(c, "home2PwrupZoneIndex", ""); },
     ProblemKind::EmptyRequired, Severity::Error, "home2PwrupZoneIndex"},
    {"DuplicateName", "GX5", [](auto& c) { c.SetInputValue("e01090006", "", "CH1", true); },
     ProblemKind::DuplicateName, Severity::Warning, "e01090006"},
    {"EmptyName", "GX5", [](auto& c) { c.SetInputValue("e01090006", "", "", true); },
     ProblemKind::EmptyName, Severity::Warning, "e01090006"},
    {"NameCut", "GX5", [](auto& c) { c.SetInputValue(kZone1, "", "Mountain rescue", true); },
     ProblemKind::TextCut, Severity::Warning, "Mountain rescue"},
    {"CharactersUnshown", "GX5G", [](auto& c) { SetSetting(c, "radioName", "Bäse"); },
     ProblemKind::TextUnshown, Severity::Warning, "radioName"},
    {"ScanListWithoutMembers", "GX5", [](auto& c) { c.SetFieldValue(kScan1, "Channel", {}); },
     ProblemKind::NoMembers, Severity::Warning, "Scan1"},
    {"WeatherChannelTransmits", "GX5",
     [](auto& c) { SetField(c, kCh1, "RxFrequency", "162550000"); }, ProblemKind::ReceiveOnlyTx,
     Severity::Warning, "CH1/RxFrequency"},
    {"WeatherBandStart", "GX5", [](auto& c) { SetField(c, kCh1, "RxFrequency", "162400000"); },
     ProblemKind::ReceiveOnlyTx, Severity::Warning, "CH1/RxFrequency"},
    {"WeatherChannelOfAVs73", "VS73",
     [](auto& c) {
         c.SetValueByName("freq_range", "0"); // the VHF band, every channel in it
         for (const std::string& channel : InUseIds(c, "ChannelName")) {
             SetField(c, channel, "rxfreq", "150000000");
             SetField(c, channel, "txfreq", "150000000");
         }
         SetField(c, "e01090002", "rxfreq", "162400000");
     },
     ProblemKind::ReceiveOnlyTx, Severity::Warning, "CH1/rxfreq"},
};

class ProjectCheckFinds : public ::testing::TestWithParam<Case> {};

TEST_P(ProjectCheckFinds, TheOneProblemMadeAtItsElement) {
    const Case& row = GetParam();
    auto control = vd::ProjectFile::New(row.model);
    ASSERT_NE(control, nullptr);
    row.change(*control);
    const std::vector<vd::Problem> problems = vd::CheckProject(*control);
    ASSERT_EQ(problems.size(), 1u) << Describe(problems);
    const vd::Problem& problem = problems.front();
    EXPECT_EQ(problem.kind, row.kind) << problem.english;
    EXPECT_EQ(problem.severity, row.severity) << problem.english;
    if (*row.selector != '\0') {
        EXPECT_EQ(problem.selector, row.selector) << problem.english;
    }
    EXPECT_FALSE(problem.english.empty() || problem.chinese.empty() || problem.path.empty());
    EXPECT_NE(problem.english, problem.chinese);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ProjectCheckFinds, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

/// Marks the models define are values, not dangling references: a zone read from a radio ends
/// with "0xFFFF" (what follows is not stored), a power-up zone "0x0FFF" means all channels.
TEST(ProjectCheck, ModelMarksAreNoProblems) {
    auto control = vd::ProjectFile::New("GX5");
    control->SetFieldValue(kZone1, "Channel", {kCh1, "e01090006", "e01090007", "0xFFFF", "e0"});
    control->SetInputValue("e01070004", "", "0x0FFF", true);
    const std::vector<vd::Problem> problems = vd::CheckProject(*control);
    EXPECT_TRUE(problems.empty()) << Describe(problems);
}

class CleanProject : public ::testing::TestWithParam<std::string> {};

TEST_P(CleanProject, NewProjectHasNoError) {
    auto control = vd::ProjectFile::New(GetParam());
    ASSERT_NE(control, nullptr);
    const std::vector<vd::Problem> problems = vd::CheckProject(*control);
    EXPECT_EQ(vd::CountProblems(problems, Severity::Error), 0u) << Describe(problems);
}

INSTANTIATE_TEST_SUITE_P(Models, CleanProject,
                         ::testing::Values("GX5", "GX5G", "LM704", "VS31", "VS46", "VS58", "VS73"));

} // namespace
} // namespace vdtest
