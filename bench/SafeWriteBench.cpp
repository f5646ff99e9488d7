// What safe writing costs: a full GX5 write with its backup read and its verify read, and an
// LM704 write with its verify read, each against the simulated radio paced like its line and
// beside the bare write and the bare read of the same run. The ratios printed at the end set
// the safe write against the bare write and against the traffic the safety adds.

#include "document/CValdrenCpsDoc.h"
#include "tests/support/RadioSim.h"
#include "tests/support/ScriptedUi.h"
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

/// What one run measures.
enum Operation { kBareWrite, kRead, kSafeWrite };

/// A model and the pace of its line (microseconds per byte: 115200 and 9600 baud).
struct Line {
    const char* model;
    unsigned byteDelayUs;
};

const Line kLines[] = {{"GX5", 87}, {"LM704", 1042}};

/// Seconds of the last run of each (line, operation).
std::map<std::pair<int, int>, double>& Results() {
    static std::map<std::pair<int, int>, double> results;
    return results;
}

/// A cps.ini with every default, so that backups go to its folder and nowhere else.
class BenchSettings {
public:
    BenchSettings() {
        const auto ini = folder_.write("cps.ini", "[Device]\n");
        setenv("VALDREN_CPS_INI", ini.c_str(), 1);
    }
    ~BenchSettings() { unsetenv("VALDREN_CPS_INI"); }
    BenchSettings(const BenchSettings&) = delete;
    BenchSettings& operator=(const BenchSettings&) = delete;

private:
    vdtest::TempDir folder_;
};

double RunOnce(const Line& line, Operation operation) {
    BenchSettings settings;
    vd::sim::SimConfig config;
    config.model = line.model;
    config.faults.byteDelayUs = line.byteDelayUs;
    vdtest::RadioSimThread radio(config);
    vdtest::ScriptedUi ui;
    ui.device = {line.model, radio.devicePath()};
    vd::CValdrenCpsDoc doc(ui);
    if (!doc.NewDocument(line.model, radio.devicePath())) {
        throw std::runtime_error("no document");
    }
    vd::WriteSafety safety;
    if (operation == kBareWrite) {
        safety.backup = safety.verify = false;
        safety.writeFactoryData = true; // no read at all before a GX5 write
    }
    doc.SetWriteSafety(safety);
    const auto start = Clock::now();
    if (operation == kRead) {
        doc.ReadDevice();
    } else {
        doc.OnEditWriteDevice();
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (doc.LastResult() != vd::OperationResult::Success) {
        throw std::runtime_error(ui.messages.empty() ? "failed" : ui.messages.back().text);
    }
    return seconds;
}

void BM_Transfer(benchmark::State& state) {
    const int line = static_cast<int>(state.range(0));
    const auto operation = static_cast<Operation>(state.range(1));
    for (auto _ : state) {
        try {
            const double seconds = RunOnce(kLines[line], operation);
            Results()[{line, operation}] = seconds;
            state.SetIterationTime(seconds);
        } catch (const std::exception& e) {
            state.SkipWithError(e.what());
            return;
        }
    }
    state.SetLabel(fmt::format("{} {}", kLines[line].model,
                               operation == kBareWrite ? "bare write"
                               : operation == kRead    ? "read"
                                                       : "write with backup and verify"));
}

BENCHMARK(BM_Transfer)
    ->ArgsProduct({{0, 1}, {kBareWrite, kRead, kSafeWrite}})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

/// The safe write against the bare write, and the target: the bare write plus the reads the
/// safety adds (GX5: backup and verify; LM704: verify, its backup is the base read it always
/// made), plus 5 %.
void PrintRatios() {
    for (int line = 0; line < 2; ++line) {
        auto& results = Results();
        if (!results.count({line, kBareWrite}) || !results.count({line, kRead}) ||
            !results.count({line, kSafeWrite})) {
            continue;
        }
        const double bare = results[{line, kBareWrite}];
        const double read = results[{line, kRead}];
        const double safe = results[{line, kSafeWrite}];
        const int addedReads = line == 0 ? 2 : 1;
        const double target = (bare + addedReads * read) / bare + 0.05;
        std::cout << fmt::format("{}: write with backup and verify / bare write = {:.3f} "
                                 "(target at most {:.3f}: {} added read(s) of {:.2f} s + 5 %)\n",
                                 kLines[line].model, safe / bare, target, addedReads, read);
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintRatios();
    return 0;
}
