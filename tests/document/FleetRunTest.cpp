// Several simulated radios written at once from one project, each with its own values: the
// healthy ones end with exactly their image while a silent radio and one that drops a write
// fail on their own; refused values stop the run before any port is opened; cancel stops all.
#include "document/FleetRun.h"
#include "app/AppPaths.h"
#include "document/ImageFile.h"
#include "document/ProjectFile.h"
#include "tests/support/ModelHelpers.h"
#include "tests/support/RadioSim.h"

#include <condition_variable>
#include <future>
#include <gtest/gtest.h>
#include <mutex>
#include <set>

namespace vdtest {
namespace {

using vd::FleetRun;
using vd::FleetTarget;
using vd::OperationResult;

constexpr const char* kIni = "[Device]\nretry_count=2\nhandshake_retry_count=2\n"
                             "retry_time_interval=10\n[GX5]\ntimeout=400\nretry_time_interval=10\n"
                             "read_time_interval=5\nwrite_time_interval=5\n";

class FleetRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_.write("cps.ini", kIni);
        vd::AppPaths::SetIniPath(dir_.file("cps.ini").string());
        auto control = vd::ProjectFile::New("GX5");
        ASSERT_TRUE(vd::ProjectFile::Save(*control, project_));
        ASSERT_TRUE(control->GenerateImage(image_, 1));
        vd::WriteImageFile(radioImage_, image_);
    }
    void TearDown() override { vd::AppPaths::SetIniPath(""); }

    std::unique_ptr<RadioSimProcess> Radio(std::vector<std::string> faults = {}) {
        std::vector<std::string> args{"--model", "GX5", "--image", radioImage_};
        args.insert(args.end(), faults.begin(), faults.end());
        return std::make_unique<RadioSimProcess>(args);
    }

    /// The image the project with this radio name gives.
    std::string Expected(const std::string& radioName) {
        auto control = vd::ProjectFile::Open(project_);
        SetSetting(*control, "radioName", radioName);
        vd::ByteVector image;
        EXPECT_TRUE(control->GenerateImage(image, 1));
        return std::string(image.begin(), image.end());
    }

    FleetRun::Options Options() {
        FleetRun::Options options;
        options.safety.backupDir = dir_.file("backups").string();
        return options;
    }

    TempDir dir_;
    std::string project_ = dir_.file("plan.vdcps").string();
    std::string radioImage_ = dir_.file("radio.bin").string();
    vd::ByteVector image_;
};

TEST_F(FleetRunTest, HealthyRadiosGetTheirValuesWhileFaultyOnesFailOnTheirOwn) {
    struct Case {
        std::vector<std::string> faults;
        const char* name;
        OperationResult result;
        const char* reason; ///< how the result message starts
        bool backup;
    };
    const std::vector<Case> cases = {
        {{}, "Alpha", OperationResult::Success, "", true},
        {{"--silent"}, "Bravo", OperationResult::RadioError, "Host failed!", false},
        {{"--lose-write", "0"}, "Charlie", OperationResult::RadioError, "Verify failed: ", true},
        {{}, "Delta", OperationResult::Success, "", true},
    };
    std::vector<std::unique_ptr<RadioSimProcess>> radios;
    std::vector<FleetTarget> targets;
    for (const Case& c : cases) {
        radios.push_back(Radio(c.faults));
        targets.push_back({radios.back()->devicePath(), {{"radioName", c.name}}});
    }
    FleetRun run(project_, targets, Options());
    std::mutex mutex;
    std::vector<int> steps(cases.size());
    const auto results = run.Run([&](std::size_t index, const std::string&, int) {
        const std::lock_guard<std::mutex> lock(mutex);
        ++steps.at(index);
    });
    ASSERT_EQ(results.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_EQ(results[i].port, targets[i].port);
        EXPECT_EQ(results[i].result, cases[i].result) << results[i].message;
        EXPECT_EQ(results[i].message.rfind(cases[i].reason, 0), 0u) << results[i].message;
        EXPECT_EQ(!results[i].backupPath.empty(), cases[i].backup);
        if (cases[i].backup) {
            EXPECT_TRUE(readFile(results[i].backupPath) ==
                        std::string(image_.begin(), image_.end()));
        }
        if (cases[i].result == OperationResult::Success) {
            EXPECT_GT(steps[i], 0);
            EXPECT_TRUE(radios[i]->writtenImage() == Expected(cases[i].name))
                << "the radio holds the project with its own name";
        }
    }
    EXPECT_NE(results[0].backupPath, results[3].backupPath) << "backups in one second";
}

