#pragma once
#include "tests/support/HostLine.h"
#include "tools/radiosim/Pty.h"

namespace vdtest {

/// A pseudo-terminal pair in raw mode standing in for a serial cable: the code under test opens
/// devicePath() like a serial port, the test plays the radio on the far end. hangUp() pulls the
/// cable.
class PtyPair : public vd::sim::Pty {
public:
    /// The pair's own descriptor of the device side.
    int deviceFd() const { return device(); }
    /// Sends bytes from the far end; throws when they cannot all go out within 5 s.
    void send(const Bytes& bytes) const { sendAll(master(), bytes, std::chrono::seconds(5)); }
    /// Receives up to `count` bytes at the far end, waiting at most `timeoutMs` in all.
    Bytes receive(std::size_t count, int timeoutMs = 5000) const {
        return receiveUpTo(master(), count, std::chrono::milliseconds(timeoutMs));
    }
};

} // namespace vdtest
