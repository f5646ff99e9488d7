#pragma once
#include "document/IUserInterface.h"

#include <optional>
#include <string>
#include <vector>

namespace vdtest {

/// A person who answers every question of a document operation from a script and
/// remembers everything shown to them.
class ScriptedUi : public vd::IUserInterface {
public:
    struct Message {
        std::string text;
        vd::MessageStyle style;
    };

    // answers
    vd::DeviceChoice device;             ///< what the chooser returns
    bool chooserAccepts = true;          ///< false: Cancel in the chooser
    std::optional<std::string> password; ///< nothing: Cancel in the password dialog
    bool confirm = true;                 ///< the answer to yes/no questions
    std::string openFile;                ///< empty: Cancel in the file dialog
    std::string saveFile;                ///< empty: Cancel in the file dialog
    int cancelAtProgress = -1;           ///< press Cancel at this progress step (counted from 1)
    std::string cancelPrefix;            ///< count only steps whose text starts with this

    // what the person saw
    std::vector<Message> messages;
    std::vector<std::string> questions;
    std::vector<std::string> outputLines;
    std::vector<std::string> progressTexts;
    std::vector<int> chooserModes;
    std::vector<std::string> chooserPresets;
    int passwordPrompts = 0;
    int imagesImported = 0;

    bool ChooseDevice(int mode, const std::string& presetModel, vd::DeviceChoice& choice) override;
    bool AskText(const std::string& title, const std::string& prompt, std::string& text) override;
    bool AskYesNo(const std::string& question) override;
    void ShowMessage(const std::string& text, vd::MessageStyle style) override;
    bool ChooseOpenFile(const std::string& extension, const std::string& filter,
                        std::string& path) override;
    bool ChooseSaveFile(const std::string& extension, const std::string& filter,
                        std::string& path) override;
    bool ShowPortOptions() override { return false; }
    std::unique_ptr<vd::IProgressDisplay> CreateProgressDisplay() override;
    void AppendOutputLine(const std::string& line) override { outputLines.push_back(line); }
    void ImageImported() override { ++imagesImported; }
};

} // namespace vdtest
