#include "tests/support/PtyPair.h"
#include "tests/support/HostLine.h"

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
    sendAll(farEnd_, bytes, std::chrono::seconds(5));
}

std::vector<std::uint8_t> PtyPair::receive(std::size_t count, int timeoutMs) const {
    return receiveUpTo(farEnd_, count, std::chrono::milliseconds(timeoutMs));
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
