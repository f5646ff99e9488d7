#include "cli/CliSupport.h"
#include "cli/ProblemOutput.h"
#include "cli/TerminalUi.h"

#include <memory>

namespace vd::cli {

namespace {

struct WriteOptions {
    std::string project;
    std::optional<int> content;
};

} // namespace

void AddWriteCommand(CLI::App& app) {
    auto ui = std::make_shared<TerminalUi>();
    auto options = std::make_shared<WriteOptions>();
    CLI::App* command = app.add_subcommand("write", "Write a project file to a radio.");
    command->add_option("FILE", options->project, "Project file (.vdcps)")->required();
    command->add_option("-p,--port", ui->port, "Serial device (/dev/ttyUSB0, a pty path, or COMn)")
        ->required();
    command->add_option("--password", ui->password, "Write password, when the radio asks for one");
    command->add_option(
        "--content", options->content,
        "GX5 family: image content variant 0-3 (default: Device/bin_struct_content)");
    command->add_flag("-y,--yes", ui->assumeYes, "Do not ask \"Do you want to write it?\"");
    command->add_flag("-q,--quiet", ui->quiet, "No progress output");
    command->footer("The radio must be of the project's model. Without a terminal to ask, --yes is "
                    "needed.\n\nExample:\n  vdcps write my-radio.vdcps --port /dev/ttyUSB0 --yes");
    AddProblemGateFlag(*command);
    command->callback([ui, options, command] {
        CValdrenCpsDoc doc(*ui);
        if (!doc.OnOpenDocument(options->project)) {
            OpenProjectOrThrow(options->project); // throws with the reason
        }
        CheckBeforeSending(*doc.Control(), *command, "written");
        doc.SetBinStructContent(options->content);
        doc.OnEditWriteDevice();
        ThrowUnlessSucceeded(doc.LastResult(), ui->refusal(), "writing the radio");
    });
}

} // namespace vd::cli
