#include "tests/support/HostLine.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace vdtest {

namespace {

using Clock = std::chrono::steady_clock;

int msLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

} // namespace

void sendAll(int fd, const Bytes& bytes, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
            continue;
        }
        if (written < 0 && errno != EAGAIN && errno != EINTR) {
            throw std::runtime_error("the line cannot send");
        }
        pollfd watch{fd, POLLOUT, 0};
        if (::poll(&watch, 1, msLeft(deadline)) == 0) {
            throw std::runtime_error("the line could not send in time");
        }
    }
}

Bytes receiveUpTo(int fd, std::size_t count, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    Bytes bytes;
    while (bytes.size() < count) {
        uint8_t buffer[4096];
        const ssize_t got = ::read(fd, buffer, std::min(sizeof buffer, count - bytes.size()));
        if (got > 0) {
            bytes.insert(bytes.end(), buffer, buffer + got);
            continue;
        }
        if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
            break; // the other side is closed
        }
        pollfd watch{fd, POLLIN, 0};
        if (::poll(&watch, 1, msLeft(deadline)) <= 0) {
            break;
        }
    }
    return bytes;
}

HostLine::HostLine(const std::string& device) {
    fd_ = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        throw std::runtime_error("cannot open " + device);
    }
    termios settings{};
    ::tcgetattr(fd_, &settings);
    ::cfmakeraw(&settings);
    ::tcsetattr(fd_, TCSANOW, &settings);
    // Like a host's port, start without bytes left over from an earlier use of the line.
    ::tcflush(fd_, TCIOFLUSH);
}

HostLine::~HostLine() {
    ::close(fd_);
}

Bytes join(std::initializer_list<Bytes> parts) {
    Bytes joined;
    for (const Bytes& part : parts) {
        joined.insert(joined.end(), part.begin(), part.end());
    }
    return joined;
}

Bytes ascii(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

} // namespace vdtest
