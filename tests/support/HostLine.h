#pragma once
#include "tests/support/RadioSim.h"

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace vdtest {

using Bytes = std::vector<uint8_t>;

/// Writes all of `bytes` to a non-blocking descriptor; throws when they cannot all go out
/// within `timeout`.
void sendAll(int fd, const Bytes& bytes, std::chrono::milliseconds timeout);
/// Reads from a non-blocking descriptor until `count` bytes came, the far side closed or
/// `timeout` passed; returns what came.
Bytes receiveUpTo(int fd, std::size_t count, std::chrono::milliseconds timeout);

/// The host's end of a simulated radio's cable in a test: the device opened in raw mode, with
/// writes of hand-built requests and reads that wait at most a bounded time.
class HostLine {
public:
    /// Opens the device; throws when it cannot.
    explicit HostLine(const std::string& device);
    ~HostLine();
    HostLine(const HostLine&) = delete;
    HostLine& operator=(const HostLine&) = delete;

    /// Writes the request whole.
    void send(const Bytes& request) { sendAll(fd_, request, kRadioWait); }
    /// Reads until `count` bytes came or `timeout` passed; returns what came.
    Bytes read(std::size_t count, std::chrono::milliseconds timeout = kRadioWait) {
        return receiveUpTo(fd_, count, timeout);
    }
    /// Writes the request and reads an answer of `count` bytes.
    Bytes exchange(const Bytes& request, std::size_t count) {
        send(request);
        return read(count);
    }
    /// The bytes waiting right now, without waiting for more.
    Bytes available() { return receiveUpTo(fd_, SIZE_MAX, std::chrono::milliseconds(0)); }

private:
    int fd_ = -1;
};

/// Concatenates byte sequences, for building requests from their parts.
Bytes join(std::initializer_list<Bytes> parts);

/// ASCII text as bytes.
Bytes ascii(const std::string& text);

} // namespace vdtest
