#include "link/SerialException.h"

#include <cerrno>
#include <cstring>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vd {

namespace {

// strerror_r comes in two flavours (XSI returns int, GNU returns the text); these pick the text.
[[maybe_unused]] const char* error_text_of(int result, const char* buffer) {
    return result == 0 ? buffer : nullptr;
}
[[maybe_unused]] const char* error_text_of(const char* text, const char*) {
    return text;
}

// The name of the group that owns `device`; "dialout" when it cannot be told, since that is
// the group serial devices belong to on nearly every distribution.
std::string owning_group(const std::string& device) {
    struct stat info {};
    if (device.empty() || ::stat(device.c_str(), &info) != 0) {
        return "dialout";
    }
    long size = ::sysconf(_SC_GETGR_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 1024);
    struct group entry {};
    struct group* found = nullptr;
    while (::getgrgid_r(info.st_gid, &entry, buffer.data(), buffer.size(), &found) == ERANGE) {
        buffer.resize(buffer.size() * 2);
    }
    if (found == nullptr || found->gr_name == nullptr) {
        return std::to_string(info.st_gid);
    }
    return found->gr_name;
}

std::string build_message(int errorCode, const std::string& device, const std::string& detail) {
    std::string message = device.empty() ? system_error_text(errorCode)
                                         : device + ": " + system_error_text(errorCode);
    if (!detail.empty()) {
        message += " (" + detail + ")";
    }
    if (errorCode == EACCES || errorCode == EPERM) {
        const std::string group = owning_group(device);
        message += ". The port belongs to the group \"" + group +
                   "\" and this user is not a member of it. To fix it run: sudo usermod -aG " +
                   group + " $USER, then log in again.";
    }
    return message;
}

} // namespace

CSerialException::CSerialException(int errorCode, std::string device, std::string detail)
    : errorCode_(errorCode), device_(std::move(device)),
      message_(build_message(errorCode_, device_, detail)) {}

std::string system_error_text(int errorCode) {
    char buffer[256] = {};
    const char* text = error_text_of(::strerror_r(errorCode, buffer, sizeof buffer), buffer);
    if (text == nullptr || *text == '\0') {
        return "Unknown error " + std::to_string(errorCode);
    }
    return text;
}

bool is_port_gone_error(int errorCode) noexcept {
    return errorCode == EIO || errorCode == ENXIO || errorCode == EBADF || errorCode == ENODEV;
}

} // namespace vd
