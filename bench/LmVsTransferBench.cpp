// Full read and full write of each LM704 and VS model over a pseudo-terminal paced like a
// 9600-baud line, beside the least time the protocol's own waits and the wire need with the
// default settings. A write runs as the document runs it: handshake, read of the radio's image,
// encoding over it, block writes and the closing byte.

#include "app/ModelRegistry.h"
#include "link/CpsSerialPort.h"
#include "radios/lmvs/LmVsControl.h"
#include "tools/radiosim/SimFactory.h"
#include "tools/radiosim/SimModels.h"
#include "tools/radiosim/Simulator.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// 10 bits per byte at 9600 baud.
constexpr double kByteSeconds = 10.0 / 9600.0;
constexpr unsigned kByteDelayUs = 1042;
// The default waits of the protocol: handshake polls, the closing exchange's poll, and the
// time-out for which a read waits for the closing byte's answer that never comes.
constexpr double kHandshakePoll = 0.300;
constexpr double kClosingPoll = 0.200;
constexpr double kTimeout = 1.000;

/// The least time of a run of exchanges: the host sees an answer only at the end of a poll
/// wait, so each exchange takes whole polls, as many as its bytes need on the wire.
class Bound {
public:
    void exchange(std::size_t bytes, double poll) {
        const double wire = static_cast<double>(bytes) * kByteSeconds;
        seconds_ += std::max(1.0, std::ceil(wire / poll)) * poll;
    }
    void wait(double seconds) { seconds_ += seconds; }
    double seconds() const { return seconds_; }

private:
    double seconds_ = 0;
};

void addHandshake(Bound& bound, const vd::LmVsLinkData& link) {
    bound.exchange(link.opening.texts.front().size() + 1, kHandshakePoll);
    bound.exchange(1 + 8, kHandshakePoll);
    for (std::size_t i = 1; i < link.handshake.size(); ++i) {
        bound.exchange(1 + std::max<std::size_t>(link.handshake[i].exactLength, 1), kHandshakePoll);
    }
}

void addRead(Bound& bound, const vd::LmVsLinkData& link) {
    const double poll = link.readInterval / 1000.0;
    const std::size_t answer = 4 + link.readBlockSize + (link.trailingAck ? 1 : 0);
    for (unsigned block = 0; block < link.imageSize / link.readBlockSize; ++block) {
        bound.exchange(4 + answer, poll);
        if (link.hostAcksBlocks) {
            bound.exchange(2, poll);
        }
    }
}

void addWrite(Bound& bound, const vd::LmVsLinkData& link) {
    for (const vd::WriteRange& range : link.writeRanges) {
        for (unsigned address = range.start; address < range.end; address += range.step) {
            bound.exchange(4 + range.step + 1, link.writeInterval / 1000.0);
        }
    }
    if (link.closingByte) {
        bound.wait(kClosingPoll + kTimeout);
    }
}

/// A cps.ini without link keys, so that every default applies, in a folder of its own.
class DefaultSettings {
public:
    DefaultSettings() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vdbench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary folder");
        }
        folder_ = pattern;
        std::ofstream(folder_ / "cps.ini") << "[Device]\n";
        setenv("VALDREN_CPS_INI", (folder_ / "cps.ini").c_str(), 1);
    }
    ~DefaultSettings() {
        unsetenv("VALDREN_CPS_INI");
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    DefaultSettings(const DefaultSettings&) = delete;
    DefaultSettings& operator=(const DefaultSettings&) = delete;

private:
    std::filesystem::path folder_;
};

/// A simulated radio of the model answering at 1042 us per byte on a thread of its own, its
/// block answers ending in 0x06 where the model's radios do that.
class PacedRadio {
public:
    explicit PacedRadio(const std::string& model) : simulator_(config(model)) {
        thread_ = std::thread([this] {
            try {
                simulator_.run();
            } catch (const std::exception& error) {
                std::cerr << "radio: " << error.what() << "\n";
            }
        });
    }
    ~PacedRadio() {
        simulator_.requestStop();
        thread_.join();
    }
    PacedRadio(const PacedRadio&) = delete;
    PacedRadio& operator=(const PacedRadio&) = delete;

    const std::string& devicePath() const { return simulator_.devicePath(); }

private:
    static vd::sim::SimConfig config(const std::string& model) {
        vd::sim::SimConfig config = vd::sim::radios::slow(model, kByteDelayUs);
        config.trailingAck = vd::sim::findSimModel(model)->trailingAckAllowed;
        return config;
    }

    vd::sim::Simulator simulator_;
    std::thread thread_;
};

std::unique_ptr<vd::LmVsControl> makeControl(const std::string& model) {
    std::unique_ptr<vd::HamCpsControl> control = vd::ModelRegistry::CreateControl(model);
    std::unique_ptr<vd::LmVsControl> lmvs(dynamic_cast<vd::LmVsControl*>(control.release()));
    if (!lmvs || !lmvs->ResetToTemplate()) {
        throw std::runtime_error("no control for " + model);
    }
    return lmvs;
}

void report(benchmark::State& state, double total, double bound) {
    const double measured = total / static_cast<double>(std::max<int64_t>(state.iterations(), 1));
    state.counters["measured_s"] = measured;
    state.counters["bound_s"] = bound;
    state.counters["ratio"] = measured / bound;
}

void BM_FullRead(benchmark::State& state, const std::string& model) {
    DefaultSettings settings;
    PacedRadio radio(model);
    auto control = makeControl(model);
    const vd::LmVsLinkData& link = control->Model().link;
    double total = 0;
    for (auto _ : state) {
        vd::CpsSerialPort port;
        control->OpenPort(port, radio.devicePath());
        vd::ByteVector image;
        const auto start = Clock::now();
        const bool entered = control->host_handshake(port, 0, nullptr, 0);
        const int blocks = control->ReadAll(port, image, "");
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (!entered || blocks < 0 || image.size() != link.imageSize) {
            state.SkipWithError("the read failed");
            break;
        }
        state.SetIterationTime(seconds);
        total += seconds;
    }
    Bound bound;
    addHandshake(bound, link);
    addRead(bound, link);
    report(state, total, bound.seconds());
}

void BM_FullWrite(benchmark::State& state, const std::string& model) {
    DefaultSettings settings;
    PacedRadio radio(model);
    auto control = makeControl(model);
    const vd::LmVsLinkData& link = control->Model().link;
    double total = 0;
    for (auto _ : state) {
        vd::CpsSerialPort port;
        control->OpenPort(port, radio.devicePath());
        vd::ByteVector image;
        const auto start = Clock::now();
        const bool written = control->host_handshake(port, 1, nullptr, 0) &&
                             control->ReadBaseImage(port, image, "") &&
                             control->GenerateImage(image, 1) &&
                             control->WriteAll(port, image, "") > 0;
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (!written) {
            state.SkipWithError("the write failed");
            break;
        }
        state.SetIterationTime(seconds);
        total += seconds;
    }
    Bound bound;
    addHandshake(bound, link);
    addRead(bound, link);
    addWrite(bound, link);
    report(state, total, bound.seconds());
}

void registerAll() {
    for (const char* model : {"LM704", "VS31", "VS46", "VS58", "VS73"}) {
        benchmark::RegisterBenchmark((std::string("BM_FullRead/") + model).c_str(), BM_FullRead,
                                     std::string(model))
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("BM_FullWrite/") + model).c_str(), BM_FullWrite,
                                     std::string(model))
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv) {
    setenv("VALDREN_CPS_TEMPLATE_DIR", VALDREN_BENCH_TEMPLATE_DIR, 0);
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
