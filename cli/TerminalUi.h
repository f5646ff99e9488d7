#pragma once
#include "document/IUserInterface.h"

#include <optional>
#include <string>

namespace vd::cli {

/// Answers a document operation's questions from the command line's options and, where a
/// person sits at a terminal, by asking there. Progress goes to standard error: a one-line bar
/// on a terminal, plain "text position/total" lines otherwise, nothing when quiet.
class TerminalUi : public IUserInterface {
public:
    TerminalUi();
    ~TerminalUi() override;

    /// What the command line gives in place of the chooser and the file dialogs.
    std::string model;
    std::string port;
    std::string openFile;
    std::string saveFile;
    std::optional<std::string> password;
    bool assumeYes = false;
    /// No progress output.
    bool quiet = false;
    /// Progress output (off for operations that take a moment only).
    bool showProgress = true;
    /// No result message of a success (failures are still told).
    bool hideSuccess = false;

    /// Why the last question could not be answered (no terminal), or empty.
    const std::string& refusal() const { return refusal_; }
    /// The last result message that hideSuccess kept back, for the report of a failure.
    const std::string& heldMessage() const { return held_; }

    bool ChooseDevice(int mode, const std::string& presetModel, DeviceChoice& choice) override;
    bool AskText(const std::string& title, const std::string& prompt, std::string& text) override;
    bool AskYesNo(const std::string& question) override;
    void ShowMessage(const std::string& text, MessageStyle style) override;
    bool ChooseOpenFile(const std::string& extension, const std::string& filter,
                        std::string& path) override;
    bool ChooseSaveFile(const std::string& extension, const std::string& filter,
                        std::string& path) override;
    bool ShowPortOptions() override;
    std::unique_ptr<IProgressDisplay> CreateProgressDisplay() override;
    void AppendOutputLine(const std::string& line) override;
    void ImageImported() override {}
    /// "backup: PATH" on standard error, also when quiet.
    void BackupSaved(const std::string& path) override;

private:
    bool stderrIsTerminal_;
    std::string refusal_;
    std::string held_;
};

} // namespace vd::cli
