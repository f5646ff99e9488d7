// Radio detection against every simulated model and a silent one, and the connection doctor
// against pseudo-terminals, a held port, a missing path and stand-ins for the system's state.

#include "diag/ConnectionDoctor.h"
#include "diag/RadioDetect.h"
#include "link/CpsSerialPort.h"
#include "tests/support/PtyPair.h"
#include "tests/support/RadioSim.h"
#include "tests/support/TestIni.h"
#include "tools/radiosim/SimFactory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <unistd.h>

namespace vdtest {
namespace {

using ::testing::HasSubstr;

/// cps.ini values with one attempt per handshake and short waits, so that every wrong model
/// gives up quickly.
TestIni::Values ShortWaits() {
    TestIni::Values values{{"Device",
                            {{"retry_count", "1"},
                             {"handshake_retry_count", "1"},
                             {"handshake_read_time_interval", "20"}}}};
    for (const char* section : {"GX5", "GX5G"}) {
        values[section] = {{"handshake_time_out", "300"}, {"retry_time_interval", "10"}};
    }
    for (const char* section : {"LM704", "VS31", "VS46", "VS58", "VS73"}) {
        values[section] = {
            {"timeout", "300"}, {"read_time_interval", "20"}, {"retry_time_interval", "10"}};
    }
    return values;
}

class DetectTest : public ::testing::TestWithParam<std::string> {};

TEST_P(DetectTest, NamesTheSimulatedModel) {
    TestIni ini(ShortWaits());
    RadioSimThread radio(vd::sim::radios::healthy(GetParam()));
    EXPECT_EQ(vd::detect_radio(radio.devicePath()), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Models, DetectTest,
                         ::testing::Values("GX5", "GX5G", "LM704", "VS31", "VS46", "VS58", "VS73"));

TEST(DetectTest, SilentPortHasNoRadioAndEveryModelWasTried) {
    TestIni ini(ShortWaits());
    PtyPair cable;
    std::vector<std::string> tried;
    EXPECT_EQ(vd::detect_radio(cable.devicePath(),
                               [&](const std::string& model) {
                                   tried.push_back(model);
                                   return true;
                               }),
              std::nullopt);
    EXPECT_EQ(tried.size(), 7U);
}

/// A healthy machine: one USB port, no grabbing service, the user in every group.
vd::SystemView Healthy() {
    vd::SystemView view;
    view.ports = [] {
        vd::PortInfo port;
        port.name = "/dev/ttyUSB0";
        return std::vector<vd::PortInfo>{port};
    };
    view.programs = [] { return std::vector<std::string>{"bash"}; };
    view.accountGroups = [] { return std::vector<std::string>{"alice", "dialout"}; };
    view.sessionGroups = view.accountGroups;
    view.deviceGroup = [](const std::string&) { return std::string("dialout"); };
    view.accessError = [](const std::string&) { return 0; };
    view.holder = [](const std::string&) { return std::nullopt; };
    view.userName = [] { return std::string("alice"); };
    return view;
}

std::vector<std::string> Problems(const std::vector<vd::DoctorCheck>& checks) {
    std::vector<std::string> lines;
    for (const vd::DoctorCheck& check : checks) {
        if (!check.ok) {
            lines.push_back(vd::format_check(check));
        }
    }
    return lines;
}

TEST(DoctorTest, EachInjectedFaultIsOneProblemWithItsFix) {
    PtyPair cable;
    struct Case {
        const char* name;
        std::function<void(vd::SystemView&)> spoil;
        std::vector<const char*> expected; ///< one text per problem line
    };
    const std::vector<Case> cases{
        {"healthy", [](vd::SystemView&) {}, {}},
        {"no ports",
         [](vd::SystemView& v) { v.ports = [] { return std::vector<vd::PortInfo>{}; }; },
         {"No serial port found"}},
        {"grabbers",
         [](vd::SystemView& v) {
             v.programs = [] { return std::vector<std::string>{"ModemManager", "brltty"}; };
         },
         {"systemctl disable --now ModemManager", "apt remove brltty"}},
        {"group not active yet",
         [](vd::SystemView& v) {
             v.accessError = [](const std::string&) { return EACCES; };
             v.sessionGroups = [] { return std::vector<std::string>{"alice"}; };
         },
         {"this login does not have it yet. Fix: Log out and in again"}},
        {"not in the group",
         [](vd::SystemView& v) {
             v.accessError = [](const std::string&) { return EACCES; };
             v.accountGroups = [] { return std::vector<std::string>{"alice"}; };
         },
         {"sudo usermod -aG dialout alice"}},
    };
    for (const Case& c : cases) {
        vd::SystemView view = Healthy();
        c.spoil(view);
        const auto problems = Problems(vd::run_connection_checks(cable.devicePath(), view, false));
        ASSERT_EQ(problems.size(), c.expected.size()) << c.name;
        for (std::size_t i = 0; i < problems.size(); ++i) {
            EXPECT_THAT(problems[i], HasSubstr(c.expected[i])) << c.name;
        }
    }
}

TEST(DoctorTest, PortHeldByThisTestIsNamedWithItsPid) {
    PtyPair cable;
    vd::CpsSerialPort held;
    held.Open(cable.devicePath(), 9600, vd::Parity::None, 8, vd::StopBits::One,
              vd::FlowControl::None, false);
    vd::SystemView view = Healthy();
    view.holder = vd::live_system().holder;
    const auto problems = Problems(vd::run_connection_checks(cable.devicePath(), view, true));
    ASSERT_EQ(problems.size(), 1U);
    EXPECT_THAT(problems[0], HasSubstr("(pid " + std::to_string(::getpid()) + ")"));
    EXPECT_THAT(problems[0], HasSubstr("kill " + std::to_string(::getpid())));
}

TEST(DoctorTest, MissingPathStopsAfterSayingSoAndSilentRadioIsTheLastProblem) {
    const auto missing = Problems(vd::run_connection_checks("/dev/no-such-port", Healthy(), true));
    ASSERT_EQ(missing.size(), 1U);
    EXPECT_THAT(missing[0], HasSubstr("/dev/no-such-port does not exist"));

    TestIni ini(ShortWaits());
    PtyPair cable;
    const auto checks = vd::run_connection_checks(cable.devicePath(), Healthy(), true);
    ASSERT_FALSE(checks.empty());
    EXPECT_THAT(Problems(checks), ::testing::ElementsAre(HasSubstr("No radio answered")));
    EXPECT_THAT(vd::format_check(checks.back()), HasSubstr("No radio answered"));
}

} // namespace
} // namespace vdtest
