#include "tests/radiosim/HostLine.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace vdtest {

namespace {
using Clock = std::chrono::steady_clock;
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

void HostLine::send(const Bytes& request) {
    std::size_t done = 0;
    const auto deadline = Clock::now() + kRadioWait;
    while (done < request.size() && Clock::now() < deadline) {
        const ssize_t written = ::write(fd_, request.data() + done, request.size() - done);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
        } else if (written < 0 && errno != EAGAIN && errno != EINTR) {
            throw std::runtime_error("writing to the radio failed");
        } else {
            pollfd out{fd_, POLLOUT, 0};
            ::poll(&out, 1, 100);
        }
    }
    if (done < request.size()) {
        throw std::runtime_error("the radio does not take the request");
    }
}

Bytes HostLine::read(std::size_t count, std::chrono::milliseconds timeout) {
    Bytes data;
    const auto deadline = Clock::now() + timeout;
    while (data.size() < count) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd in{fd_, POLLIN, 0};
        if (left <= 0 || ::poll(&in, 1, static_cast<int>(left)) <= 0) {
            break;
        }
        uint8_t buffer[4096];
        const std::size_t wanted = std::min(sizeof(buffer), count - data.size());
        const ssize_t got = ::read(fd_, buffer, wanted);
        if (got <= 0) {
            if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
                continue;
            }
            break;
        }
        data.insert(data.end(), buffer, buffer + got);
    }
    return data;
}

Bytes HostLine::exchange(const Bytes& request, std::size_t count) {
    send(request);
    return read(count);
}

Bytes HostLine::available() {
    Bytes data;
    uint8_t buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(fd_, buffer, sizeof(buffer))) > 0) {
        data.insert(data.end(), buffer, buffer + got);
    }
    return data;
}

bool HostLine::waitForHangUp(std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        pollfd in{fd_, POLLIN, 0};
        ::poll(&in, 1, 100);
        uint8_t byte = 0;
        const ssize_t got = ::read(fd_, &byte, 1);
        if (got == 0 || (got < 0 && errno == EIO)) {
            return true;
        }
    }
    return false;
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
