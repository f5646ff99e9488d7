#include "cli/CliSupport.h"
#include "cli/TerminalUi.h"

#include <filesystem>
#include <memory>

namespace vd::cli {

namespace {

struct ImportOptions {
    std::string output;
    bool force = false;
};

} // namespace

void AddImportBinCommand(CLI::App& app) {
    auto ui = std::make_shared<TerminalUi>();
    auto options = std::make_shared<ImportOptions>();
    CLI::App* command =
        app.add_subcommand("import-bin", "Turn a raw memory image file into a project file.");
    command->add_option("MODEL", ui->model, "Model name (see 'vdcps models')")->required();
    command->add_option("FILE", ui->openFile, "Raw image file (.bin)")
        ->required()
        ->check(CLI::ExistingFile);
    command->add_option("-o,--output", options->output, "Project file to write (.vdcps)")
        ->required();
    command->add_flag("--force", options->force, "Replace an existing project file");
    command->add_flag("-q,--quiet", ui->quiet, "No progress output");
    command->footer("Example:\n  vdcps import-bin GX5 radio.bin -o radio.vdcps");
    command->callback([ui, options] {
        std::error_code error;
        if (!options->force && std::filesystem::exists(options->output, error)) {
            throw CliError(kDataError, options->output + " exists; use --force to replace it");
        }
        ui->quiet = true; // the image decodes in a moment; only its result matters
        CValdrenCpsDoc doc(*ui);
        if (!doc.NewDocument(ui->model, "")) {
            throw CliError(kUsageError, "unknown model or unreadable template: " + ui->model);
        }
        if (!doc.ReadBinfile()) {
            ThrowUnlessSucceeded(doc.LastResult(), ui->refusal(), "importing the image");
        }
        SaveProjectOrThrow(*doc.Control(), options->output);
    });
}

} // namespace vd::cli
