// The channel list of a full GX5 (1027 channels) as a table: every cell's text, a sort, a
// filter, a paste of 1000 rows and the CSV export and import, against their targets.
#include "document/ListOrder.h"
#include "document/ListRows.h"
#include "document/ListTable.h"
#include "document/ProjectFile.h"
#include "document/UndoJournal.h"
#include "model/CommonCpsControl.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <fmt/format.h>
#include <functional>
#include <sys/resource.h>

namespace {

constexpr std::size_t kChannels = 1027;
constexpr std::size_t kPastedRows = 1000;

/// A GX5 project with every channel in use, each on a frequency of its own, and its table
/// texts: two versions of 1000 rows that differ in every frequency, so that each paste or
/// import changes the records.
struct FullProject {
    FullProject() {
        control = vd::ProjectFile::New("GX5");
        if (!control) {
            throw std::runtime_error("the GX5 template cannot be loaded");
        }
        std::vector<std::string> ids;
        dynamic_cast<vd::CommonCpsControl&>(*control).ResizeRecordList("ChannelName", kChannels,
                                                                       ids);
        channels = vd::FindListChapter(*control, "")->id;
        vd::ListTable table(*control, channels);
        const std::size_t rx = *table.ColumnOf("RxFrequency");
        for (std::size_t i = 3; i < ids.size(); ++i) {
            // spread over the VHF band in an order that is not the list's
            const long long hertz = 136000000 + static_cast<long long>((i * 7919) % 3800) * 10000;
            table.SetCellText(ids[i], 0, fmt::format("CH{}", i - 2));
            table.SetCellText(ids[i], rx, std::to_string(hertz));
        }
        for (int version = 0; version < 2; ++version) {
            vd::TextTable rows = vd::ExportRows(*control, channels, {});
            rows.rows.erase(rows.rows.begin(), rows.rows.begin() + 3); // not the VFOs
            rows.rows.resize(kPastedRows);
            for (std::size_t r = 0; r < rows.rows.size(); ++r) {
                rows.rows[r][1] = fmt::format("{}.{:06d}", 400 + version, r * 125);
            }
            pasted[version] = vd::TsvText(rows);
        }
        selection.assign(ids.begin() + 3, ids.begin() + 3 + kPastedRows);
        journal.Reset(control->ValueStore());
    }

    std::unique_ptr<vd::HamCpsControl> control;
    std::string channels;
    std::string pasted[2]; ///< tab-separated text with a header row
    std::vector<std::string> selection;
    /// The document's history, as the desktop program keeps it.
    vd::UndoJournal journal;
    int turn = 0;
};

FullProject& Project() {
    static FullProject project;
    return project;
}

/// Every cell's display text, as the table shows them.
std::vector<std::vector<std::string>> Cells(FullProject& p) {
    const vd::ListTable table(*p.control, p.channels);
    std::vector<std::vector<std::string>> cells;
    cells.reserve(table.RecordIds().size());
    for (const std::string& id : table.RecordIds()) {
        std::vector<std::string>& row = cells.emplace_back();
        for (std::size_t column = 0; column < table.Columns().size(); ++column) {
            row.push_back(table.CellText(id, column));
        }
    }
    return cells;
}

void ShowTable(FullProject& p) {
    benchmark::DoNotOptimize(Cells(p));
}

void Sort(FullProject& p) {
    vd::SortRecords(*p.control, p.channels, 1, (p.turn++ % 2) == 0);
}

void Filter(FullProject& p) {
    static const std::vector<std::vector<std::string>> cells = Cells(p);
    std::size_t shown = 0;
    for (const std::vector<std::string>& row : cells) {
        shown += std::any_of(row.begin(), row.end(), [](const std::string& cell) {
            return cell.find("151.5") != std::string::npos;
        });
    }
    benchmark::DoNotOptimize(shown);
}

void Paste(FullProject& p) {
    const vd::TextTable rows = vd::ParseTsv(p.pasted[p.turn++ % 2]);
    benchmark::DoNotOptimize(vd::ApplyRows(*p.control, p.channels, rows,
                                           vd::RowPlacement::ReplaceRecords, p.selection,
                                           vd::RowFaults::SkipFaults));
    // the paste becomes one step of the history, as in the desktop program
    p.journal.Record("Paste");
}

/// One typed value and the undo step it becomes: the journal compares the whole document.
void EditCell(FullProject& p) {
    vd::ListTable table(*p.control, p.channels);
    table.SetCellText(p.selection.front(), 0, fmt::format("Edit{}", p.turn++ % 100));
    p.journal.Record("Edit Channel name");
}

void UndoPaste(FullProject& p) {
    if (p.journal.UndoName() != "Paste") {
        throw std::logic_error("the last step is not the paste");
    }
    p.journal.Undo();
}

void ExportCsv(FullProject& p) {
    benchmark::DoNotOptimize(vd::CsvText(vd::ExportRows(*p.control, p.channels, {})));
}

void ImportCsv(FullProject& p) {
    static const std::string csv[2] = {vd::CsvText(vd::ExportRows(*p.control, p.channels, {})),
                                       vd::CsvText(vd::ParseTsv(p.pasted[1]))};
    const vd::TextTable rows = vd::ParseCsvTable(csv[p.turn++ % 2]);
    benchmark::DoNotOptimize(vd::ApplyRows(*p.control, p.channels, rows,
                                           vd::RowPlacement::ReplaceList, {},
                                           vd::RowFaults::AllOrNothing));
}

struct Operation {
    const char* name;
    std::function<void(FullProject&)> run;
    double targetMs;
    std::function<void(FullProject&)> prepare = nullptr; ///< untimed, before each run
};

const std::vector<Operation>& Operations() {
    static const std::vector<Operation> operations = {
        {"table: every cell's text", ShowTable, 200},
        {"sort by receive frequency", Sort, 50},
        {"filter: a text in any cell", Filter, 50},
        {"paste 1000 rows", Paste, 2000},
        {"undo the paste", UndoPaste, 500, Paste},
        {"edit a cell, with its undo step", EditCell, 50},
        {"export-csv", ExportCsv, 300},
        {"import-csv (replace the list)", ImportCsv, 300},
    };
    return operations;
}

double MedianMs(const Operation& operation) {
    std::vector<double> samples;
    for (int i = 0; i < 7; ++i) {
        if (operation.prepare) {
            operation.prepare(Project());
        }
        const auto start = std::chrono::steady_clock::now();
        operation.run(Project());
        samples.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    for (const Operation& operation : Operations()) {
        benchmark::RegisterBenchmark(operation.name, [&operation](benchmark::State& state) {
            for (auto _ : state) {
                if (operation.prepare) {
                    state.PauseTiming();
                    operation.prepare(Project());
                    state.ResumeTiming();
                }
                operation.run(Project());
            }
        })->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::printf("\n%-32s %12s %12s %8s\n", "operation (1027 channels)", "median (ms)",
                "target (ms)", "");
    for (const Operation& operation : Operations()) {
        const double ms = MedianMs(operation);
        std::printf("%-32s %12.1f %12.0f %8s\n", operation.name, ms, operation.targetMs,
                    ms < operation.targetMs ? "met" : "MISSED");
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory: %.1f MB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
    benchmark::Shutdown();
    return 0;
}
