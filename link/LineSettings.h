#pragma once
#include "link/ISerialPort.h"

#include <cstdint>
#include <optional>
#include <termios.h>

namespace vd {

/// The termios speed for a rate in bits per second; empty for a rate the kernel has no
/// constant for.
std::optional<speed_t> baud_to_speed(std::uint32_t baudRate);

/// The rate in bits per second of a termios speed; empty for an unknown speed.
std::optional<std::uint32_t> speed_to_baud(speed_t speed);

/// Puts `tio` in raw mode (no echo, no translation, reads return what is waiting) and writes
/// the line settings of `state` into it. Returns 0, or EINVAL for settings a line cannot take;
/// `tio` may then be partly changed.
int apply_line_settings(termios& tio, const SerialState& state);

/// The line settings held in `tio`. EofChar and EvtChar are not part of a raw line and come
/// back as 0; the flow controls without a termios form come back as none.
SerialState read_line_settings(const termios& tio);

} // namespace vd
