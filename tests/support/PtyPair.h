#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vdtest {

/// A pseudo-terminal pair in raw mode standing in for a serial cable: the code under test opens
/// devicePath() like a serial port, the test plays the radio on the far end.
class PtyPair {
public:
    /// Opens a new pair; throws std::runtime_error when the system has none to give.
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    /// The path of the device side, such as /dev/pts/3.
    const std::string& devicePath() const { return devicePath_; }
    /// The far end's descriptor (non-blocking); -1 after hangUp.
    int farEnd() const { return farEnd_; }
    /// The pair's own descriptor of the device side; -1 after releaseDevice.
    int deviceFd() const { return device_; }

    /// Sends bytes from the far end; throws when they cannot all go out within 5 s.
    void send(const std::vector<std::uint8_t>& bytes) const;
    /// Receives up to `count` bytes at the far end, waiting at most `timeoutMs` in all; returns
    /// what arrived (fewer bytes when the time ran out).
    std::vector<std::uint8_t> receive(std::size_t count, int timeoutMs = 5000) const;
    /// Closes the far end: the device side is hung up, as by a pulled cable.
    void hangUp();
    /// Closes the pair's own descriptor of the device side.
    void releaseDevice();

private:
    int farEnd_ = -1;
    int device_ = -1;
    std::string devicePath_;
};

} // namespace vdtest
