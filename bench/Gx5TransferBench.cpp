// Full read and full write of a 55070-byte GX5 image over a pseudo-terminal paced like a
// 115200-baud line (argument 87: microseconds per byte), beside the least time the protocol
// itself needs with the default settings. Argument 0 (an unpaced line) shows what the host adds
// to the poll waits alone.

#include "link/CpsSerialPort.h"
#include "radios/gx5/Gx5Frame.h"
#include "radios/gx5/Gx5Settings.h"
#include "radios/gx5/Gx5v001Control.h"
#include "tools/radiosim/SimFactory.h"
#include "tools/radiosim/Simulator.h"

#include <benchmark/benchmark.h>
#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kImageSize = 55070;
// 10 bits per byte at 115200 baud.
constexpr unsigned kLineByteMicros = 87;
constexpr double kByteSeconds = kLineByteMicros * 1e-6;
constexpr std::size_t kFrameOverhead = vd::kRdtpHeaderSize + vd::kRdtpTrailerSize;
constexpr std::size_t kHandshakeRequest = kFrameOverhead + 47;
constexpr std::size_t kHandshakeAnswer = vd::kGx5HandshakeAnswerSize;
constexpr std::size_t kBlockRequest = kFrameOverhead + 8;
constexpr std::size_t kWriteAck = vd::kGx5WriteAckSize;

/// One request and its answer: the bytes both ways and the poll wait before the answer is read.
struct ExchangeCost {
    std::size_t bytes;
    double pollSeconds;
};

/// The least time a run of exchanges takes: `wirePlusPolls` adds every byte's wire time to
/// every poll wait; `overlapped` lets the answer travel during the poll wait, as it does.
struct Bound {
    explicit Bound(double byteSeconds) : byteSeconds(byteSeconds) {}

    double byteSeconds;
    double wirePlusPolls = 0;
    double overlapped = 0;

    void add(const ExchangeCost& exchange) {
        const double wire = static_cast<double>(exchange.bytes) * byteSeconds;
        wirePlusPolls += wire + exchange.pollSeconds;
        // The host sees a complete answer only at the end of a poll wait.
        overlapped += std::max(1.0, std::ceil(wire / exchange.pollSeconds)) * exchange.pollSeconds;
    }
};

std::vector<std::size_t> blockDataSizes() {
    std::vector<std::size_t> sizes;
    for (std::size_t at = 0; at < kImageSize; at += vd::kGx5BlockSize) {
        sizes.push_back(std::min(vd::kGx5BlockSize, kImageSize - at));
    }
    return sizes;
}

Bound readBound(double byteSeconds) {
    Bound bound(byteSeconds);
    bound.add(
        {kHandshakeRequest + kHandshakeAnswer, vd::Gx5HandshakeSettings{}.pollInterval / 1000.0});
    for (std::size_t data : blockDataSizes()) {
        bound.add({kBlockRequest + kFrameOverhead + vd::kGx5BlockHeaderSize + data,
                   vd::Gx5BlockReadSettings{}.pollInterval / 1000.0});
    }
    return bound;
}