TEST_F(FleetRunTest, RefusedValuesStopTheRunBeforeAnyPortIsOpened) {
    auto radio = Radio();
    const std::vector<std::vector<FleetTarget>> refused = {
        {{radio->devicePath(), {{"radioName", "Ok"}}},
         {"/dev/null", {{"radioName", "x"}}},
         {"/dev/zero", {{"radioName", "ThisNameIsFarTooLong"}}}},
        {{radio->devicePath(), {{"noSuchElement", "1"}}}},
        {{radio->devicePath(), {}}, {radio->devicePath(), {}}},
    };
    for (const auto& targets : refused) {
        EXPECT_THROW(FleetRun(project_, targets, Options()), vd::FleetSetupError);
    }
    EXPECT_EQ(radio->transcript().find("session"), std::string::npos) << radio->transcript();

    const std::vector<std::pair<std::string, bool>> tables = {
        {"port,radioName\r\n/dev/a,\"A,\"\"b\"\"\"\n/dev/b,C\n", true},
        {"radioName,port\n/dev/a,A\n", false},
        {"port,radioName\n/dev/a,A,extra\n", false},
        {"port,radioName\n/dev/a,A\n/dev/a,B\n", false},
    };
    for (const auto& [text, good] : tables) {
        if (!good) {
            EXPECT_THROW(vd::FleetTargetsFromCsv(vd::ParseCsv(text)), vd::FleetSetupError) << text;
            continue;
        }
        const auto targets = vd::FleetTargetsFromCsv(vd::ParseCsv(text));
        ASSERT_EQ(targets.size(), 2u);
        EXPECT_EQ(targets[0].values.at(0).second, "A,\"b\"");
        EXPECT_EQ(vd::CsvLine({"A,\"b\"", "c"}), "\"A,\"\"b\"\"\",c\r\n");
    }
    EXPECT_THROW(vd::ParseCsv("a,\"b"), vd::CsvFormatError);
}

TEST_F(FleetRunTest, CancelStopsEveryTransfer) {
    std::vector<std::unique_ptr<RadioSimProcess>> radios;
    std::vector<FleetTarget> targets;
    for (int i = 0; i < 3; ++i) {
        radios.push_back(Radio({"--byte-delay-us", "1042"}));
        targets.push_back({radios.back()->devicePath(), {}});
    }
    FleetRun run(project_, targets, Options());
    std::mutex mutex;
    std::condition_variable changed;
    std::set<std::size_t> started;
    auto future = std::async(std::launch::async, [&] {
        return run.Run([&](std::size_t index, const std::string&, int) {
            const std::lock_guard<std::mutex> lock(mutex);
            started.insert(index);
            changed.notify_all();
        });
    });
    {
        std::unique_lock<std::mutex> lock(mutex);
        ASSERT_TRUE(changed.wait_for(lock, kRadioWait, [&] { return started.size() == 3; }));
    }
    run.Cancel();
    ASSERT_EQ(future.wait_for(kRadioWait), std::future_status::ready);
    for (const auto& result : future.get()) {
        EXPECT_EQ(result.result, OperationResult::Cancelled) << result.message;
    }
}

} // namespace
} // namespace vdtest
