// vdcps: the command-line face of Valdren CPS.
#include "app/AppLog.h"
#include "app/AppPaths.h"
#include "app/LanguageCode.h"
#include "cli/CliSupport.h"
#include "cli/ProblemOutput.h"
#include "model/Exceptions.h"

#include <csignal>
#include <iostream>

namespace {

/// The first word that is not an option (or the value of --config): the command's name.
std::string CommandWord(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--config") {
            ++i;
        } else if (arg.empty() || arg[0] != '-') {
            return arg;
        }
    }
    return {};
}

} // namespace

int main(int argc, char** argv) {
    using namespace vd::cli;
    // a file size limit must fail the write (and be reported), not kill the process with
    // its temporary file left behind
    std::signal(SIGXFSZ, SIG_IGN);
    CLI::App app{"vdcps - program Valdren hand-held radios from the command line"};
    app.require_subcommand(1);
    // global options are taken after the command too ("vdcps read ... --config x.ini")
    app.fallthrough();
    std::string config;
    app.add_option("--config", config, "Use this cps.ini instead of the default one")
        ->check(CLI::ExistingFile);
    app.footer("Exit status: 0 success, 1 check found errors, diff a difference or doctor a "
               "problem, 2 usage error, 3 file or value error, 4 serial port "
               "error, 5 radio error, 6 cancelled.\nEnvironment: VALDREN_CPS_INI names cps.ini, "
               "VALDREN_CPS_TEMPLATE_DIR the template folder.");
    AddModelsCommand(app);
    AddNewCommand(app);
    AddInfoCommand(app);
    AddGetCommand(app);
    AddFieldsCommand(app);
    AddSetCommand(app);
    AddReadCommand(app);
    AddWriteCommand(app);
    AddImportBinCommand(app);
    AddExportBinCommand(app);
    AddPortsCommand(app);
    AddDetectCommand(app);
    AddDoctorCommand(app);
    AddRestoreCommand(app);
    AddDiffCommand(app);
    AddCheckCommand(app);
    AddFleetCommand(app);
    AddExportCsvCommand(app);
    AddImportCsvCommand(app);
    app.parse_complete_callback([&config] {
        if (!config.empty()) {
            vd::AppPaths::SetIniPath(config);
        }
        vd::InitAppLog(vd::AppPaths::DataDir());
        vd::CurrentLanguageCode();
    });

    const std::string word = CommandWord(argc, argv);
    std::string names;
    bool known = word.empty();
    for (const CLI::App* command : app.get_subcommands({})) {
        names += (names.empty() ? "" : ", ") + command->get_name();
        known = known || command->check_name(word);
    }
    if (!known) {
        std::cerr << "vdcps: unknown command '" << word << "'; the commands are: " << names << '\n';
        return kUsageError;
    }

    int status = kSuccess;
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        status = kUsageError;
    } catch (const CliError& e) {
        if (*e.what() != '\0') {
            std::cerr << "vdcps: " << e.what() << '\n';
        }
        status = e.code();
    } catch (const vd::ValdrenCpsException& e) {
        std::cerr << "vdcps: " << e.what() << '\n';
        status = kDataError;
    } catch (const std::exception& e) {
        std::cerr << "vdcps: " << e.what() << '\n';
        status = kDataError;
    }
    vd::ShutdownAppLog();
    return status;
}
