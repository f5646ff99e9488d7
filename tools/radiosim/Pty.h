#pragma once
#include <string>

namespace vd::sim {

/// Owns one file descriptor and closes it when it goes.
class UniqueFd {
public:
    UniqueFd() = default;
    /// Takes ownership of `fd` (-1 for none).
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd() { reset(); }
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    /// The descriptor, -1 when none is held.
    int get() const { return fd_; }
    /// Whether a descriptor is held.
    explicit operator bool() const { return fd_ >= 0; }
    /// Closes the held descriptor, if any, and takes `fd`.
    void reset(int fd = -1);
    /// Gives the descriptor up without closing it.
    int release();

private:
    int fd_ = -1;
};

/// The radio's cable: a pseudo-terminal whose master end the radio uses and whose device end
/// (the slave, such as /dev/pts/5) a host opens like a serial port. The radio keeps the device
/// end open itself, so a host can close and reopen it as often as it likes.
class Pty {
public:
    /// Opens a pseudo-terminal in raw mode; throws std::system_error on failure.
    Pty();

    /// The master end, non-blocking.
    int master() const { return master_.get(); }
    /// The device end the radio keeps open (it reads nothing from it).
    int device() const { return slave_.get(); }
    /// The path a host opens.
    const std::string& devicePath() const { return devicePath_; }
    /// Pulls the cable: closes both ends, so a host's reads and writes fail with EIO.
    void hangUp();

private:
    UniqueFd master_;
    UniqueFd slave_;
    std::string devicePath_;
};

} // namespace vd::sim
