#include "cli/ProblemOutput.h"

#include "app/LanguageCode.h"
#include "cli/CliSupport.h"

#include <fmt/format.h>
#include <iostream>

namespace vd::cli {

namespace {

std::string JsonText(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += fmt::format("\\u{:04x}", byte);
        } else {
            out += c; // UTF-8 stays as it is
        }
    }
    return out + "\"";
}

} // namespace

void PrintProblemLines(std::ostream& out, const std::vector<Problem>& problems) {
    const std::string language = CurrentLanguageCode();
    for (const Problem& problem : problems) {
        out << problem.SeverityWord() << ' ' << problem.selector << ": "
            << problem.Message(language) << '\n';
    }
}

void PrintProblemJson(std::ostream& out, const std::vector<Problem>& problems) {
    const std::string language = CurrentLanguageCode();
    out << "[";
    for (size_t i = 0; i < problems.size(); ++i) {
        const Problem& problem = problems[i];
        out << (i == 0 ? "\n" : ",\n")
            << fmt::format("  {{\"severity\": {}, \"id\": {}, \"field\": {}, \"selector\": {}, "
                           "\"path\": {}, \"message\": {}}}",
                           JsonText(problem.SeverityWord()), JsonText(problem.id),
                           JsonText(problem.fieldId), JsonText(problem.selector),
                           JsonText(problem.path), JsonText(problem.Message(language)));
    }
    out << (problems.empty() ? "]\n" : "\n]\n");
}

std::string ProblemSummary(const std::vector<Problem>& problems) {
    return fmt::format("{} errors, {} warnings", CountProblems(problems, Severity::Error),
                       CountProblems(problems, Severity::Warning));
}

void AddProblemGateFlag(CLI::App& command) {
    if (command.get_option_no_throw("--force") == nullptr) {
        static const std::string description = "Go on even when the project check finds errors";
        command.add_flag("--force", description);
    }
}

void CheckBeforeSending(HamCpsControl& control, const CLI::App& command, const std::string& what) {
    const std::vector<Problem> problems = CheckProject(control);
    if (problems.empty()) {
        return;
    }
    PrintProblemLines(std::cerr, problems);
    const size_t errors = CountProblems(problems, Severity::Error);
    if (errors > 0 && command.count("--force") == 0) {
        throw CliError(kDataError,
                       fmt::format("{}: nothing was {} (run `vdcps check`, or use --force to go "
                                   "on anyway)",
                                   ProblemSummary(problems), what));
    }
}

void AddCheckCommand(CLI::App& app) {
    auto project = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    CLI::App* command = app.add_subcommand(
        "check", "Check a whole project against its radio's rules before it is written.");
    command->add_option("FILE", *project, "Project file (.vdcps)")->required();
    command->add_flag("--json", *json, "Print the problems as JSON");
    command->footer(
        "Prints one line per problem (\"error SELECTOR: message\" or \"warning SELECTOR: "
        "message\") and a summary. Exit status 0 without errors (warnings allowed), 1 with "
        "errors, 3 when the file cannot be checked.\n\nExample:\n  vdcps check my-radio.vdcps");
    command->callback([project, json] {
        std::unique_ptr<HamCpsControl> control = OpenProjectOrThrow(*project);
        const std::vector<Problem> problems = CheckProject(*control);
        if (*json) {
            PrintProblemJson(std::cout, problems);
        } else {
            PrintProblemLines(std::cout, problems);
            std::cout << ProblemSummary(problems) << '\n';
        }
        std::cout.flush();
        if (CountProblems(problems, Severity::Error) > 0) {
            throw CliError(kProblemsFound, fmt::format("the project has {} errors",
                                                       CountProblems(problems, Severity::Error)));
        }
    });
}

} // namespace vd::cli
