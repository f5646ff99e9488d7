#include "tests/support/RadioSim.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

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

int decodeStatus(int status) {
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    return WIFSIGNALED(status) ? -WTERMSIG(status) : -1;
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

RadioSimProcess::RadioSimProcess(const std::vector<std::string>& args,
                                 std::chrono::milliseconds startWait) {
    const char* program = std::getenv("VALDREN_RADIOSIM");
    if (program == nullptr || *program == '\0') {
        program = VALDREN_BUILT_RADIOSIM;
    }
    std::vector<std::string> words{program};
    words.insert(words.end(), args.begin(), args.end());
    words.insert(words.end(), {"--save-written", writtenPath().string(), "--transcript",
                               transcriptPath().string()});
    std::vector<char*> argv;
    for (auto& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot create a pipe for radiosim");
    }
    output_ = pipeFds[0];
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    const int spawned = ::posix_spawn(&pid_, program, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (spawned != 0) {
        pid_ = -1;
        ::close(output_);
        throw std::runtime_error(std::string("cannot start ") + program);
    }

    const auto deadline = Clock::now() + startWait;
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd in{output_, POLLIN, 0};
        char c = 0;
        if (left.count() <= 0 || ::poll(&in, 1, static_cast<int>(left.count())) <= 0 ||
            ::read(output_, &c, 1) != 1) {
            stop();
            ::close(output_);
            throw std::runtime_error("radiosim did not report its device path");
        }
        if (c == '\n') {
            break;
        }
        devicePath_.push_back(c);
    }
}

RadioSimProcess::~RadioSimProcess() {
    stop();
    ::close(output_);
}

std::optional<int> RadioSimProcess::waitForExit(std::chrono::milliseconds timeout) {
    if (!status_ && pid_ > 0) {
        waitUntil(
            [this] {
                int status = 0;
                if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                    status_ = decodeStatus(status);
                }
                return status_.has_value();
            },
            timeout);
    }
    return status_;
}

int RadioSimProcess::stop() {
    if (pid_ <= 0) {
        return -1;
    }
    if (!status_) {
        ::kill(pid_, SIGTERM);
        if (!waitForExit(kRadioWait)) {
            ::kill(pid_, SIGKILL);
            int status = 0;
            ::waitpid(pid_, &status, 0);
            status_ = decodeStatus(status);
        }
    }
    return *status_;
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
