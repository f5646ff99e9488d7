#pragma once
#include "document/IUserInterface.h"

#include <QPointer>
#include <QWidget>

namespace vd {

class IChildFrame;

/// The desktop program's answers to a document's questions: the chooser, password, option,
/// file and progress dialogs, the message box, and the output pane and function tree of the
/// document's window.
class QtUserInterface : public IUserInterface {
public:
    /// Dialogs are centred over dialogParent (the main window); frame is the document's
    /// window, whose output pane and tree the document's operations update.
    QtUserInterface(QWidget* dialogParent, IChildFrame* frame);

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
    void ImageImported() override;

private:
    QWidget* Parent() const;

    QPointer<QWidget> dialogParent_;
    IChildFrame* frame_;
};

} // namespace vd
