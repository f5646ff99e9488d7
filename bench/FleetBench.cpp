// Several radios at once: four simulated GX5 radios, each paced like its 115200 baud line and
// running as a process of its own, written with backup and verify in one fleet run, against
// one radio alone. The ratio printed at the end is the time of four over the time of one.

#include "document/FleetRun.h"
#include "document/ProjectFile.h"
#include "tests/support/RadioSim.h"
#include "tests/support/TempDir.h"

#include <benchmark/benchmark.h>
#include <fmt/format.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <map>
#include <stdexcept>

namespace {

using Clock = std::chrono::steady_clock;

/// Seconds of the last run of each fleet size.
std::map<int, double>& Results() {
    static std::map<int, double> results;
    return results;
}

double RunFleet(int radios) {
    vdtest::TempDir folder;
    const auto ini = folder.write("cps.ini", "[Device]\n");
    setenv("VALDREN_CPS_INI", ini.c_str(), 1);
    const std::string project = folder.file("plan.vdcps").string();
    if (!vd::ProjectFile::Save(*vd::ProjectFile::New("GX5"), project)) {
        throw std::runtime_error("no project");
    }
    std::vector<std::unique_ptr<vdtest::RadioSimProcess>> sims;
    std::vector<vd::FleetTarget> targets;
    for (int i = 0; i < radios; ++i) {
        sims.push_back(std::make_unique<vdtest::RadioSimProcess>(
            std::vector<std::string>{"--model", "GX5", "--byte-delay-us", "87"}));
        targets.push_back({sims.back()->devicePath(), {{"radioName", fmt::format("Unit{}", i)}}});
    }
    vd::FleetRun::Options options;
    options.safety.backupDir = folder.file("backups").string();
    vd::FleetRun run(project, targets, options);
    const auto start = Clock::now();
    const auto results = run.Run({});
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    unsetenv("VALDREN_CPS_INI");
    for (const auto& result : results) {
        if (result.result != vd::OperationResult::Success) {
            throw std::runtime_error(result.port + ": " + result.message);
        }
    }
    return seconds;
}

void BM_Fleet(benchmark::State& state) {
    const int radios = static_cast<int>(state.range(0));
    for (auto _ : state) {
        try {
            const double seconds = RunFleet(radios);
            Results()[radios] = seconds;
            state.SetIterationTime(seconds);
        } catch (const std::exception& e) {
            state.SkipWithError(e.what());
            return;
        }
    }
    state.SetLabel(fmt::format("{} GX5 radio(s) with backup and verify", radios));
}

BENCHMARK(BM_Fleet)->Arg(1)->Arg(4)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (Results().count(1) && Results().count(4)) {
        std::cout << fmt::format("four radios / one radio = {:.3f} (target at most 1.2)\n",
                                 Results()[4] / Results()[1]);
    }
    return 0;
}
