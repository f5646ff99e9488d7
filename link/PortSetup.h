#pragma once
#include "link/ISerialPort.h"

#include <cstdint>
#include <string>

namespace vd {

/// ClearErrorFlags flags: discard what was received and not read yet.
inline constexpr std::uint32_t kPurgeInput = 8;
/// ClearErrorFlags flags: abort and discard both directions.
inline constexpr std::uint32_t kPurgeAll = 15;

/// How a protocol family sets its port up: line speed (always 8N1 without flow control),
/// time-outs, queue sizes and the optional event character.
struct PortSetup {
    std::uint32_t baudRate = 9600;
    /// How long a read waits for its first byte.
    std::uint32_t readTimeoutMs = 0;
    /// How long a write may take.
    std::uint32_t writeTimeoutMs = 0;
    std::uint32_t inputQueueSize = 0;
    std::uint32_t outputQueueSize = 0;
    /// End-of-file and event character of the line; 0 leaves the line's own.
    char eventChar = 0;
};

/// Opens the port a cps.ini port setting names ("/dev/ttyUSB0", "COM11", "11"), sets it up as
/// `setup` says and starts with empty queues and cleared error flags, so that nothing another
/// program left behind is taken for an answer. Throws CSerialException (ENOENT for a setting
/// that names no port).
void open_port(ISerialPort& port, const std::string& portSetting, const PortSetup& setup);

} // namespace vd
