// vdcps: the command-line face of Valdren CPS.
#include "app/AppLog.h"
#include "app/AppPaths.h"
#include "app/LanguageCode.h"
#include "cli/CliSupport.h"
#include "model/Exceptions.h"

#include <iostream>

int main(int argc, char** argv) {
    using namespace vd::cli;
    CLI::App app{"vdcps - program Valdren hand-held radios from the command line"};
    app.require_subcommand(1);
    std::string config;
    app.add_option("--config", config, "Use this cps.ini instead of the default one")
        ->check(CLI::ExistingFile);
    app.footer("Exit status: 0 success (diff: 1 when the two sides differ), 2 usage error, 3 file "
               "or value error, 4 serial port "
               "error, 5 radio error, 6 cancelled.\nEnvironment: VALDREN_CPS_INI names cps.ini, "
               "VALDREN_CPS_TEMPLATE_DIR the template folder.");
    AddModelsCommand(app);
    AddNewCommand(app);
    AddInfoCommand(app);
    AddGetCommand(app);
    AddSetCommand(app);
    AddReadCommand(app);
    AddWriteCommand(app);
    AddImportBinCommand(app);
    AddExportBinCommand(app);
    AddPortsCommand(app);
    AddRestoreCommand(app);
    AddDiffCommand(app);
    AddFleetCommand(app);
    app.parse_complete_callback([&config] {
        if (!config.empty()) {
            vd::AppPaths::SetIniPath(config);
        }
        vd::InitAppLog(vd::AppPaths::DataDir());
        vd::CurrentLanguageCode();
    });

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
