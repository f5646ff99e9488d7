#include "cli/CliSupport.h"
#include "cli/OutputPaths.h"
#include "document/ImageFile.h"
#include "document/ListRows.h"
#include "model/Exceptions.h"

#include <iostream>
#include <memory>

namespace vd::cli {

namespace {

struct ExportCsvOptions {
    std::string project;
    std::string output;
    std::string list;
    bool force = false;
};

} // namespace

void AddExportCsvCommand(CLI::App& app) {
    auto options = std::make_shared<ExportCsvOptions>();
    CLI::App* command =
        app.add_subcommand("export-csv", "Write the records of a list as CSV, one row each.");
    command->add_option("FILE", options->project, "Project file (.vdcps)")->required();
    command->add_option("-o,--output", options->output,
                        "CSV file to write (default: standard output)");
    command->add_option("--list", options->list,
                        "List by name or display text (default: the channels)");
    command->add_flag("--force", options->force, "Replace an existing file");
    command->footer("The header names the fields; values are in display form: frequencies in "
                    "MHz, choices by their English text, references by the record's name.\n\n"
                    "Example:\n  vdcps export-csv radio.vdcps -o channels.csv --list Channels");
    command->callback([options] {
        if (!options->output.empty()) {
            CheckOutputPaths({options->output}, {options->project}, options->force);
        }
        std::unique_ptr<HamCpsControl> control = OpenProjectOrThrow(options->project);
        const HamCpsChapter list = ListChapterOrThrow(*control, options->list);
        const std::string text = CsvText(ExportRows(*control, list.id, {}));
        if (options->output.empty()) {
            std::cout << text << std::flush;
            return;
        }
        try {
            WriteImageFile(options->output, ByteVector(text.begin(), text.end()));
        } catch (const ValdrenCpsException& e) {
            throw CliError(kDataError, e.what());
        }
    });
}

} // namespace vd::cli
