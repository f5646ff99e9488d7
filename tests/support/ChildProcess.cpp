#include "tests/support/ChildProcess.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace vdtest {

namespace {

void CloseFd(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

} // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& args) {
    int outPipe[2];
    int errPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0 || ::pipe2(errPipe, O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot create pipes");
    }
    pid_ = ::fork();
    if (pid_ < 0) {
        throw std::runtime_error("cannot fork");
    }
    if (pid_ == 0) {
        const int devNull = ::open("/dev/null", O_RDONLY);
        ::dup2(devNull, STDIN_FILENO);
        ::dup2(outPipe[1], STDOUT_FILENO);
        ::dup2(errPipe[1], STDERR_FILENO);
        ::setsid(); // no controlling terminal: the program cannot ask on /dev/tty
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& arg : args) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    outFd_ = outPipe[0];
    errFd_ = errPipe[0];
}

ChildProcess::~ChildProcess() {
    if (!status_ && pid_ > 0) {
        ::kill(pid_, SIGKILL);
        int ignored = 0;
        ::waitpid(pid_, &ignored, 0);
    }
    CloseFd(outFd_);
    CloseFd(errFd_);
}

bool ChildProcess::pump(std::chrono::milliseconds timeout) {
    pollfd fds[2] = {{outFd_, POLLIN, 0}, {errFd_, POLLIN, 0}};
    if (outFd_ < 0 && errFd_ < 0) {
        return false;
    }
    if (::poll(fds, 2, static_cast<int>(timeout.count())) <= 0) {
        return true;
    }
    int* fdsOwned[2] = {&outFd_, &errFd_};
    std::string* sinks[2] = {&out_, &err_};
    for (int i = 0; i < 2; ++i) {
        if (fds[i].fd < 0 || fds[i].revents == 0) {
            continue;
        }
        char buffer[4096];
        const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
        if (n > 0) {
            sinks[i]->append(buffer, static_cast<size_t>(n));
        } else {
            CloseFd(*fdsOwned[i]);
        }
    }
    return true;
}

bool ChildProcess::waitFor(const std::string& stream, const std::string& text,
                           std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (stream.find(text) == std::string::npos) {
        if (std::chrono::steady_clock::now() >= deadline || !pump(std::chrono::milliseconds(50))) {
            return stream.find(text) != std::string::npos;
        }
    }
    return true;
}

void ChildProcess::signal(int number) {
    if (!status_) {
        ::kill(pid_, number);
    }
}

std::optional<int> ChildProcess::wait(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!status_) {
        pump(std::chrono::milliseconds(20));
        int raw = 0;
        const pid_t done = ::waitpid(pid_, &raw, WNOHANG);
        if (done == pid_) {
            status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : -WTERMSIG(raw);
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return std::nullopt;
        }
    }
    // what the program wrote last; bounded in case something else holds the pipes open
    for (int i = 0; i < 100 && (outFd_ >= 0 || errFd_ >= 0); ++i) {
        pump(std::chrono::milliseconds(10));
    }
    return status_;
}

int RunProgram(const std::string& program, const std::vector<std::string>& args, std::string* out,
               std::string* err, std::chrono::milliseconds timeout) {
    ChildProcess child(program, args);
    const std::optional<int> status = child.wait(timeout);
    if (out) {
        *out = child.out();
    }
    if (err) {
        *err = child.err();
    }
    return status ? *status : -SIGKILL;
}

} // namespace vdtest
