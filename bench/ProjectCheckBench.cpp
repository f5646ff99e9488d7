// The whole-project check on a GX5 project filled to capacity (1027 channels, 64 zones of 16,
// 64 scan lists of 16): its time, and how its cost per record grows with the channel list.
#include "document/ProjectCheck.h"
#include "document/ProjectFile.h"
#include "model/CommonCpsControl.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <ctime>
#include <map>
#include <memory>
#include <stdexcept>

namespace {

constexpr size_t kLists = 64;
constexpr size_t kMembers = 16;

/// A GX5 project with `channels` channel records (VFOs included), each named alone, and 64
/// zones and 64 scan lists of 16 members.
struct FilledProject {
    explicit FilledProject(size_t channels) {
        control = vd::ProjectFile::New("GX5");
        if (!control) {
            throw std::runtime_error("the GX5 template cannot be loaded");
        }
        auto& common = dynamic_cast<vd::CommonCpsControl&>(*control);
        std::vector<std::string> ids;
        common.ResizeRecordList("ChannelName", channels, ids);
        for (size_t i = 3; i < ids.size(); ++i) {
            control->SetInputValue(ids[i], "", "CH" + std::to_string(i - 2), true);
        }
        for (const char* list : {"ZoneName", "ScanName"}) {
            std::vector<std::string> listIds;
            common.ResizeRecordList(list, kLists, listIds);
            for (size_t l = 0; l < listIds.size(); ++l) {
                std::vector<std::string> members;
                for (size_t m = 0; m < kMembers; ++m) {
                    // memory channels only: the first three are the VFOs
                    members.push_back(ids[3 + (l * kMembers + m) % (ids.size() - 3)]);
                }
                control->SetFieldValue(listIds[l], "Channel", members);
                control->SetInputValue(listIds[l], "", list[0] + std::to_string(l + 1), true);
            }
        }
        records = channels + 2 * kLists;
    }

    std::unique_ptr<vd::HamCpsControl> control;
    size_t records = 0;
};

FilledProject& Project(size_t channels) {
    static std::map<size_t, std::unique_ptr<FilledProject>> projects;
    auto& project = projects[channels];
    if (!project) {
        project = std::make_unique<FilledProject>(channels);
    }
    return *project;
}

void CheckProject(benchmark::State& state) {
    FilledProject& project = Project(static_cast<size_t>(state.range(0)));
    size_t problems = 0;
    for (auto _ : state) {
        problems = vd::CheckProject(*project.control).size();
        benchmark::DoNotOptimize(problems);
    }
    state.counters["problems"] = static_cast<double>(problems);
    state.counters["per_record"] = benchmark::Counter(
        static_cast<double>(project.records),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(CheckProject)->Arg(100)->Arg(1027)->Unit(benchmark::kMillisecond);

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

/// The median of 15 checks in processor time: a loaded machine stretches the wall time of a
/// single-threaded pass without making it cost more.
double MedianSeconds(FilledProject& project) {
    std::vector<double> samples;
    for (int i = 0; i < 15; ++i) {
        const double start = CpuSeconds();
        benchmark::DoNotOptimize(vd::CheckProject(*project.control));
        samples.push_back(CpuSeconds() - start);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

/// The targets: a full project in under 50 ms, and a cost per record at 1027 channels at
/// most 1.5 times the cost at 100.
void PrintTargets() {
    FilledProject& small = Project(100);
    FilledProject& full = Project(1027);
    const double smallSeconds = MedianSeconds(small);
    const double fullSeconds = MedianSeconds(full);
    const double ratio = (fullSeconds / static_cast<double>(full.records)) /
                         (smallSeconds / static_cast<double>(small.records));
    std::printf(
        "\nfull GX5 project (%zu records): %.1f ms of processor time (target < 50 ms: %s)\n",
        full.records, fullSeconds * 1e3, fullSeconds < 0.050 ? "met" : "MISSED");
    std::printf("per record: %.2f us at 100 channels, %.2f us at 1027, ratio %.2f (target <= "
                "1.5: %s)\n",
                smallSeconds / static_cast<double>(small.records) * 1e6,
                fullSeconds / static_cast<double>(full.records) * 1e6, ratio,
                ratio <= 1.5 ? "met" : "MISSED");
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    PrintTargets();
    benchmark::Shutdown();
    return 0;
}
