// vdcps fleet: one project to several radios at once, each with its own values.
#include "cli/CliSupport.h"
#include "cli/ProblemOutput.h"
#include "cli/TerminalUi.h"
#include "cli/WriteSafetyOptions.h"
#include "document/FleetRun.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <fmt/format.h>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <mutex>
#include <sstream>
#include <unistd.h>

namespace vd::cli {

namespace {

struct FleetOptions {
    std::string project;
    std::vector<std::string> ports;
    std::string vary;
    std::string report;
    FleetRun::Options run;
};

std::atomic<FleetRun*> runningFleet{nullptr};

extern "C" void CancelFleet(int) {
    if (FleetRun* run = runningFleet.load()) {
        run->Cancel();
    }
}

/// The targets: the --vary rows, in the order of --port when ports are given too.
std::vector<FleetTarget> Targets(const FleetOptions& options) {
    std::vector<FleetTarget> rows;
    if (!options.vary.empty()) {
        std::ifstream in(options.vary, std::ios::binary);
        if (!in) {
            throw CliError(kDataError, "cannot read " + options.vary);
        }
        std::stringstream text;
        text << in.rdbuf();
        try {
            rows = FleetTargetsFromCsv(ParseCsv(text.str()));
        } catch (const std::exception& e) {
            throw CliError(kDataError, options.vary + ": " + e.what());
        }
    }
    if (options.ports.empty()) {
        return rows;
    }
    std::map<std::string, FleetTarget> byPort;
    for (FleetTarget& row : rows) {
        byPort.emplace(row.port, std::move(row));
    }
    std::vector<FleetTarget> targets;
    for (const std::string& port : options.ports) {
        auto found = byPort.find(port);
        targets.push_back(found == byPort.end() ? FleetTarget{port, {}} : found->second);
        if (found != byPort.end()) {
            byPort.erase(found);
        }
    }
    if (!byPort.empty()) {
        throw CliError(kDataError, options.vary + ": port " + byPort.begin()->first +
                                       " has values but is not among the --port options");
    }
    return targets;
}

/// One port's progress on standard error: a bar per port redrawn in place on a terminal,
/// otherwise a plain line whenever a port's step or quarter of progress changes.
class FleetProgressLines {
public:
    FleetProgressLines(std::vector<std::string> ports, bool terminal, bool quiet)
        : ports_(std::move(ports)), lines_(ports_.size()), last_(ports_.size(), -1),
          terminal_(terminal), quiet_(quiet) {}

