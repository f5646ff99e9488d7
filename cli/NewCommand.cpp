#include "app/ModelRegistry.h"
#include "cli/CliSupport.h"
#include "document/ProjectFile.h"

#include <filesystem>
#include <iostream>
#include <memory>

namespace vd::cli {

namespace {

struct NewOptions {
    std::string model;
    std::string output;
    bool force = false;
};

} // namespace

void AddNewCommand(CLI::App& app) {
    auto options = std::make_shared<NewOptions>();
    CLI::App* command =
        app.add_subcommand("new", "Create a project with a model's factory settings.");
    command->add_option("MODEL", options->model, "Model name (see 'vdcps models')")->required();
    command->add_option("-o,--output", options->output, "Project file to write (.vdcps)")
        ->required();
    command->add_flag("--force", options->force, "Replace an existing file");
    command->footer("Example:\n  vdcps new GX5 -o my-radio.vdcps");
    command->callback([options] {
        std::error_code error;
        if (!options->force && std::filesystem::exists(options->output, error)) {
            throw CliError(kDataError, options->output + " exists; use --force to replace it");
        }
        if (!ModelRegistry::CreateControl(options->model)) {
            throw CliError(kUsageError,
                           "unknown model: " + options->model + " (see 'vdcps models')");
        }
        std::string reason;
        std::unique_ptr<HamCpsControl> control = ProjectFile::New(options->model, &reason);
        if (!control) {
            throw CliError(kDataError, reason);
        }
        SaveProjectOrThrow(*control, options->output);
        std::cout << "created " << options->output << " (" << control->GetModelName() << ")\n";
    });
}

} // namespace vd::cli
