#include "bench/TransferBench.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <iostream>

namespace vdbench {

PacedRadio::PacedRadio(vd::sim::SimConfig config) : simulator_(std::move(config)) {
    thread_ = std::thread([this] {
        try {
            simulator_.run();
        } catch (const std::exception& error) {
            std::cerr << "radio: " << error.what() << "\n";
        }
    });
}

PacedRadio::~PacedRadio() {
    simulator_.requestStop();
    thread_.join();
}

void Bound::exchange(std::size_t bytes, double pollSeconds) {
    const double wire = static_cast<double>(bytes) * byteSeconds;
    wirePlusPolls += wire + pollSeconds;
    overlapped += std::max(1.0, std::ceil(wire / pollSeconds)) * pollSeconds;
}

double MeasureTransfers(benchmark::State& state,
                        const std::function<void(vd::CpsSerialPort&)>& open,
                        const std::function<bool(vd::CpsSerialPort&)>& transfer,
                        const std::function<void(vd::CpsSerialPort&)>& after) {
    using Clock = std::chrono::steady_clock;
    double total = 0;
    for (auto _ : state) {
        vd::CpsSerialPort port;
        open(port);
        const auto start = Clock::now();
        const bool done = transfer(port);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (!done) {
            state.SkipWithError("the transfer failed");
            break;
        }
        state.SetIterationTime(seconds);
        total += seconds;
        if (after) {
            after(port);
        }
    }
    return total / static_cast<double>(std::max<int64_t>(state.iterations(), 1));
}

void ReportBound(benchmark::State& state, double measured, double bound) {
    state.counters["measured_s"] = measured;
    state.counters["bound_s"] = bound;
    state.counters["ratio"] = measured / bound;
}

} // namespace vdbench
