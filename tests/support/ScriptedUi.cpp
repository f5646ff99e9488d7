#include "tests/support/ScriptedUi.h"

namespace vdtest {

namespace {

class ScriptedProgress : public vd::IProgressDisplay {
public:
    explicit ScriptedProgress(ScriptedUi& ui) : ui_(ui) {}
    bool Show(const std::string& text, bool) override {
        ui_.progressTexts.push_back(text);
        if (text.rfind(ui_.cancelPrefix, 0) == 0) {
            ++counted_;
        }
        return ui_.cancelAtProgress > 0 && counted_ >= ui_.cancelAtProgress;
    }

private:
    ScriptedUi& ui_;
    int counted_ = 0;
};

} // namespace

bool ScriptedUi::ChooseDevice(int mode, const std::string& presetModel, vd::DeviceChoice& choice) {
    chooserModes.push_back(mode);
    chooserPresets.push_back(presetModel);
    if (!chooserAccepts) {
        return false;
    }
    choice = device;
    return true;
}

bool ScriptedUi::AskText(const std::string&, const std::string& prompt, std::string& text) {
    ++passwordPrompts;
    questions.push_back(prompt);
    if (!password) {
        return false;
    }
    text = *password;
    return true;
}

bool ScriptedUi::AskYesNo(const std::string& question) {
    questions.push_back(question);
    return confirm;
}

void ScriptedUi::ShowMessage(const std::string& text, vd::MessageStyle style) {
    messages.push_back({text, style});
}

bool ScriptedUi::ChooseOpenFile(const std::string&, const std::string&, std::string& path) {
    path = openFile;
    return !path.empty();
}

bool ScriptedUi::ChooseSaveFile(const std::string&, const std::string&, std::string& path) {
    path = saveFile;
    return !path.empty();
}

std::unique_ptr<vd::IProgressDisplay> ScriptedUi::CreateProgressDisplay() {
    return std::make_unique<ScriptedProgress>(*this);
}

} // namespace vdtest
