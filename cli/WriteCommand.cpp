#include "cli/CliSupport.h"
#include "cli/ProblemOutput.h"
#include "cli/TerminalUi.h"
#include "cli/WriteSafetyOptions.h"
#include "document/ProjectDiff.h"

#include <iostream>

#include <memory>

namespace vd::cli {

namespace {

struct WriteOptions {
    std::string project;
    std::optional<int> content;
    WriteSafety safety;
};

/// What a dry run found: the radio's values against those the write would leave there.
void PrintChanges(CValdrenCpsDoc& doc) {
    const std::string model = doc.Control()->GetModelName();
    const auto radio = DecodeImage(model, doc.LastWriteRadioImage());
    const auto planned = DecodeImage(model, doc.LastWritePlannedImage());
    if (!radio || !planned) {
        throw CliError(kDataError, "the radio's image could not be decoded to compare");
    }
    for (const Difference& difference : CompareConfigurations(*radio, *planned)) {
        std::cout << FormatDifference(difference) << '\n';
    }
}

} // namespace

void AddWriteCommand(CLI::App& app) {
    auto ui = std::make_shared<TerminalUi>();
    auto options = std::make_shared<WriteOptions>();
    CLI::App* command = app.add_subcommand("write", "Write a project file to a radio.");
    command->add_option("FILE", options->project, "Project file (.vdcps)")->required();
    command->add_option("-p,--port", ui->port, "Serial device (/dev/ttyUSB0, a pty path, or COMn)")
        ->required();
    command->add_option("--password", ui->password, "Write password, when the radio asks for one");
    command
        ->add_option("--content", options->content,
                     "GX5 family: image content variant 0-3 (default: Device/bin_struct_content)")
        ->check(CLI::Range(0, 3));
    AddWriteSafetyOptions(*command, options->safety);
    command->add_flag("--dry-run", options->safety.dryRun,
                      "Read the radio (saved as a backup), print what the write would change in "
                      "the form of 'vdcps diff', and write nothing");
    command->add_flag("--force", options->safety.writeFactoryData,
                      "Write a project that has errors, and write its factory values (serial "
                      "number, band limits, sales territory) instead of keeping the radio's");
    command->add_flag("-y,--yes", ui->assumeYes, "Do not ask \"Do you want to write it?\"");
    command->add_flag("-q,--quiet", ui->quiet, "No progress output");
    AddFastOption(*command);
    command->footer("The radio must be of the project's model. Without a terminal to ask, --yes is "
                    "needed. The radio is read and saved as a backup first, and read back after "
                    "the write to verify it.\n\nExample:\n  vdcps write my-radio.vdcps --port "
                    "/dev/ttyUSB0 --yes");
    AddProblemGateFlag(*command);
    command->callback([ui, options, command] {
        CValdrenCpsDoc doc(*ui);
        if (!doc.OnOpenDocument(options->project)) {
            OpenProjectOrThrow(options->project); // throws with the reason
        }
        CheckBeforeSending(*doc.Control(), *command, "written");
        doc.SetBinStructContent(options->content);
        doc.SetWriteSafety(options->safety);
        doc.OnEditWriteDevice();
        ThrowUnlessSucceeded(doc.LastResult(), ui->refusal(), "writing the radio");
        if (options->safety.dryRun) {
            PrintChanges(doc);
        }
    });
}

} // namespace vd::cli