    void Show(std::size_t index, const std::string& text, int percent) {
        if (quiet_) {
            return;
        }
        const std::lock_guard<std::mutex> lock(mutex_);
        const std::string line = fmt::format("{}: {} {}%", ports_[index], text, percent);
        if (!terminal_) {
            const int key = percent / 25;
            if (line.substr(0, line.rfind(' ')) !=
                    lines_[index].substr(0, lines_[index].rfind(' ')) ||
                key != last_[index]) {
                std::cerr << line << '\n';
                last_[index] = key;
            }
            lines_[index] = line;
            return;
        }
        lines_[index] =
            fmt::format("{:<24} [{:<20}] {:3}% {}", ports_[index],
                        std::string(static_cast<std::size_t>(percent) / 5, '#'), percent, text);
        if (drawn_) {
            std::cerr << fmt::format("\033[{}A", lines_.size());
        }
        for (const std::string& each : lines_) {
            std::cerr << '\r' << each << "\033[K\n";
        }
        std::cerr << std::flush;
        drawn_ = true;
    }

private:
    std::vector<std::string> ports_;
    std::vector<std::string> lines_;
    std::vector<int> last_;
    bool terminal_;
    bool quiet_;
    bool drawn_ = false;
    std::mutex mutex_;
};

void WriteReport(const std::string& path, const std::vector<FleetTarget>& targets,
                 const std::vector<FleetPortResult>& results, bool verified) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << FleetReportCsv(targets, results, verified);
    if (!out.flush()) {
        throw CliError(kDataError, "cannot write the report " + path);
    }
}

void RunFleet(FleetOptions& options, TerminalUi& ui) {
    const std::vector<FleetTarget> targets = Targets(options);
    if (targets.empty()) {
        throw CliError(kUsageError, "name the radios with --port or a --vary table");
    }
    std::unique_ptr<FleetRun> run;
    try {
        run = std::make_unique<FleetRun>(options.project, targets, options.run);
    } catch (const FleetSetupError& e) {
        throw CliError(kDataError, std::string(e.what()) + "; no radio was written");
    }
    if (!ui.AskYesNo(fmt::format("Write {} to {} radios?", options.project, targets.size()))) {
        throw CliError(kCancelled, ui.refusal());
    }
    std::vector<std::string> ports;
    for (const FleetTarget& target : targets) {
        ports.push_back(target.port);
    }
    FleetProgressLines lines(ports, ::isatty(STDERR_FILENO) == 1, ui.quiet);
    runningFleet = run.get();
    std::signal(SIGINT, CancelFleet);
    const std::vector<FleetPortResult> results =
        run->Run([&lines](std::size_t index, const std::string& text, int percent) {
            lines.Show(index, text, percent);
        });
    std::signal(SIGINT, SIG_DFL);
    runningFleet = nullptr;

    for (const FleetPortResult& result : results) {
        if (!result.backupPath.empty()) {
            // as every writing command does, also when quiet
            std::cerr << "backup: " << result.backupPath << '\n';
        }
    }
    const bool verified = run->Verifies();
    std::size_t portWidth = 4;
    std::size_t resultWidth = 6;
    std::size_t backupWidth = 6;
    for (const FleetPortResult& result : results) {
        portWidth = std::max(portWidth, result.port.size());
        resultWidth = std::max(resultWidth, FleetResultText(result, verified).size());
        backupWidth = std::max(backupWidth, result.backupPath.size());
    }
    std::cout << fmt::format("{:<{}}  {:<{}}  {:<{}}  {}\n", "PORT", portWidth, "RESULT",
                             resultWidth, "BACKUP", backupWidth, "TIME");
    bool failed = false;
    bool cancelled = false;
    for (const FleetPortResult& result : results) {
        std::cout << fmt::format("{:<{}}  {:<{}}  {:<{}}  {:.1f} s\n", result.port, portWidth,
                                 FleetResultText(result, verified), resultWidth,
                                 result.backupPath.empty() ? "-" : result.backupPath, backupWidth,
                                 result.elapsedMs / 1000.0);
        failed = failed || (result.result != OperationResult::Success &&
                            result.result != OperationResult::Cancelled);
        cancelled = cancelled || result.result == OperationResult::Cancelled;
    }
    if (!options.report.empty()) {
        WriteReport(options.report, targets, results, verified);
    }
    if (failed) {
        throw CliError(kRadioError, "");
    }
    if (cancelled) {
        throw CliError(kCancelled, "");
    }
}

} // namespace

void AddFleetCommand(CLI::App& app) {
    auto ui = std::make_shared<TerminalUi>();
    auto options = std::make_shared<FleetOptions>();
    CLI::App* command = app.add_subcommand(
        "fleet", "Write one project to several radios at once, each with its own values.");
    command->add_option("FILE", options->project, "Project file (.vdcps)")->required();
    command->add_option("-p,--port", options->ports, "A radio's serial device (give it per radio)");
    command->add_option("--vary", options->vary,
                        "CSV: a header 'port,SELECTOR,...' (selectors of 'vdcps set') and one row "
                        "of values per port");
    command->add_option("--report", options->report, "Also write the summary as CSV to FILE");
    command->add_option("--password", options->run.password,
                        "Write password, when the radios ask for one");
    command->add_option(
        "--content", options->run.content,
        "GX5 family: image content variant 0-3 (default: Device/bin_struct_content)");
    AddWriteSafetyOptions(*command, options->run.safety);
    command->add_flag("--force", options->run.safety.writeFactoryData,
                      "Write a project that has errors, and write its factory values instead of "
                      "keeping each radio's");
    command->add_flag("-y,--yes", ui->assumeYes, "Do not ask before writing");
    command->add_flag("-q,--quiet", ui->quiet, "No progress output");
    AddFastOption(*command);
    command->footer("Every radio is backed up and verified on its own; one that fails does not "
                    "stop the others. Exit status 0 when all were written, 5 when any failed, 3 "
                    "when a --vary row is refused (before any port is opened).\n\nExample:\n  "
                    "vdcps fleet plan.vdcps --port /dev/ttyUSB0 --port /dev/ttyUSB1 --vary "
                    "ids.csv --yes");
    command->callback([ui, options, command] {
        // the whole project is held to the model's rules before any port is opened
        CheckBeforeSending(*OpenProjectOrThrow(options->project), *command, "written");
        RunFleet(*options, *ui);
    });
}

} // namespace vd::cli
