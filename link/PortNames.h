#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vd {

/// The device path of COM port `number`: COM1 is /dev/ttyS0. Empty for numbers below 1.
std::string com_port_device(int number);

/// The COM number of a /dev/ttySN device (N + 1); empty for any other device.
std::optional<int> com_port_number(std::string_view device);

/// The device a `port` setting names: "COM11", "com11" and "11" name /dev/ttyS10, an absolute
/// path names itself and a bare name such as "ttyUSB0" a device in /dev. Empty when the
/// setting names no device ("", "COM0", "COMx").
std::string port_setting_to_device(std::string_view setting);

/// The `port` setting for a device: "COM11" for /dev/ttyS10, the path itself for the others.
std::string device_to_port_setting(std::string_view device);

} // namespace vd
