#pragma once
// Measuring code shared by the transfer benchmarks: a simulated radio paced like a real line,
// the timing of whole transfers, and the least time the protocol and the wire allow.

#include "link/CpsSerialPort.h"
#include "tools/radiosim/Simulator.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <thread>

namespace vdbench {

/// A simulated radio answering on a thread of its own (no transcript, nothing saved), so
/// that its pace is the line's, not the test machinery's.
class PacedRadio {
public:
    explicit PacedRadio(vd::sim::SimConfig config);
    ~PacedRadio();
    PacedRadio(const PacedRadio&) = delete;
    PacedRadio& operator=(const PacedRadio&) = delete;

    /// The device path a host opens.
    const std::string& devicePath() const { return simulator_.devicePath(); }

private:
    vd::sim::Simulator simulator_;
    std::thread thread_;
};

/// The least time of a run of exchanges. `wirePlusPolls` adds every byte's wire time to every
/// poll wait; `overlapped` lets the answer travel during the poll wait, as it does: the host sees
/// a complete answer only at the end of a poll wait, so each exchange takes whole polls.
struct Bound {
    explicit Bound(double byteSeconds) : byteSeconds(byteSeconds) {}

    /// One request and its answer: `bytes` both ways, `pollSeconds` between reads.
    void exchange(std::size_t bytes, double pollSeconds);
    /// A wait of the protocol that no byte shortens.
    void wait(double seconds) {
        wirePlusPolls += seconds;
        overlapped += seconds;
    }

    double byteSeconds;
    double wirePlusPolls = 0;
    double overlapped = 0;
};

/// Runs `transfer` once per iteration of `state` on a port that `open` opened, timing only the
/// transfer, then `after` (may be empty). Returns the mean seconds; a failed transfer ends the
/// benchmark with an error.
double MeasureTransfers(benchmark::State& state,
                        const std::function<void(vd::CpsSerialPort&)>& open,
                        const std::function<bool(vd::CpsSerialPort&)>& transfer,
                        const std::function<void(vd::CpsSerialPort&)>& after = {});

/// Reports the measured mean beside `bound` and their ratio.
void ReportBound(benchmark::State& state, double measured, double bound);

} // namespace vdbench
