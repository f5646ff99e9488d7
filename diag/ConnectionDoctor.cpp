#include "diag/ConnectionDoctor.h"

#include "app/ModelRegistry.h"
#include "diag/RadioDetect.h"
#include "link/CpsSerialPort.h"
#include "link/PortNames.h"
#include "link/SerialException.h"
#include "model/HamCpsControl.h"

#include <fmt/format.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace vd {

namespace {

/// A service known to take USB serial adapters away from the programs that want them.
struct Grabber {
    const char* program;
    const char* why;
    const char* fix;
};

constexpr Grabber kGrabbers[] = {
    {"ModemManager",
     "ModemManager is running: it probes new USB serial adapters as modems and "
     "holds them meanwhile",
     "sudo systemctl disable --now ModemManager (or stop it while programming)"},
    {"brltty",
     "brltty is running: it claims common USB serial adapters (CH340, CP210x) as "
     "braille displays",
     "sudo apt remove brltty, unless a braille display is used"},
};

/// A radio family's line settings, checked on a model of the family.
struct Family {
    const char* model;
    const char* name;
    const char* line;
};

constexpr Family kFamilies[] = {
    {"GX5", "GX5 family", "115200 baud 8N1"},
    {"LM704", "LM704 and VS family", "9600 baud 8N1"},
};

bool contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

DoctorCheck ok(std::string text) {
    return {true, std::move(text), {}};
}

DoctorCheck problem(std::string text, std::string fix) {
    return {false, std::move(text), std::move(fix)};
}

DoctorCheck ports_check(const SystemView& system) {
    const std::vector<PortInfo> ports = system.ports();
    if (ports.empty()) {
        return problem("No serial port found",
                       "Plug the programming cable in; 'sudo dmesg' shows whether the system saw "
                       "it");
    }
    std::string text = "Serial ports: ";
    for (std::size_t i = 0; i < ports.size(); ++i) {
        text += (i == 0 ? "" : "; ") + describe_port(ports[i]);
    }
    return ok(text);
}

std::vector<DoctorCheck> service_checks(const SystemView& system) {
    const std::vector<std::string> programs = system.programs();
    std::vector<DoctorCheck> checks;
    for (const Grabber& grabber : kGrabbers) {
        if (contains(programs, grabber.program)) {
            checks.push_back(problem(grabber.why, grabber.fix));
        }
    }
    if (checks.empty()) {
        checks.push_back(ok("Neither ModemManager nor brltty is running"));
    }
    return checks;
}

DoctorCheck access_check(const std::string& path, const SystemView& system) {
    const int error = system.accessError(path);
    if (error == 0) {
        return ok("You may open " + path);
    }
    if (error != EACCES && error != EPERM) {
        return problem(fmt::format("{} cannot be opened: {}", path, std::strerror(error)),
                       "Check the cable and the port's name");
    }
    const std::string group = system.deviceGroup(path);
    if (!group.empty() && contains(system.accountGroups(), group) &&
        !contains(system.sessionGroups(), group)) {
        return problem(fmt::format("You were added to group {}, but this login does not have "
                                   "it yet",
                                   group),
                       "Log out and in again (or start a shell with: newgrp " + group + ")");
    }
    return problem(
        fmt::format("You may not open {} (it belongs to group {})", path,
                    group.empty() ? "unknown" : group),
        fmt::format("sudo usermod -aG {} {}, then log out and in; or install the package, "
                    "whose udev rule lets the logged-in user open USB programming cables",
                    group.empty() ? "dialout" : group, system.userName()));
}

bool locked_by_another(const std::string& path) {
    try {
        CpsSerialPort port;
        port.Open(path, 9600, Parity::None, 8, StopBits::One, FlowControl::None, true);
        return false;
    } catch (const CSerialException& error) {
        return error.GetErrorCode() == EBUSY;
    }
}

DoctorCheck holder_check(const std::string& path, const SystemView& system) {
    const std::optional<PortHolder> holder = system.holder(path);
    if (!holder) {
        return ok("No other program holds " + path);
    }
    // A program that keeps the device open without locking it (the far end of a simulated
    // radio's pseudo-terminal) does not stand in the way.
    if (!locked_by_another(path)) {
        return ok(fmt::format("{} is also open in {} (pid {}), which does not lock it", path,
                              holder->name, holder->pid));
    }
    return problem(fmt::format("{} is in use by {} (pid {})", path, holder->name, holder->pid),
                   fmt::format("Close {}, or end it: kill {}", holder->name, holder->pid));
}

/// Opens the port as each family does; false in `opened` when any failed.
std::vector<DoctorCheck> open_checks(const std::string& portSetting, const std::string& path,
                                     bool& opened) {
    std::vector<DoctorCheck> checks;
    opened = true;
    for (const Family& family : kFamilies) {
        const auto control = ModelRegistry::CreateControl(family.model);
        if (!control) {
            continue;
        }
        try {
            CpsSerialPort port;
            control->OpenPort(port, portSetting);
            checks.push_back(
                ok(fmt::format("{} opens at {} ({})", path, family.line, family.name)));
        } catch (const CSerialException& error) {
            opened = false;
            checks.push_back(problem(
                fmt::format("{} does not open at {} ({}): {}", path, family.line, family.name,
                            error.what()),
                "Check that the device is a serial port and that no other program uses it"));
        }
    }
    return checks;
}

DoctorCheck detect_check(const std::string& portSetting, const std::string& path) {
    try {
        if (const auto model = detect_radio(portSetting)) {
            return ok(fmt::format("A {} answered on {}", *model, path));
        }
        return problem("No radio answered on " + path,
                       "Check that the cable is plugged into the radio, that the radio is on, "
                       "and that the cable is a programming cable for it");
    } catch (const CSerialException& error) {
        return problem(error.what(), "Check the port");
    }
}

} // namespace

std::vector<DoctorCheck> run_connection_checks(const std::string& portSetting,
                                               const SystemView& system, bool detect) {
    std::vector<DoctorCheck> checks{ports_check(system)};
    const std::vector<DoctorCheck> services = service_checks(system);
    checks.insert(checks.end(), services.begin(), services.end());
    if (portSetting.empty()) {
        return checks;
    }
    const std::string path = port_setting_to_device(portSetting);
    std::error_code error;
    if (path.empty() || !std::filesystem::exists(path, error)) {
        checks.push_back(problem((path.empty() ? portSetting : path) + " does not exist",
                                 "Pick one of the ports listed above (vdcps ports)"));
        return checks;
    }
    const DoctorCheck access = access_check(path, system);
    checks.push_back(access);
    const DoctorCheck holder = holder_check(path, system);
    checks.push_back(holder);
    if (!access.ok || !holder.ok) {
        return checks; // opening cannot work, and would only repeat what was said
    }
    bool opened = false;
    const std::vector<DoctorCheck> opens = open_checks(portSetting, path, opened);
    checks.insert(checks.end(), opens.begin(), opens.end());
    if (detect && opened) {
        checks.push_back(detect_check(portSetting, path));
    }
    return checks;
}

std::string format_check(const DoctorCheck& check) {
    if (check.ok) {
        return "OK       " + check.text;
    }
    return "PROBLEM  " + check.text + ". Fix: " + check.fix;
}

} // namespace vd
