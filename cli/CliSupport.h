#pragma once
#include "document/CValdrenCpsDoc.h"
#include "model/HamCpsControl.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <stdexcept>
#include <string>

namespace vd::cli {

/// Exit statuses of vdcps (listed in its --help).
enum ExitCode : int {
    kSuccess = 0,
    kChecksFailed = 1,  ///< vdcps doctor found a problem
    kDifferent = 1,     ///< vdcps diff: the two sides differ
    kProblemsFound = 1, ///< vdcps check found errors
    kUsageError = 2,    ///< wrong command line
    kDataError = 3,     ///< a file or value could not be used
    kDeviceError = 4,   ///< the serial port could not be used
    kRadioError = 5,    ///< the radio did not complete the operation
    kCancelled = 6,     ///< the user cancelled
};

/// A failure of a command: its message goes to standard error and the tool exits with code.
class CliError : public std::runtime_error {
public:
    CliError(ExitCode code, const std::string& message)
        : std::runtime_error(message), code_(code) {}
    /// The exit status.
    ExitCode code() const { return code_; }

private:
    ExitCode code_;
};

/// Opens a project file or throws a CliError that says why it could not be opened.
std::unique_ptr<HamCpsControl> OpenProjectOrThrow(const std::string& path);

/// Makes doc a new document of the model, or throws a CliError: a usage error for a model
/// name that is not known, a file error for a template that cannot be loaded.
void NewDocumentOrThrow(CValdrenCpsDoc& doc, const std::string& model, const std::string& port);

/// The list chapter `--list NAME` names (the channels for an empty name), or a usage error
/// that lists the lists there are.
HamCpsChapter ListChapterOrThrow(HamCpsControl& control, const std::string& name);

/// Saves a project atomically or throws a CliError.
void SaveProjectOrThrow(HamCpsControl& control, const std::string& path);

/// Throws the CliError that fits how a document operation ended (nothing on success);
/// `refusal` is the terminal's reason when it could not ask a question, `detail` the result
/// message that was not shown (quiet).
void ThrowUnlessSucceeded(OperationResult result, const std::string& refusal,
                          const std::string& what, const std::string& detail = "");

/// Adds `--fast` to a command that talks to a radio: the fast link for this run.
void AddFastOption(CLI::App& command);

/// Each command adds its subcommand and its handler to the tool.
void AddModelsCommand(CLI::App& app);
void AddNewCommand(CLI::App& app);
void AddInfoCommand(CLI::App& app);
void AddGetCommand(CLI::App& app);
void AddFieldsCommand(CLI::App& app);
void AddSetCommand(CLI::App& app);
void AddReadCommand(CLI::App& app);
void AddWriteCommand(CLI::App& app);
void AddImportBinCommand(CLI::App& app);
void AddExportBinCommand(CLI::App& app);
void AddPortsCommand(CLI::App& app);
void AddDetectCommand(CLI::App& app);
void AddDoctorCommand(CLI::App& app);
void AddRestoreCommand(CLI::App& app);
void AddDiffCommand(CLI::App& app);
void AddFleetCommand(CLI::App& app);
void AddExportCsvCommand(CLI::App& app);
void AddImportCsvCommand(CLI::App& app);

} // namespace vd::cli
