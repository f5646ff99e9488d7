#include "link/CpsSerialPort.h"

#include "link/LineSettings.h"
#include "link/PortHolder.h"
#include "link/PortNames.h"
#include "link/SerialException.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>

namespace vd {

namespace {

using Clock = std::chrono::steady_clock;

// The character-format bits a driver may silently refuse (a USB adapter without mark parity,
// say); a line that does not keep them would garble every byte.
constexpr tcflag_t kFormatBits = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB;

Clock::time_point deadline_after(std::uint32_t perByte, std::size_t length, std::uint32_t fixed) {
    const auto total = std::chrono::milliseconds(static_cast<std::uint64_t>(perByte) * length +
                                                 static_cast<std::uint64_t>(fixed));
    return Clock::now() + total;
}

// Milliseconds left until `deadline` for poll, rounded up so a wait never ends early; 0 when
// it has passed.
int poll_ms_until(Clock::time_point deadline) {
    const auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero()) {
        return 0;
    }
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
    return ms > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(ms);
}

// Applies `state` to the line and checks the driver kept the character format; 0 or an errno.
int configure_line(int fd, const SerialState& state) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {
        return errno;
    }
    if (const int error = apply_line_settings(tio, state); error != 0) {
        return error;
    }
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) {
        return errno;
    }
    termios applied{};
    if (::tcgetattr(fd, &applied) != 0) {
        return errno;
    }
    if ((applied.c_cflag & kFormatBits) != (tio.c_cflag & kFormatBits)) {
        return EINVAL;
    }
    return 0;
}

bool is_dtr_dsr_flow(FlowControl flow) {
    return flow == FlowControl::CtsDtr || flow == FlowControl::DsrRts ||
           flow == FlowControl::DsrDtr;
}

} // namespace

CpsSerialPort::~CpsSerialPort() {
    Close();
}

void CpsSerialPort::Open(int portNumber, std::uint32_t baudRate, Parity parity,
                         std::uint8_t dataBits, StopBits stopBits, FlowControl flowControl,
                         bool overlapped) {
    const std::string device = com_port_device(portNumber);
    if (device.empty()) {
        Close();
        throw CSerialException(ENOENT, "COM" + std::to_string(portNumber));
    }
    Open(device, baudRate, parity, dataBits, stopBits, flowControl, overlapped);
}

void CpsSerialPort::Open(const std::string& deviceName, std::uint32_t baudRate, Parity parity,
                         std::uint8_t dataBits, StopBits stopBits, FlowControl flowControl,
                         bool /*overlapped: every wait here is a poll with a time-out*/) {
    Close();
    const SerialState wanted{baudRate, dataBits, parity, stopBits, flowControl, 0, 0};
    termios check{};
    if (apply_line_settings(check, wanted) != 0) {
        throw CSerialException(EINVAL, deviceName, "unsupported line settings");
    }

    UniqueFd fd(::open(deviceName.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd) {
        const int error = errno;
        // EBUSY here comes from TIOCEXCL set by the program that holds the port.
        throw CSerialException(error, deviceName,
                               error == EBUSY ? describe_port_holder(find_port_holder(deviceName))
                                              : std::string());
    }
    termios probe{};
    if (::tcgetattr(fd.get(), &probe) != 0) {
        throw CSerialException(errno, deviceName, "not a serial port");
    }
    // The lock keeps out every program that asks for it, root's included; TIOCEXCL also keeps
    // out those that do not ask, except root. It is set only once the lock is ours, so that a
    // failed open leaves the holder's port as it was.
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        fd.reset(); // else the search below would find this very descriptor
        if (error == EWOULDBLOCK) {
            throw CSerialException(EBUSY, deviceName,
                                   describe_port_holder(find_port_holder(deviceName)));
        }
        throw CSerialException(error, deviceName);
    }
    if (::ioctl(fd.get(), TIOCEXCL) != 0 && errno != ENOTTY) {
        throw CSerialException(errno, deviceName);
    }
    if (const int error = configure_line(fd.get(), wanted); error != 0) {
        ::ioctl(fd.get(), TIOCNXCL);
        throw CSerialException(error, deviceName,
                               error == EINVAL ? "the device refuses these line settings" : "");
    }
    // Bytes that came in before the line was set up were read at an unknown speed: noise.
    ::tcflush(fd.get(), TCIOFLUSH);

    fd_ = std::move(fd);
    path_ = deviceName;
    state_ = wanted;
}

void CpsSerialPort::GetTimeouts(CommTimeouts& timeouts) {
    RequireOpen();
    timeouts = timeouts_;
}

void CpsSerialPort::SetTimeouts(const CommTimeouts& timeouts) {
    RequireOpen();
    timeouts_ = timeouts;
}

std::size_t CpsSerialPort::Write(std::span<const std::uint8_t> data) {
    RequireOpen();
    const auto deadline = deadline_after(timeouts_.WriteTotalTimeoutMultiplier, data.size(),
                                         timeouts_.WriteTotalTimeoutConstant);
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t written = ::write(fd_.get(), data.data() + done, data.size() - done);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
            continue;
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0 && errno != EAGAIN) {
            Fail(errno);
        }
        // The output queue is full: wait for room until the write time-out passes.
        const int waitMs = poll_ms_until(deadline);
        if (waitMs == 0) {
            break;
        }
        pollfd watch{fd_.get(), POLLOUT, 0};
        const int ready = ::poll(&watch, 1, waitMs);
        if (ready < 0 && errno != EINTR) {
            Fail(errno);
        }
        if (ready == 0) {
            break;
        }
        if ((watch.revents & POLLNVAL) != 0) {
            Fail(EBADF);
        }
        if ((watch.revents & (POLLERR | POLLHUP)) != 0 && (watch.revents & POLLOUT) == 0) {
            Fail(EIO);
        }
    }
    return done;
}

