#pragma once
#include <optional>
#include <string>
#include <sys/types.h>

namespace vd {

/// A program that has a device open.
struct PortHolder {
    pid_t pid = 0;
    std::string name; ///< the program's name as the kernel knows it
};

/// Finds a program that has `devicePath` open, looking through every process's open files
/// that this user may see; empty when none is found. Used to say who holds a busy port.
std::optional<PortHolder> find_port_holder(const std::string& devicePath);

/// "in use by NAME (pid N)" for a holder, "in use by another program" when none is known.
std::string describe_port_holder(const std::optional<PortHolder>& holder);

} // namespace vd
