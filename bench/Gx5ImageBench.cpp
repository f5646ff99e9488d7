// ImportImage and GenerateImage of GX5 images: one with every list at capacity (1027
// channels, 64 zones of 16 members, 64 scan lists, 8 emergency entries, 32 FM stations, 12
// weather channels) and one with 100 channels. Prints the full-capacity round time and the
// cost per channel of both, which should grow linearly.

#include "radios/gx5/Gx5v001Control.h"

#include <benchmark/benchmark.h>
#include <fmt/format.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::unique_ptr<vd::Gx5v001Control> FreshControl() {
    auto control = std::make_unique<vd::Gx5v001Control>("GX5");
    control->ResetToTemplate();
    return control;
}

std::string FieldId(vd::HamCpsControl& control, const std::string& record, const char* name) {
    vd::ElementList fields;
    control.GetChildElements(record, fields);
    for (const vd::ElementPtr& field : fields) {
        if (field->name == name) {
            return field->id;
        }
    }
    return {};
}

/// The image of a configuration with that many channels; full also fills every other list.
vd::ByteVector BuildImage(size_t channelCount, bool full) {
    auto control = FreshControl();
    std::vector<std::string> channels, zones, scans, emergencies, ids;
    control->ResizeRecordList("ChannelName", channelCount, channels);
    for (size_t i = 0; i < channels.size(); ++i) {
        control->SetInputValue(channels[i], "", "CH" + std::to_string(i), true);
        control->SetInputValue(channels[i], FieldId(*control, channels[i], "RxFrequency"),
                               std::to_string(400000000 + i * 12500), true);
    }
    if (full) {
        control->ResizeRecordList("ZoneName", 64, zones);
        control->ResizeRecordList("ScanName", 64, scans);
        control->ResizeRecordList("EmergencyName", 8, emergencies);
        control->ResizeRecordList("fmName", 32, ids);
        control->ResizeRecordList("noaaName", 12, ids);
        for (size_t k = 0; k < zones.size(); ++k) {
            std::vector<std::string> members;
            for (size_t m = 0; m < 16; ++m) {
                members.push_back(channels[(k * 16 + m) % channels.size()]);
            }
            control->SetFieldValue(zones[k], "Channel", members);
            control->SetFieldValue(scans[k], "Channel", members);
        }
        for (size_t i = 0; i < channels.size(); i += 2) {
            control->SetInputValue(channels[i], FieldId(*control, channels[i], "scanListIndex"),
                                   scans[i % scans.size()], true);
        }
    }
    vd::ByteVector image;
    control->GenerateImage(image, 1);
    return image;
}

const vd::ByteVector& Image(size_t channels) {
    static const vd::ByteVector full = BuildImage(1027, true);
    static const vd::ByteVector hundred = BuildImage(100, false);
    return channels == 1027 ? full : hundred;
}

void BM_Import(benchmark::State& state) {
    const vd::ByteVector& image = Image(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto control = FreshControl();
        state.ResumeTiming();
        benchmark::DoNotOptimize(control->ImportImage(image));
        state.PauseTiming();
        control.reset();
        state.ResumeTiming();
    }
}

void BM_Generate(benchmark::State& state) {
    auto control = FreshControl();
    control->ImportImage(Image(static_cast<size_t>(state.range(0))));
    vd::ByteVector image;
    for (auto _ : state) {
        benchmark::DoNotOptimize(control->GenerateImage(image, 1));
    }
}

BENCHMARK(BM_Import)->Arg(100)->Arg(1027)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Generate)->Arg(100)->Arg(1027)->Unit(benchmark::kMillisecond);

/// Thread CPU time in milliseconds: on a loaded machine the wall clock also counts the
/// time other programs had the processor.
double CpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

/// Median wall and CPU times of import followed by generate, in milliseconds (the reset to
/// the template is not counted).
std::pair<double, double> RoundMilliseconds(size_t channels, int runs) {
    std::vector<double> wall, cpu;
    for (int run = 0; run < runs; ++run) {
        auto control = FreshControl();
        vd::ByteVector image;
        const auto start = Clock::now();
        const double cpuStart = CpuMilliseconds();
        control->ImportImage(Image(channels));
        control->GenerateImage(image, 1);
        cpu.push_back(CpuMilliseconds() - cpuStart);
        wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[wall.size() / 2], cpu[cpu.size() / 2]};
}

void PrintFigures() {
    const auto [fullWall, fullCpu] = RoundMilliseconds(1027, 15);
    const auto [hundredWall, hundredCpu] = RoundMilliseconds(100, 15);
    const double perChannelFull = fullCpu * 1000 / 1027;
    const double perChannelHundred = hundredCpu * 1000 / 100;
    fmt::print("full capacity import + generate: {:.1f} ms CPU, {:.1f} ms wall "
               "(target under 100 ms)\n",
               fullCpu, fullWall);
    fmt::print("100 channels import + generate: {:.1f} ms CPU, {:.1f} ms wall\n", hundredCpu,
               hundredWall);
    fmt::print("CPU per channel: {:.1f} us at 1027 channels (every list full), {:.1f} us at 100 "
               "channels, ratio {:.2f} (target at most 1.5)\n",
               perChannelFull, perChannelHundred, perChannelFull / perChannelHundred);
}

} // namespace

int main(int argc, char** argv) {
    // the build's templates, unless the caller names others
    setenv("VALDREN_CPS_TEMPLATE_DIR", VALDREN_BENCH_TEMPLATE_DIR, 0);
    // a cps.ini that does not exist: every setting at its default
    const auto ini = std::filesystem::temp_directory_path() / "gx5_image_bench_no_cps.ini";
    setenv("VALDREN_CPS_INI", ini.c_str(), 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintFigures();
    return 0;
}
