#pragma once
#include <exception>
#include <string>

namespace vd {

/// A failure of the serial port: the system error code (errno) with the device it concerns.
/// ENOENT (2) means the device does not exist, as file-not-found does on other systems, so the
/// callers' "device not found" rule for code 2 holds here too.
class CSerialException : public std::exception {
public:
    /// A failure with `errorCode` on `device`; `detail` adds what the system text cannot know,
    /// such as the program that holds a busy port.
    explicit CSerialException(int errorCode, std::string device = {}, std::string detail = {});

    /// The system error code.
    int GetErrorCode() const noexcept { return errorCode_; }
    /// The device the failure concerns; may be empty.
    const std::string& GetDevice() const noexcept { return device_; }
    /// The text for the user: the device, the system's text for the code and, for a port the
    /// user may not open, the group to join and how.
    std::string GetErrorMessage() const { return message_; }
    /// The same text as GetErrorMessage.
    const char* what() const noexcept override { return message_.c_str(); }

private:
    int errorCode_;
    std::string device_;
    std::string message_;
};

/// The system's text for an errno value.
std::string system_error_text(int errorCode);

/// True for the errors that mean the port is gone or unusable (a pulled cable, a closed
/// handle): retrying cannot help.
bool is_port_gone_error(int errorCode) noexcept;

} // namespace vd
