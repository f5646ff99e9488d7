#pragma once
#include "document/ProjectCheck.h"

#include <CLI/CLI.hpp>
#include <ostream>
#include <string>
#include <vector>

namespace vd::cli {

/// One line per problem, "error SELECTOR: message" or "warning SELECTOR: message", in the
/// current language.
void PrintProblemLines(std::ostream& out, const std::vector<Problem>& problems);

/// The problems as a JSON array of objects (severity, id, field, selector, path, message).
void PrintProblemJson(std::ostream& out, const std::vector<Problem>& problems);

/// "N errors, M warnings".
std::string ProblemSummary(const std::vector<Problem>& problems);

/// Gives a command that sends a project somewhere (a radio, a file) its "--force" flag,
/// unless it has one already; call it after the command's other options.
void AddProblemGateFlag(CLI::App& command);

/// The check in front of a write: prints the project's problems to standard error and
/// throws CliError (exit 3) when there are errors and the command was not given --force.
/// Warnings never stop it.
void CheckBeforeSending(HamCpsControl& control, const CLI::App& command, const std::string& what);

/// The `vdcps check` command.
void AddCheckCommand(CLI::App& app);

} // namespace vd::cli
