// Full read and full write of a 55070-byte GX5 image over a pseudo-terminal paced like a
// 115200-baud line (argument 87: microseconds per byte), beside the least time the protocol
// itself needs with the default settings. Argument 0 (an unpaced line) shows what the host adds
// to the poll waits alone.

#include "bench/TransferBench.h"
#include "link/CpsSerialPort.h"
#include "radios/gx5/Gx5Frame.h"
#include "radios/gx5/Gx5Settings.h"
#include "radios/gx5/Gx5v001Control.h"
#include "tests/support/TestIni.h"
#include "tools/radiosim/SimFactory.h"
#include "tools/radiosim/Simulator.h"

#include <benchmark/benchmark.h>
#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <vector>

namespace {

using vdbench::Bound;
using vdbench::MeasureTransfers;
using vdbench::PacedRadio;
using vdbench::ReportBound;
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

std::vector<std::size_t> blockDataSizes() {
    std::vector<std::size_t> sizes;
    for (std::size_t at = 0; at < kImageSize; at += vd::kGx5BlockSize) {
        sizes.push_back(std::min(vd::kGx5BlockSize, kImageSize - at));
    }
    return sizes;
}

Bound readBound(double byteSeconds) {
    Bound bound(byteSeconds);
    bound.exchange(kHandshakeRequest + kHandshakeAnswer,
                   vd::Gx5HandshakeSettings{}.pollInterval / 1000.0);
    for (std::size_t data : blockDataSizes()) {
        bound.exchange(kBlockRequest + kFrameOverhead + vd::kGx5BlockHeaderSize + data,
                       vd::Gx5BlockReadSettings{}.pollInterval / 1000.0);
    }
    return bound;
}

Bound writeBound(double byteSeconds) {
    Bound bound(byteSeconds);
    bound.exchange(kHandshakeRequest + kHandshakeAnswer,
                   vd::Gx5HandshakeSettings{}.pollInterval / 1000.0);
    for (std::size_t data : blockDataSizes()) {
        bound.exchange(kFrameOverhead + vd::kGx5BlockHeaderSize + data + kWriteAck,
                       vd::Gx5PartWriteSettings{}.pollInterval / 1000.0);
    }
    return bound;
}

/// A cps.ini without link keys, so that every default applies.
const vdtest::TestIni::Values kDefaults{{"Device", {}}};

void report(benchmark::State& state, double measured, const Bound& bound) {
    ReportBound(state, measured, bound.wirePlusPolls);
    state.counters["overlap_bound_s"] = bound.overlapped;
    state.counters["overlap_ratio"] = measured / bound.overlapped;
}

/// A full read (mode 0) or write (mode 1) of a GX5 radio paced at the argument's microseconds
/// per byte.
void fullTransfer(benchmark::State& state, int mode) {
    const auto byteMicros = static_cast<unsigned>(state.range(0));
    vdtest::TestIni settings(kDefaults);
    PacedRadio radio(vd::sim::radios::slow("GX5", byteMicros));
    vd::Gx5v001Control control("GX5");
    vd::ByteVector image(kImageSize);
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<uint8_t>(i * 13);
    }
    const double measured = MeasureTransfers(
        state, [&](vd::CpsSerialPort& port) { control.OpenPort(port, radio.devicePath()); },
        [&](vd::CpsSerialPort& port) {
            if (!control.host_handshake(port, mode, nullptr, 0)) {
                return false;
            }
            if (mode == 1) {
                return control.WriteAll(port, image, "") == 54;
            }
            vd::ByteVector read;
            return control.ReadAll(port, read, "") == 54 && read.size() == kImageSize;
        },
        [&](vd::CpsSerialPort& port) { control.host_reboot(port); });
    report(state, measured,
           mode == 1 ? writeBound(byteMicros * 1e-6) : readBound(byteMicros * 1e-6));
}

void BM_Gx5FullRead(benchmark::State& state) {
    fullTransfer(state, 0);
}

void BM_Gx5FullWrite(benchmark::State& state) {
    fullTransfer(state, 1);
}

// How fast the simulated line really delivers a block answer: when the machine is busy the
// radio's per-byte pauses stretch, and no host can be faster than its radio.
void BM_SimulatedLinePace(benchmark::State& state) {
    vdtest::TestIni settings(kDefaults);
    PacedRadio radio(vd::sim::radios::slow("GX5", kLineByteMicros));
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
