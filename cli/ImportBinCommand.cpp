#include "cli/CliSupport.h"
#include "cli/OutputPaths.h"
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
    command->add_option("FILE", ui->openFile, "Raw image file (.bin)")->required();
    command->add_option("-o,--output", options->output, "Project file to write (.vdcps)")
        ->required();
    command->add_flag("--force", options->force, "Replace an existing project file");
    command->add_flag("-q,--quiet", ui->hideSuccess, "Print nothing on success");
    command->footer("The image must be of the model: its size, and the model a GX5 family image "
                    "names, are checked.\n\nExample:\n  vdcps import-bin GX5 radio.bin -o "
                    "radio.vdcps");
    command->callback([ui, options] {
        CheckOutputPaths({options->output}, {ui->openFile}, options->force);
        ui->showProgress = false; // the image decodes in a moment; only its result matters
        CValdrenCpsDoc doc(*ui);
        NewDocumentOrThrow(doc, ui->model, "");
        if (!doc.ReadBinfile()) {
            ThrowUnlessSucceeded(doc.LastResult(), ui->refusal(), "importing the image",
                                 ui->heldMessage());
        }
        SaveProjectOrThrow(*doc.Control(), options->output);
    });
}

} // namespace vd::cli
