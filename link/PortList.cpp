#include "link/PortList.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fmt/format.h>
#include <libserialport.h>
#include <limits>
#include <memory>
#include <string_view>

namespace vd {

namespace {

struct PortListDeleter {
    void operator()(sp_port** list) const { sp_free_port_list(list); }
};
using PortListPtr = std::unique_ptr<sp_port*, PortListDeleter>;

std::string text_or_empty(const char* text) {
    return text != nullptr ? text : "";
}

std::string transport_name(sp_transport transport) {
    switch (transport) {
    case SP_TRANSPORT_USB:
        return "USB";
    case SP_TRANSPORT_BLUETOOTH:
        return "Bluetooth";
    default:
        return "native";
    }
}

bool is_pseudo_terminal(const std::string& name) {
    return name.starts_with("/dev/pts/") || name == "/dev/ptmx";
}

// The name split into its stem and the number it ends with; -1 when it ends with no number,
// so such a name comes first among those with its stem.
std::pair<std::string_view, long long> split_number(std::string_view name) {
    std::size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1]))) {
        --digits;
    }
    long long number = -1;
    const auto tail = name.substr(digits);
    auto [stop, error] = std::from_chars(tail.data(), tail.data() + tail.size(), number);
    if (tail.empty() || error != std::errc{}) {
        number = tail.empty() ? -1 : std::numeric_limits<long long>::max();
    }
    return {name.substr(0, digits), number};
}

} // namespace

bool port_name_less(const std::string& a, const std::string& b) {
    return split_number(a) < split_number(b);
}

void sort_ports(std::vector<PortInfo>& ports) {
    std::stable_sort(ports.begin(), ports.end(), [](const PortInfo& a, const PortInfo& b) {
        return port_name_less(a.name, b.name);
    });
}

std::vector<PortInfo> list_ports() {
    sp_port** raw = nullptr;
    if (sp_list_ports(&raw) != SP_OK) {
        return {};
    }
    PortListPtr list(raw);
    std::vector<PortInfo> ports;
    for (sp_port** port = list.get(); *port != nullptr; ++port) {
        PortInfo info;
        info.name = text_or_empty(sp_get_port_name(*port));
        if (info.name.empty() || is_pseudo_terminal(info.name)) {
            continue;
        }
        info.description = text_or_empty(sp_get_port_description(*port));
        const sp_transport transport = sp_get_port_transport(*port);
        info.transport = transport_name(transport);
        if (transport == SP_TRANSPORT_USB) {
            info.manufacturer = text_or_empty(sp_get_port_usb_manufacturer(*port));
            info.product = text_or_empty(sp_get_port_usb_product(*port));
            int vid = -1;
            int pid = -1;
            if (sp_get_port_usb_vid_pid(*port, &vid, &pid) == SP_OK) {
                info.vendorId = vid;
                info.productId = pid;
            }
        }
        ports.push_back(std::move(info));
    }
    sort_ports(ports);
    return ports;
}

std::string describe_port(const PortInfo& port) {
    std::string line = port.name;
    if (const auto number = com_port_number(port.name)) {
        line += " (COM" + std::to_string(*number) + ")";
    }
    // The description often just repeats the device name; it then adds nothing.
    const bool usefulDescription = !port.description.empty() && port.description != port.name &&
                                   "/dev/" + port.description != port.name;
    if (usefulDescription) {
        line += " - " + port.description;
    }
    std::string details;
    if (!port.manufacturer.empty()) {
        details = port.manufacturer;
    }
    if (!port.product.empty() && port.product != port.description) {
        details += (details.empty() ? "" : " ") + port.product;
    }
    if (port.transport == "USB" || port.transport == "Bluetooth") {
        std::string transport = port.transport;
        if (port.vendorId >= 0 && port.productId >= 0) {
            transport += fmt::format(" {:04x}:{:04x}", port.vendorId, port.productId);
        }
        details += (details.empty() ? "" : ", ") + transport;
    }
    if (!details.empty()) {
        line += " (" + details + ")";
    }
    return line;
}

} // namespace vd
