#include "app/ModelRegistry.h"
#include "cli/CliSupport.h"

#include <iostream>

namespace vd::cli {

void AddModelsCommand(CLI::App& app) {
    CLI::App* command = app.add_subcommand("models", "List the radio models, one name a line.");
    command->footer("Example:\n  vdcps models");
    command->callback([] {
        for (const std::string& name : ModelRegistry::ModelNames()) {
            std::cout << name << '\n';
        }
    });
}

} // namespace vd::cli
