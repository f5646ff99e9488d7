#pragma once
#include "tools/radiosim/Line.h"
#include "tools/radiosim/Pty.h"
#include "tools/radiosim/Radio.h"
#include "tools/radiosim/SimConfig.h"
#include "tools/radiosim/Transcript.h"

#include <atomic>
#include <memory>
#include <string>

namespace vd::sim {

/// Why a simulator run ended.
enum class RunEnd {
    Stopped,         ///< requestStop was called (a signal, or the test that runs it)
    HungUp,          ///< the cable was pulled as the fault asked
    WriteSessionDone ///< the first write session ended and the radio runs only once
};

/// One simulated radio on its own pseudo-terminal: the cable, the line with its faults, the
/// radio of the configured model and the files it records to.
class Simulator {
public:
    /// Checks the configuration, loads the image and opens the pseudo-terminal and the files;
    /// throws std::invalid_argument for a bad configuration and std::runtime_error (or
    /// std::system_error) when a file or the pseudo-terminal cannot be opened.
    explicit Simulator(SimConfig config);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    /// The path a host opens, such as /dev/pts/5.
    const std::string& devicePath() const { return pty_.devicePath(); }

    /// Answers the host until stopped, hung up, or (running once) a write session has ended.
    /// Throws std::runtime_error when the written image cannot be saved.
    RunEnd run();

    /// Makes run() return soon; safe from another thread and from a signal handler.
    void requestStop() noexcept;

    /// Number of write sessions that have ended; safe from another thread.
    unsigned writeSessions() const { return writeSessions_.load(); }

private:
    class PtySink;

    void writeSessionEnded(const Bytes& image);

    SimConfig config_;
    const SimModel& model_;
    Transcript transcript_;
    Pty pty_;
    UniqueFd wake_;
    std::unique_ptr<PtySink> sink_;
    std::unique_ptr<Line> line_;
    std::unique_ptr<Radio> radio_;
    std::atomic<unsigned> writeSessions_{0};
};

} // namespace vd::sim
