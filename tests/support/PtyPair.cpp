#include "tests/support/PtyPair.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace vdtest {

namespace {

using Clock = std::chrono::steady_clock;

int ms_left(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

void set_flag(int fd, int command, int flag) {
    const int flags = ::fcntl(fd, command == F_SETFD ? F_GETFD : F_GETFL);
    ::fcntl(fd, command, flags | flag);
}

} // namespace

PtyPair::PtyPair() {
    if (::openpty(&farEnd_, &device_, nullptr, nullptr, nullptr) != 0) {
        throw std::runtime_error("openpty failed");
    }
    set_flag(farEnd_, F_SETFD, FD_CLOEXEC);
    set_flag(device_, F_SETFD, FD_CLOEXEC);
    set_flag(farEnd_, F_SETFL, O_NONBLOCK);
    // Raw before anything travels: a fresh terminal would echo bytes back and turn CR into LF.
    termios tio{};
    char name[PATH_MAX] = {};
    bool ready = ::tcgetattr(device_, &tio) == 0;
    if (ready) {
        ::cfmakeraw(&tio);
        ready = ::tcsetattr(device_, TCSANOW, &tio) == 0 &&
                ::ttyname_r(device_, name, sizeof name) == 0;
    }
    if (!ready) {
        ::close(farEnd_);
        ::close(device_);
        throw std::runtime_error("cannot set up the pseudo-terminal");
    }
    devicePath_ = name;
}

PtyPair::~PtyPair() {
    hangUp();
    releaseDevice();
}

void PtyPair::send(const std::vector<std::uint8_t>& bytes) const {
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(farEnd_, bytes.data() + done, bytes.size() - done);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
            continue;
        }
        if (written < 0 && errno != EAGAIN && errno != EINTR) {
            throw std::runtime_error("the far end cannot send");
        }
        pollfd watch{farEnd_, POLLOUT, 0};
        if (::poll(&watch, 1, ms_left(deadline)) == 0) {
            throw std::runtime_error("the far end could not send in time");
        }
    }
}

std::vector<std::uint8_t> PtyPair::receive(std::size_t count, int timeoutMs) const {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::vector<std::uint8_t> bytes;
    while (bytes.size() < count) {
        std::uint8_t buffer[4096];
        const std::size_t want = std::min(sizeof buffer, count - bytes.size());
        const ssize_t got = ::read(farEnd_, buffer, want);
        if (got > 0) {
            bytes.insert(bytes.end(), buffer, buffer + got);
            continue;
        }
        if (got < 0 && errno != EAGAIN && errno != EINTR) {
            break; // the device side is closed
        }
        pollfd watch{farEnd_, POLLIN, 0};
        if (::poll(&watch, 1, ms_left(deadline)) <= 0) {
            break;
        }
    }
    return bytes;
}

void PtyPair::hangUp() {
    if (farEnd_ >= 0) {
        ::close(farEnd_);
        farEnd_ = -1;
    }
}

void PtyPair::releaseDevice() {
    if (device_ >= 0) {
        ::close(device_);
        device_ = -1;
    }
}

} // namespace vdtest
