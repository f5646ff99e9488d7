#include "cli/CliSupport.h"
#include "cli/TerminalUi.h"
#include "cli/WriteSafetyOptions.h"
#include "document/BackupStore.h"
#include "document/ImageFile.h"
#include "document/WriteReach.h"
#include "model/Exceptions.h"

#include <memory>

namespace vd::cli {

namespace {

struct RestoreOptions {
    std::string backup;
    WriteSafety safety;
};

} // namespace

void AddRestoreCommand(CLI::App& app) {
    auto ui = std::make_shared<TerminalUi>();
    auto options = std::make_shared<RestoreOptions>();
    CLI::App* command =
        app.add_subcommand("restore", "Write a backup (a raw image) back to a radio as it is.");
    command->add_option("BACKUP", options->backup, "Raw image file (.bin), such as a backup")
        ->required()
        ->check(CLI::ExistingFile);
    command->add_option("-p,--port", ui->port, "Serial device (/dev/ttyUSB0, a pty path, or COMn)")
        ->required();
    command->add_option("--model", ui->model,
                        "Model of the image (default: from the file name, GX5-....bin)");
    command->add_option("--password", ui->password, "Password, when the radio asks for one");
    command->add_option("--backup-dir", options->safety.backupDir,
                        "Save the backup of the radio's present state here");
    command->add_flag_callback(
        "--no-verify", [options] { options->safety.verify = false; },
        "Do not read the radio back after writing to compare");
    command->add_flag("-y,--yes", ui->assumeYes, "Do not ask \"Do you want to write it?\"");
    command->add_flag("-q,--quiet", ui->quiet, "No progress output");
    AddFastOption(*command);
    command->footer(
        "The radio's present state is saved as a backup first, and the radio is read back after "
        "the write to verify it. Only the parts of the memory a write of the model reaches are "
        "written.\n\nExample:\n  vdcps restore backups/GX5-20240131-154501.bin --port "
        "/dev/ttyUSB0");
    command->callback([ui, options] {
        if (ui->model.empty()) {
            ui->model = BackupStore::ModelOfFileName(options->backup);
        }
        if (ui->model.empty()) {
            throw CliError(kUsageError,
                           options->backup + ": the file name names no model; give --model");
        }
        ByteVector image;
        try {
            image = ReadImageFile(options->backup);
        } catch (const ValdrenCpsException& e) {
            throw CliError(kDataError, e.what());
        }
        CValdrenCpsDoc doc(*ui);
        if (!doc.NewDocument(ui->model, ui->port)) {
            throw CliError(kUsageError, "unknown model or unreadable template: " + ui->model);
        }
        // the size is checked before the port is opened
        const std::string problem = ImageSizeProblem(*doc.Control(), image.size());
        if (!problem.empty()) {
            throw CliError(kDataError, options->backup + ": " + problem);
        }
        doc.SetWriteSafety(options->safety);
        doc.RestoreImage(image);
        ThrowUnlessSucceeded(doc.LastResult(), ui->refusal(), "restoring the radio");
    });
}

} // namespace vd::cli
