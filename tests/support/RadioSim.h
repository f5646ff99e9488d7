#pragma once
#include "tests/support/ChildProcess.h"
#include "tests/support/TempDir.h"
#include "tools/radiosim/Simulator.h"

#include <chrono>
#include <filesystem>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace vdtest {

/// Generous bound for anything a simulated radio does, so that a slow, loaded machine never
/// fails a test that would pass; only a broken radio ever waits this long.
inline constexpr std::chrono::milliseconds kRadioWait{20000};

/// The files a simulated radio records to (the image as written, the transcript), kept in a
/// temporary folder of their own.
class RadioSimFiles {
public:
    /// Where the radio saves the image a host wrote.
    const std::filesystem::path& writtenPath() const { return written_; }
    /// Where the radio records its traffic.
    const std::filesystem::path& transcriptPath() const { return transcript_; }
    /// The folder the files are in, for further files of a test.
    const TempDir& folder() const { return folder_; }
    /// The image as the host wrote it; empty before a write session ended.
    std::string writtenImage() const { return readFile(written_); }
    /// The transcript so far.
    std::string transcript() const { return readFile(transcript_); }
    /// Waits until a write session has saved the image; false when `timeout` passed first.
    bool waitForWrittenImage(std::chrono::milliseconds timeout = kRadioWait) const;
    /// Waits until the transcript holds `text`; false when `timeout` passed first.
    bool waitForTranscript(std::string_view text,
                           std::chrono::milliseconds timeout = kRadioWait) const;

protected:
    RadioSimFiles();

private:
    TempDir folder_;
    std::filesystem::path written_;
    std::filesystem::path transcript_;
};

/// The radiosim program (path from VALDREN_RADIOSIM, else the one of this build) running as a
/// child process, with --save-written and --transcript pointing into its folder. It is stopped
/// when the object goes: SIGTERM, a bounded wait, then SIGKILL.
class RadioSimProcess : public RadioSimFiles {
public:
    /// Starts radiosim with `args`; throws std::runtime_error when it cannot be started or does
    /// not print its device path within kRadioWait.
    explicit RadioSimProcess(const std::vector<std::string>& args);
    ~RadioSimProcess();
    RadioSimProcess(const RadioSimProcess&) = delete;
    RadioSimProcess& operator=(const RadioSimProcess&) = delete;

    /// The device path the radio printed first.
    const std::string& devicePath() const { return devicePath_; }
    /// Waits for the program to end by itself: its exit code, the negated signal number when a
    /// signal ended it, or nothing when it still runs after `timeout`.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout = kRadioWait);
    /// Stops the program (SIGTERM, bounded wait, SIGKILL) and returns as waitForExit does.
    int stop();

private:
    std::unique_ptr<ChildProcess> child_;
    std::string devicePath_;
};

/// A simulated radio running on a thread of the test process; stopped and joined when the
/// object goes. Unless the configuration names them, the written image and the transcript go
/// into its folder.
class RadioSimThread : public RadioSimFiles {
public:
    /// Starts a radio with `config`; throws what the simulator throws for a bad configuration.
    explicit RadioSimThread(vd::sim::SimConfig config);
    ~RadioSimThread();
    RadioSimThread(const RadioSimThread&) = delete;
    RadioSimThread& operator=(const RadioSimThread&) = delete;

    /// The device path a host opens.
    const std::string& devicePath() const { return simulator_->devicePath(); }
    /// Waits for the radio to end by itself (pulled cable, a single run's write); nothing when
    /// it still runs after `timeout`. Rethrows what the radio's run threw.
    std::optional<vd::sim::RunEnd> waitForEnd(std::chrono::milliseconds timeout = kRadioWait);

private:
    std::unique_ptr<vd::sim::Simulator> simulator_;
    std::shared_future<vd::sim::RunEnd> end_;
    std::thread thread_;
};

} // namespace vdtest