Bound writeBound(double byteSeconds) {
    Bound bound(byteSeconds);
    bound.add(
        {kHandshakeRequest + kHandshakeAnswer, vd::Gx5HandshakeSettings{}.pollInterval / 1000.0});
    for (std::size_t data : blockDataSizes()) {
        bound.add({kFrameOverhead + vd::kGx5BlockHeaderSize + data + kWriteAck,
                   vd::Gx5PartWriteSettings{}.pollInterval / 1000.0});
    }
    return bound;
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

/// A simulated GX5 answering at the given microseconds per byte on a thread of its own.
class PacedRadio {
public:
    explicit PacedRadio(unsigned byteMicros)
        : simulator_(vd::sim::radios::slow("GX5", byteMicros)) {
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
    vd::sim::Simulator simulator_;
    std::thread thread_;
};

void report(benchmark::State& state, double measured, const Bound& bound) {
    state.counters["bound_s"] = bound.wirePlusPolls;
    state.counters["ratio"] = measured / bound.wirePlusPolls;
    state.counters["overlap_bound_s"] = bound.overlapped;
    state.counters["overlap_ratio"] = measured / bound.overlapped;
}

void BM_Gx5FullRead(benchmark::State& state) {
    const auto byteMicros = static_cast<unsigned>(state.range(0));
    DefaultSettings settings;
    PacedRadio radio(byteMicros);
    vd::Gx5v001Control control("GX5");
    double total = 0;
    for (auto _ : state) {
        vd::CpsSerialPort port;
        control.OpenPort(port, radio.devicePath());
        vd::ByteVector image;
        const auto start = Clock::now();
        const bool entered = control.host_handshake(port, 0, nullptr, 0);
        const int blocks = control.ReadAll(port, image, "");
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (!entered || blocks != 54 || image.size() != kImageSize) {
            state.SkipWithError("the read failed");
            break;
        }
        state.SetIterationTime(seconds);
        total += seconds;
        control.host_reboot(port);
    }
    report(state, total / static_cast<double>(std::max<int64_t>(state.iterations(), 1)),
           readBound(byteMicros * 1e-6));
}

void BM_Gx5FullWrite(benchmark::State& state) {
    const auto byteMicros = static_cast<unsigned>(state.range(0));
    DefaultSettings settings;
    PacedRadio radio(byteMicros);
    vd::Gx5v001Control control("GX5");
    vd::ByteVector image(kImageSize);
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<uint8_t>(i * 13);
    }
    double total = 0;
    for (auto _ : state) {
        vd::CpsSerialPort port;
        control.OpenPort(port, radio.devicePath());
        const auto start = Clock::now();
        const bool entered = control.host_handshake(port, 1, nullptr, 0);
        const int parts = control.WriteAll(port, image, "");
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (!entered || parts != 54) {
            state.SkipWithError("the write failed");
            break;
        }
        state.SetIterationTime(seconds);
        total += seconds;
        control.host_reboot(port);
    }
    report(state, total / static_cast<double>(std::max<int64_t>(state.iterations(), 1)),
           writeBound(byteMicros * 1e-6));
}

// How fast the simulated line really delivers a block answer: when the machine is busy the
// radio's per-byte pauses stretch, and no host can be faster than its radio.
void BM_SimulatedLinePace(benchmark::State& state) {
    DefaultSettings settings;
    PacedRadio radio(kLineByteMicros);
    vd::Gx5v001Control control("GX5");
    const vd::ByteVector request = vd::frame_payload(vd::block_read_payload(0));
    constexpr std::size_t kAnswer = kFrameOverhead + vd::kGx5BlockHeaderSize + vd::kGx5BlockSize;
    double total = 0;
    for (auto _ : state) {
        vd::CpsSerialPort port;
        control.OpenPort(port, radio.devicePath());
        if (!control.host_handshake(port, 0, nullptr, 0)) {
            state.SkipWithError("no handshake");
            break;
        }
        const auto start = Clock::now();
        port.Write(request);
        std::size_t received = 0;
        std::array<uint8_t, 2048> buffer{};
        while (received < kAnswer && Clock::now() - start < std::chrono::seconds(20)) {
            received += port.Read(buffer).count;
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (received < kAnswer) {
            state.SkipWithError("the block answer did not come");
            break;
        }
        state.SetIterationTime(seconds);
        total += seconds;
        control.host_reboot(port);
    }
    const double perByte =
        total / static_cast<double>(std::max<int64_t>(state.iterations(), 1)) / kAnswer;
    state.counters["us_per_byte"] = perByte * 1e6;
    state.counters["line_ratio"] = perByte / kByteSeconds;
}

BENCHMARK(BM_SimulatedLinePace)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gx5FullRead)
    ->Arg(kLineByteMicros)
    ->Arg(0)
    ->UseManualTime()
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gx5FullWrite)
    ->Arg(kLineByteMicros)
    ->Arg(0)
    ->UseManualTime()
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
