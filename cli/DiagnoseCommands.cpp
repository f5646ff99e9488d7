// vdcps detect and vdcps doctor: which radio is on the cable, and what keeps a port from
// working.
#include "cli/CliSupport.h"
#include "diag/ConnectionDoctor.h"
#include "diag/RadioDetect.h"
#include "link/SerialException.h"

#include <algorithm>
#include <iostream>
#include <memory>

namespace vd::cli {

void AddDetectCommand(CLI::App& app) {
    auto port = std::make_shared<std::string>();
    auto quiet = std::make_shared<bool>(false);
    CLI::App* command = app.add_subcommand("detect", "Tell which radio model answers on a port.");
    command->add_option("-p,--port", *port, "Serial device (/dev/ttyUSB0, a pty path, or COMn)")
        ->required();
    command->add_flag("-q,--quiet", *quiet, "Print only the model");
    command->footer("Each model's handshake is tried at its own line settings; no memory is read "
                    "and the radio leaves programming mode again.\n\n"
                    "Example:\n  vdcps detect --port /dev/ttyUSB0");
    command->callback([port, quiet] {
        try {
            const auto model = detect_radio(*port, [quiet](const std::string& name) {
                if (!*quiet) {
                    std::cerr << "trying " << name << "...\n";
                }
                return true;
            });
            if (!model) {
                throw CliError(kRadioError, "no radio answered on " + *port);
            }
            std::cout << *model << '\n';
        } catch (const CSerialException& error) {
            throw CliError(kDeviceError, error.what());
        }
    });
}

void AddDoctorCommand(CLI::App& app) {
    auto port = std::make_shared<std::string>();
    CLI::App* command = app.add_subcommand(
        "doctor", "Check the serial ports, permissions and services, and explain each problem.");
    command->add_option("-p,--port", *port, "Also check this port and detect the radio on it");
    command->footer("Exits with 0 when every check passes and 1 otherwise.\n\n"
                    "Example:\n  vdcps doctor --port /dev/ttyUSB0");
    command->callback([port] {
        const std::vector<DoctorCheck> checks = run_connection_checks(*port, live_system(), true);
        for (const DoctorCheck& check : checks) {
            std::cout << format_check(check) << '\n';
        }
        const auto problems = std::count_if(checks.begin(), checks.end(),
                                            [](const DoctorCheck& check) { return !check.ok; });
        if (problems > 0) {
            throw CliError(kChecksFailed, std::to_string(problems) + " problem(s) found");
        }
    });
}

} // namespace vd::cli
