#pragma once
#include "tests/support/RadioSim.h"

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace vdtest {

using Bytes = std::vector<uint8_t>;

/// The host's end of a simulated radio's cable in a test: the device opened in raw mode, with
/// writes of hand-built requests and reads that wait at most a bounded time.
class HostLine {
public:
    /// Opens the device; fails the test's assumptions with an exception when it cannot.
    explicit HostLine(const std::string& device);
    ~HostLine();
    HostLine(const HostLine&) = delete;
    HostLine& operator=(const HostLine&) = delete;

    /// Writes the request whole.
    void send(const Bytes& request);
    /// Reads until `count` bytes came or `timeout` passed; returns what came.
    Bytes read(std::size_t count, std::chrono::milliseconds timeout = kRadioWait);
    /// Writes the request and reads an answer of `count` bytes.
    Bytes exchange(const Bytes& request, std::size_t count);
    /// The bytes waiting right now, without waiting for more.
    Bytes available();
    /// Waits until the cable is pulled (reads fail); false when `timeout` passed first.
    bool waitForHangUp(std::chrono::milliseconds timeout = kRadioWait);

private:
    int fd_ = -1;
};

/// Concatenates byte sequences, for building requests from their parts.
Bytes join(std::initializer_list<Bytes> parts);

/// ASCII text as bytes.
Bytes ascii(const std::string& text);

} // namespace vdtest
