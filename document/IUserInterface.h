#pragma once
#include <memory>
#include <string>

namespace vd {

/// How a result message is shown. `Default` is "no icon given": the message routine then
/// shows it as a warning.
enum class MessageStyle { Information, Warning, Error, Question, Default };

/// What the person chose in the model and port chooser.
struct DeviceChoice {
    std::string model; ///< model name as registered ("GX5")
    std::string port;  ///< port setting: a COM number text ("11") or a device path
};

/// The progress display of one operation (a dialog with Cancel, or a line on a terminal).
class IProgressDisplay {
public:
    virtual ~IProgressDisplay() = default;
    /// Shows the text; with pump, lets the person act meanwhile (repaint, press Cancel).
    /// Returns true when the person asked to cancel.
    virtual bool Show(const std::string& text, bool pump) = 0;
};

/// Everything a document operation asks of a person. The desktop program answers with
/// dialogs, vdcps with the terminal and its options, tests with a script.
class IUserInterface {
public:
    virtual ~IUserInterface() = default;

    /// The model and port chooser; mode 0 new, 1 read, 2 write (port only, model preset).
    /// False when cancelled.
    virtual bool ChooseDevice(int mode, const std::string& presetModel, DeviceChoice& choice) = 0;
    /// Asks for a password; false when cancelled.
    virtual bool AskText(const std::string& title, const std::string& prompt,
                         std::string& text) = 0;
    /// Asks a yes/no question.
    virtual bool AskYesNo(const std::string& question) = 0;
    /// Shows a result message.
    virtual void ShowMessage(const std::string& text, MessageStyle style) = 0;
    /// Asks for a file to read ("bin" files); false when cancelled.
    virtual bool ChooseOpenFile(const std::string& extension, const std::string& filter,
                                std::string& path) = 0;
    /// Asks for a file to write; false when cancelled.
    virtual bool ChooseSaveFile(const std::string& extension, const std::string& filter,
                                std::string& path) = 0;
    /// The port option dialog; false when cancelled.
    virtual bool ShowPortOptions() = 0;
    /// A fresh progress display for one operation.
    virtual std::unique_ptr<IProgressDisplay> CreateProgressDisplay() = 0;
    /// Appends a line to the output list of the document's window, if it has one.
    virtual void AppendOutputLine(const std::string& line) = 0;
    /// The document's values were replaced by an imported image: rebuild what shows them.
    virtual void ImageImported() = 0;
    /// A backup of the radio's memory was saved before a write: tell the person where.
    virtual void BackupSaved(const std::string& path) { AppendOutputLine("backup: " + path); }
};

} // namespace vd
