#include "cli/CliSupport.h"
#include "link/PortList.h"

#include <iostream>

namespace vd::cli {

void AddPortsCommand(CLI::App& app) {
    CLI::App* command = app.add_subcommand(
        "ports", "List the machine's serial ports with what they are (USB adapters included).");
    command->footer(
        "A simulated radio's pseudo-terminal is not listed; give its path to --port.\n\n"
        "Example:\n  vdcps ports");
    command->callback([] {
        const std::vector<PortInfo> ports = list_ports();
        for (const PortInfo& port : ports) {
            std::cout << describe_port(port) << '\n';
        }
        if (ports.empty()) {
            std::cerr << "no serial ports found\n";
        }
    });
}

} // namespace vd::cli