void CpsSerialPort::GetStatus(ComStat& status) {
    RequireOpen();
    int waitingIn = 0;
    int waitingOut = 0;
    if (::ioctl(fd_.get(), FIONREAD, &waitingIn) != 0 ||
        ::ioctl(fd_.get(), TIOCOUTQ, &waitingOut) != 0) {
        Fail(errno);
    }
    status.cbInQue = static_cast<std::uint32_t>(waitingIn > 0 ? waitingIn : 0);
    status.cbOutQue = static_cast<std::uint32_t>(waitingOut > 0 ? waitingOut : 0);
}

ReadResult CpsSerialPort::Read(std::span<std::uint8_t> buffer) {
    if (!fd_) {
        return {0, EBADF};
    }
    if (buffer.empty()) {
        return {};
    }
    const auto deadline = deadline_after(timeouts_.ReadTotalTimeoutMultiplier, buffer.size(),
                                         timeouts_.ReadTotalTimeoutConstant);
    bool hungUp = false;
    for (;;) {
        const ssize_t got = ::read(fd_.get(), buffer.data(), buffer.size());
        if (got > 0) {
            return {static_cast<std::size_t>(got), 0};
        }
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0 && errno != EAGAIN) {
            return {0, errno};
        }
        // A raw line reads 0 bytes both when nothing is waiting and when it has been hung up
        // (a pulled USB adapter, a closed far end): poll tells the two apart.
        if (hungUp) {
            return {0, EIO};
        }
        const int waitMs = poll_ms_until(deadline);
        pollfd watch{fd_.get(), POLLIN, 0};
        const int ready = ::poll(&watch, 1, waitMs);
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            return {0, errno};
        }
        if (ready == 0) {
            return {};
        }
        if ((watch.revents & POLLNVAL) != 0) {
            return {0, EBADF};
        }
        // Read once more either way: bytes that came before a hang-up are still delivered.
        hungUp = (watch.revents & (POLLERR | POLLHUP)) != 0;
    }
}

std::string CpsSerialPort::GetPortPath() const {
    return fd_ ? path_ : std::string();
}

void CpsSerialPort::Setup(std::uint32_t inputQueueSize, std::uint32_t outputQueueSize) {
    RequireOpen();
    inputQueueSize_ = inputQueueSize;
    outputQueueSize_ = outputQueueSize;
}

void CpsSerialPort::ClearError(std::uint32_t& errors) {
    RequireOpen();
    ProbeDevice();
    errors = 0; // a termios line keeps no error state: faulty bytes arrive as they are
}

void CpsSerialPort::ClearErrorFlags(std::uint32_t flags) {
    RequireOpen();
    constexpr std::uint32_t kClearOutput = 0x4;
    constexpr std::uint32_t kClearInput = 0x8;
    const bool input = (flags & kClearInput) != 0;
    const bool output = (flags & kClearOutput) != 0;
    if (!input && !output) {
        ProbeDevice();
        return;
    }
    // Leftovers of an earlier exchange would be taken for the start of the next answer.
    const int queue = input && output ? TCIOFLUSH : (input ? TCIFLUSH : TCOFLUSH);
    if (::tcflush(fd_.get(), queue) != 0) {
        Fail(errno);
    }
}

bool CpsSerialPort::SetState(const SerialState& state) {
    if (!fd_ || configure_line(fd_.get(), state) != 0) {
        return false;
    }
    state_ = state;
    return true;
}

bool CpsSerialPort::GetState(SerialState& state) {
    termios tio{};
    if (!fd_ || ::tcgetattr(fd_.get(), &tio) != 0) {
        return false;
    }
    SerialState current = read_line_settings(tio);
    // termios cannot hold these; the port reports what it was given.
    current.eofChar = state_.eofChar;
    current.evtChar = state_.evtChar;
    if (current.flowControl == FlowControl::None && is_dtr_dsr_flow(state_.flowControl)) {
        current.flowControl = state_.flowControl;
    }
    state = current;
    return true;
}

void CpsSerialPort::Close() {
    if (!fd_) {
        return;
    }
    // Exclusive mode outlives this descriptor while another one is open on the line.
    ::ioctl(fd_.get(), TIOCNXCL);
    fd_.reset();
    path_.clear();
}

void CpsSerialPort::RequireOpen() const {
    if (!fd_) {
        throw CSerialException(EBADF, path_, "the port is not open");
    }
}

void CpsSerialPort::Fail(int errorCode) const {
    throw CSerialException(errorCode, path_);
}

void CpsSerialPort::ProbeDevice() const {
    // A hung-up line (a pulled adapter) fails every request with EIO; this asks the cheapest.
    int waiting = 0;
    if (::ioctl(fd_.get(), FIONREAD, &waiting) != 0) {
        Fail(errno);
    }
}

} // namespace vd
