#include "cli/CliSupport.h"
#include "cli/OutputPaths.h"
#include "cli/TerminalUi.h"
#include "document/ImageFile.h"

#include <filesystem>
#include <memory>

namespace vd::cli {

namespace {

struct ReadOptions {
    std::string output;
    std::string saveBin;
    bool force = false;
};

} // namespace

void AddReadCommand(CLI::App& app) {
    auto ui = std::make_shared<TerminalUi>();
    auto options = std::make_shared<ReadOptions>();
    CLI::App* command = app.add_subcommand("read", "Read a radio into a new project file.");
    command->add_option("MODEL", ui->model, "Model name (see 'vdcps models')")->required();
    command->add_option("-p,--port", ui->port, "Serial device (/dev/ttyUSB0, a pty path, or COMn)")
        ->required();
    command->add_option("-o,--output", options->output, "Project file to write (.vdcps)")
        ->required();
    command->add_option("--password", ui->password, "Read password, when the radio asks for one");
    command->add_option("--save-bin", options->saveBin, "Also save the raw memory image here");
    command->add_flag("--force", options->force, "Replace existing output files");
    command->add_flag("-q,--quiet", ui->quiet, "No progress output");
    AddFastOption(*command);
    command->footer(
        "The output files are checked before the radio is read, and written only when the "
        "whole radio was read and decoded.\n\n"
        "Example:\n  vdcps read GX5 --port /dev/ttyUSB0 -o my-radio.vdcps");
    command->callback([ui, options] {
        CheckOutputPaths({options->output, options->saveBin}, {}, options->force);
        CValdrenCpsDoc doc(*ui);
        NewDocumentOrThrow(doc, ui->model, ui->port);
        doc.ReadDevice();
        ThrowUnlessSucceeded(doc.LastResult(), ui->refusal(), "reading the radio");
        // the image first: a project without the image asked for would be half the result
        std::error_code error;
        const bool binExisted =
            !options->saveBin.empty() && std::filesystem::exists(options->saveBin, error);
        if (!options->saveBin.empty()) {
            WriteImageFile(options->saveBin, doc.LastReadImage());
        }
        try {
            SaveProjectOrThrow(*doc.Control(), options->output);
        } catch (const CliError&) {
            if (!options->saveBin.empty() && !binExisted) {
                std::filesystem::remove(options->saveBin, error);
            }
            throw;
        }
    });
}

} // namespace vd::cli
