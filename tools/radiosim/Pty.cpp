#include "tools/radiosim/Pty.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace vd::sim {

namespace {

[[noreturn]] void fail(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

} // namespace

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
        reset(other.release());
    }
    return *this;
}

void UniqueFd::reset(int fd) {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    fd_ = fd;
}

int UniqueFd::release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

Pty::Pty() {
    master_.reset(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK));
    if (!master_) {
        fail("posix_openpt");
    }
    if (::grantpt(master_.get()) != 0) {
        fail("grantpt");
    }
    if (::unlockpt(master_.get()) != 0) {
        fail("unlockpt");
    }
    char name[128];
    if (::ptsname_r(master_.get(), name, sizeof(name)) != 0) {
        fail("ptsname_r");
    }
    devicePath_ = name;
    slave_.reset(::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (!slave_) {
        fail("open pty device");
    }
    // A serial cable passes bytes unchanged: no echo, no line editing, no newline translation.
    termios settings{};
    if (::tcgetattr(slave_.get(), &settings) != 0) {
        fail("tcgetattr");
    }
    ::cfmakeraw(&settings);
    if (::tcsetattr(slave_.get(), TCSANOW, &settings) != 0) {
        fail("tcsetattr");
    }
}

void Pty::hangUp() {
    master_.reset();
    slave_.reset();
}

} // namespace vd::sim
