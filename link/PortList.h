#pragma once
#include "link/PortNames.h"

#include <string>
#include <vector>

namespace vd {

/// One serial port of the machine, as the port chooser and `vdcps ports` show it.
struct PortInfo {
    std::string name;         ///< device path, such as /dev/ttyUSB0
    std::string description;  ///< what the system calls it
    std::string transport;    ///< "native", "USB" or "Bluetooth"
    std::string manufacturer; ///< USB manufacturer text; empty when not USB or unknown
    std::string product;      ///< USB product text; empty when not USB or unknown
    int vendorId = -1;        ///< USB vendor id; -1 when not USB or unknown
    int productId = -1;       ///< USB product id; -1 when not USB or unknown
};

/// The machine's serial ports in the order of sort_ports; pseudo-terminals are not listed (they
/// are opened by their path). Empty when the system cannot list its ports.
std::vector<PortInfo> list_ports();

/// True when `a` comes before `b` in the port list: by the name without its trailing number,
/// then by that number (/dev/ttyS2 before /dev/ttyS10).
bool port_name_less(const std::string& a, const std::string& b);

/// Sorts ports with port_name_less; ports that compare equal keep their order.
void sort_ports(std::vector<PortInfo>& ports);

/// One line for the port chooser, such as
/// "/dev/ttyUSB0 - CP2102 USB to UART (Silicon Labs, USB 10c4:ea60)" or "/dev/ttyS2 (COM3)".
std::string describe_port(const PortInfo& port);

} // namespace vd
