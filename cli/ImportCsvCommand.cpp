#include "cli/CliSupport.h"
#include "document/CsvTable.h"
#include "document/ForeignChannelCsv.h"
#include "document/ListRows.h"

#include <fmt/format.h>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

namespace vd::cli {

namespace {

struct ImportCsvOptions {
    std::string project;
    std::string file;
    std::string list;
    bool append = false;
};

void PrintRowProblems(const std::vector<RowProblem>& problems) {
    for (const RowProblem& problem : problems) {
        if (problem.row == 0) {
            std::cerr << fmt::format("header, {}: {}\n", problem.field, problem.message);
        } else {
            std::cerr << fmt::format("row {}, {}: {}\n", problem.row, problem.field,
                                     problem.message);
        }
    }
}

TextTable ReadTable(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (!in || !(text << in.rdbuf())) {
        throw CliError(kDataError, path + ": cannot be read");
    }
    try {
        return ParseCsvTable(text.str());
    } catch (const CsvFormatError& e) {
        throw CliError(kDataError, path + ": " + e.what());
    }
}

} // namespace

void AddImportCsvCommand(CLI::App& app) {
    auto options = std::make_shared<ImportCsvOptions>();
    CLI::App* command = app.add_subcommand(
        "import-csv", "Replace (or extend) a list's records by the rows of a CSV file.");
    command->add_option("FILE", options->project, "Project file (.vdcps)")->required();
    command->add_option("CSV", options->file, "CSV file with a header row")->required();
    command->add_option("--list", options->list,
                        "List by name or display text (default: the channels)");
    command->add_flag("--append", options->append, "Add the rows after the list's records");
    command->footer(
        "All or nothing: any value the model refuses is listed as 'row N, FIELD: message' and "
        "the project stays as it was (exit 3). Columns are field names or display texts; "
        "missing columns take the values of a new record. The channel CSV of other "
        "programming tools (Location,Name,Frequency,Duplex,Offset,Tone,...) is taken too."
        "\n\nExample:\n  vdcps import-csv radio.vdcps channels.csv --append");
    command->callback([options] {
        std::unique_ptr<HamCpsControl> control = OpenProjectOrThrow(options->project);
        const HamCpsChapter list = ListChapterOrThrow(*control, options->list);
        TextTable table = ReadTable(options->file);
        if (IsForeignChannelCsv(table)) {
            ForeignChannels foreign = ConvertForeignChannels(*control, list.id, table);
            if (!foreign.ignoredColumns.empty()) {
                std::cout << fmt::format("ignored columns: {}\n",
                                         fmt::join(foreign.ignoredColumns, ", "));
            }
            if (!foreign.problems.empty()) {
                PrintRowProblems(foreign.problems);
                throw CliError(kDataError, options->file + ": nothing was imported");
            }
            table = std::move(foreign.table);
        }
        const RowsOutcome outcome =
            ApplyRows(*control, list.id, table,
                      options->append ? RowPlacement::Append : RowPlacement::ReplaceList, {},
                      RowFaults::AllOrNothing);
        if (!outcome.applied || !outcome.problems.empty()) {
            PrintRowProblems(outcome.problems);
            throw CliError(kDataError, options->file + ": nothing was imported");
        }
        SaveProjectOrThrow(*control, options->project);
        if (outcome.clearedReferences != 0) {
            std::cout << fmt::format(
                "cleared {} references to the records the file no longer has\n",
                outcome.clearedReferences);
        }
        std::cout << fmt::format("imported {} records into {}\n", outcome.recordIds.size(),
                                 list.text);
    });
}

} // namespace vd::cli
