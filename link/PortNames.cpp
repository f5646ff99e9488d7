#include "link/PortNames.h"

#include <boost/algorithm/string/predicate.hpp>
#include <boost/algorithm/string/trim.hpp>
#include <cctype>
#include <charconv>
#include <limits>

namespace vd {

namespace {

constexpr std::string_view kComPrefix = "COM";
constexpr std::string_view kComDevicePrefix = "/dev/ttyS";

// A plain decimal number without sign or spaces; empty for anything else or an overflow.
std::optional<int> parse_number(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end || text.front() == '-') {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::string com_port_device(int number) {
    if (number < 1) {
        return {};
    }
    return std::string(kComDevicePrefix) + std::to_string(number - 1);
}

std::optional<int> com_port_number(std::string_view device) {
    if (!device.starts_with(kComDevicePrefix)) {
        return std::nullopt;
    }
    const auto index = parse_number(device.substr(kComDevicePrefix.size()));
    if (!index || *index == std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return *index + 1;
}

std::string port_setting_to_device(std::string_view setting) {
    const std::string text = boost::algorithm::trim_copy(std::string(setting));
    if (text.empty()) {
        return {};
    }
    if (text.front() == '/') {
        return text;
    }
    std::string_view number = text;
    if (boost::algorithm::istarts_with(text, kComPrefix)) {
        number.remove_prefix(kComPrefix.size());
    }
    if (const auto value = parse_number(number)) {
        return com_port_device(*value);
    }
    // A device name starts with a letter; "COMx", "-3" or an overflowing number name none.
    if (number.size() != text.size() || !std::isalpha(static_cast<unsigned char>(text.front())) ||
        text.find('/') != std::string::npos) {
        return {};
    }
    return "/dev/" + text;
}

std::string device_to_port_setting(std::string_view device) {
    if (const auto number = com_port_number(device)) {
        return std::string(kComPrefix) + std::to_string(*number);
    }
    return std::string(device);
}

} // namespace vd
