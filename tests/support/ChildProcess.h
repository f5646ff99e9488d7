#pragma once
#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace vdtest {

/// A program run by a test with its standard output and error captured; killed when the
/// object goes if it still runs.
class ChildProcess {
public:
    /// Starts `program` with `args` (standard input is /dev/null, so it has no terminal).
    ChildProcess(const std::string& program, const std::vector<std::string>& args);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    /// Waits until standard error holds `text`; false when the program ended or `timeout`
    /// passed first.
    bool waitForStderr(const std::string& text, std::chrono::milliseconds timeout) {
        return waitFor(err_, text, timeout);
    }
    /// Waits until standard output holds `text`, as waitForStderr does.
    bool waitForStdout(const std::string& text, std::chrono::milliseconds timeout) {
        return waitFor(out_, text, timeout);
    }
    /// Sends a signal to the program.
    void signal(int number);
    /// Waits for the end: the exit code, or -signal; nothing when `timeout` passed first.
    std::optional<int> wait(std::chrono::milliseconds timeout);

    const std::string& out() const { return out_; }
    const std::string& err() const { return err_; }

private:
    /// Waits until `stream` (out_ or err_) holds `text`.
    bool waitFor(const std::string& stream, const std::string& text,
                 std::chrono::milliseconds timeout);
    /// Reads what is there for up to `timeout`; false when both pipes are closed.
    bool pump(std::chrono::milliseconds timeout);

    pid_t pid_ = -1;
    int outFd_ = -1;
    int errFd_ = -1;
    std::string out_;
    std::string err_;
    std::optional<int> status_;
};

/// Runs a program to its end (bounded by `timeout`, then killed) and returns its exit code.
int RunProgram(const std::string& program, const std::vector<std::string>& args,
               std::string* out = nullptr, std::string* err = nullptr,
               std::chrono::milliseconds timeout = std::chrono::seconds(120));

} // namespace vdtest
