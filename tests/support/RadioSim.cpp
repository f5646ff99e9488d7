#include "tests/support/RadioSim.h"

#include <csignal>
#include <cstdlib>
#include <stdexcept>

namespace vdtest {

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kPollStep{10};

// Polls `ready` until it holds or `timeout` passes.
template <typename Predicate> bool waitUntil(Predicate ready, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (!ready()) {
        if (Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(kPollStep);
    }
    return true;
}

} // namespace

RadioSimFiles::RadioSimFiles()
    : written_(folder_.file("written.bin")), transcript_(folder_.file("transcript.txt")) {}

bool RadioSimFiles::waitForWrittenImage(std::chrono::milliseconds timeout) const {
    return waitUntil([this] { return std::filesystem::exists(written_); }, timeout);
}

bool RadioSimFiles::waitForTranscript(std::string_view text,
                                      std::chrono::milliseconds timeout) const {
    return waitUntil([&] { return transcript().find(text) != std::string::npos; }, timeout);
}

RadioSimProcess::RadioSimProcess(const std::vector<std::string>& args) {
    const char* program = std::getenv("VALDREN_RADIOSIM");
    std::vector<std::string> words = args;
    words.insert(words.end(), {"--save-written", writtenPath().string(), "--transcript",
                               transcriptPath().string()});
    child_ = std::make_unique<ChildProcess>(
        program == nullptr || *program == '\0' ? VALDREN_BUILT_RADIOSIM : program, words);
    if (!child_->waitForStdout("\n", kRadioWait)) {
        stop();
        throw std::runtime_error("radiosim did not report its device path: " + child_->err());
    }
    devicePath_ = child_->out().substr(0, child_->out().find('\n'));
}

RadioSimProcess::~RadioSimProcess() {
    stop();
}

std::optional<int> RadioSimProcess::waitForExit(std::chrono::milliseconds timeout) {
    return child_->wait(timeout);
}

int RadioSimProcess::stop() {
    child_->signal(SIGTERM);
    if (const auto status = child_->wait(kRadioWait)) {
        return *status;
    }
    child_->signal(SIGKILL);
    return child_->wait(kRadioWait).value_or(-SIGKILL);
}

RadioSimThread::RadioSimThread(vd::sim::SimConfig config) {
    if (config.saveWritten.empty()) {
        config.saveWritten = writtenPath();
    }
    if (config.transcriptFile.empty()) {
        config.transcriptFile = transcriptPath();
    }
    simulator_ = std::make_unique<vd::sim::Simulator>(std::move(config));
    std::packaged_task<vd::sim::RunEnd()> task([this] { return simulator_->run(); });
    end_ = task.get_future().share();
    thread_ = std::thread(std::move(task));
}

RadioSimThread::~RadioSimThread() {
    simulator_->requestStop();
    thread_.join();
}

std::optional<vd::sim::RunEnd> RadioSimThread::waitForEnd(std::chrono::milliseconds timeout) {
    if (end_.wait_for(timeout) != std::future_status::ready) {
        return std::nullopt;
    }
    return end_.get();
}

} // namespace vdtest
