#pragma once
#include "link/PortHolder.h"
#include "link/PortList.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vd {

/// What the connection doctor looks at in the system, as functions so that tests can stand in
/// for the machine's state.
struct SystemView {
    /// The serial ports present.
    std::function<std::vector<PortInfo>()> ports;
    /// The names of the programs running (as the kernel names them).
    std::function<std::vector<std::string>()> programs;
    /// The groups the user belongs to in the account database.
    std::function<std::vector<std::string>()> accountGroups;
    /// The groups this login has now (a group added later is missing until the next login).
    std::function<std::vector<std::string>()> sessionGroups;
    /// The group that owns a device; empty when it cannot be told.
    std::function<std::string(const std::string& path)> deviceGroup;
    /// 0 when this user may read and write the device, else the errno that says why not.
    std::function<int(const std::string& path)> accessError;
    /// The program that holds a device open.
    std::function<std::optional<PortHolder>(const std::string& path)> holder;
    /// The user's login name.
    std::function<std::string()> userName;
};

/// The machine's own state.
SystemView live_system();

} // namespace vd
