#include "cli/CliSupport.h"
#include "cli/OutputPaths.h"
#include "cli/ProblemOutput.h"
#include "cli/TerminalUi.h"
#include "document/ImageFile.h"
#include "model/Exceptions.h"

#include <memory>

namespace vd::cli {

namespace {

struct ExportOptions {
    std::string project;
    std::string output;
    int content = 3;
    bool force = false;
};

} // namespace

void AddExportBinCommand(CLI::App& app) {
    auto ui = std::make_shared<TerminalUi>();
    auto options = std::make_shared<ExportOptions>();
    CLI::App* command =
        app.add_subcommand("export-bin", "Build a project's raw memory image into a file.");
    command->add_option("FILE", options->project, "Project file (.vdcps)")->required();
    command->add_option("-o,--output", options->output, "Raw image file to write (.bin)")
        ->required();
    command
        ->add_option("--content", options->content,
                     "GX5 family: content variant 0 (52404 bytes), 1 (55070), 2 (63418), 3 "
                     "(65466, the default)")
        ->check(CLI::Range(0, 3));
    command->add_flag("--force", options->force,
                      "Replace an existing file, and export a project that has errors");
    command->footer("Example:\n  vdcps export-bin radio.vdcps -o radio.bin");
    AddProblemGateFlag(*command);
    command->callback([ui, options, command] {
        CheckOutputPaths({options->output}, {options->project}, options->force);
        ui->quiet = true;
        CValdrenCpsDoc doc(*ui);
        if (!doc.OnOpenDocument(options->project)) {
            OpenProjectOrThrow(options->project); // throws with the reason
        }
        CheckBeforeSending(*doc.Control(), *command, "exported");
        ByteVector image;
        try {
            doc.generate_bin_struct(image, options->content);
        } catch (const ValdrenCpsException& e) {
            throw CliError(e.kind() == FailureKind::Cancelled ? kCancelled : kDataError, e.what());
        }
        WriteImageFile(options->output, image);
    });
}

} // namespace vd::cli
