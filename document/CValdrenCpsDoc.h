#pragma once
#include "document/IUserInterface.h"
#include "document/ProjectDiff.h"
#include "document/UndoJournal.h"
#include "document/WriteSafety.h"
#include "model/HamCpsControl.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace vd {

class SafeWrite;

/// How the last operation of a document ended, for callers that report it themselves
/// (the command line turns it into its exit status).
enum class OperationResult { Success, Cancelled, DeviceError, RadioError, DataError };

/// One radio configuration and the operations on it: new, open, save, close, Read Device,
/// Write Device, Option, Read Bin File and Generate Bin File. It owns the model control for
/// its whole life and asks the person everything through an IUserInterface, so that the
/// desktop program and vdcps run the same code.
class CValdrenCpsDoc {
public:
    explicit CValdrenCpsDoc(IUserInterface& ui);
    ~CValdrenCpsDoc();
    CValdrenCpsDoc(const CValdrenCpsDoc&) = delete;
    CValdrenCpsDoc& operator=(const CValdrenCpsDoc&) = delete;

    /// A new document: the chooser (mode 0 for File New, 1 when a radio or an image file is
    /// read next) names the model, whose template gives the values. False when cancelled or
    /// the model cannot be loaded.
    bool OnNewDocument(int chooserMode);
    /// A new document of a known model and port, without asking (the command line).
    bool NewDocument(const std::string& modelName, const std::string& port);
    /// Opens a project file; false when it is not a project of a known model.
    bool OnOpenDocument(const std::string& path);
    /// Saves the project; false without a control or when the file cannot be written.
    bool OnSaveDocument(const std::string& path);
    /// Drops the control and its values.
    void OnCloseDocument();

    /// Reads the radio into this document; false when the read did not complete (the caller
    /// closes a document that was created for the read).
    bool ReadDevice();
    /// Writes this document to the radio after the person confirmed it: backed up and verified
    /// as SetWriteSafety says (a dry run reads the radio and writes nothing, without asking).
    void OnEditWriteDevice();
    /// Writes an image as it is (a backup) to a radio of this document's model, backed up and
    /// verified like every write, after the port chooser and the write question; the image
    /// must fit the model (ImageSizeProblem).
    void RestoreImage(const ByteVector& image);
    /// Reads the radio (saved as a backup, like the read before a write) and compares what it
    /// holds with this document, value by value; empty when they agree or the read failed
    /// (LastResult tells).
    std::vector<Difference> CompareWithDevice();
    /// How writes guard the radio from now on.
    void SetWriteSafety(const WriteSafety& safety) { writeSafety_ = safety; }
    /// The backup the last write saved, or empty text.
    const std::string& LastBackupPath() const { return lastBackupPath_; }
    /// The radio's image the last write (or dry run) read before writing, and the image it
    /// sent or would have sent; empty when it did not get that far.
    const ByteVector& LastWriteRadioImage() const { return lastWriteRadio_; }
    const ByteVector& LastWritePlannedImage() const { return lastWritePlanned_; }
    /// The port option dialog.
    void OnOption();
    /// Reads a raw image file into this document; false when it was not taken.
    bool ReadBinfile();
    /// Builds the image and saves it to a file the person chooses.
    void OnGenerateBinFile();

    /// Builds the current image with the given content variant; throws ValdrenCpsException
    /// "Generate bin failed!".
    void generate_bin_struct(ByteVector& image, int binStructContent = 3);
    /// Replaces the values by those of an image; throws ValdrenCpsException
    /// "import_bin_struct failed!".
    void import_bin_struct(const ByteVector& image);

    /// The tree node the person selected; the views show it.
    void SetSelection(const std::string& id, const std::string& kind);
    const std::string& SelectedId() const { return selectedId_; }
    const std::string& SelectedKind() const { return selectedKind_; }
    /// Called after the selection changed (the views refresh).
    std::function<void()> onSelectionChanged;

    /// The undo and redo history of the values; it starts over with every new, opened or
    /// read document.
    UndoJournal& Journal() { return journal_; }
    const UndoJournal& Journal() const { return journal_; }

    /// The model control, or null before a document was made.
    HamCpsControl* Control() const { return control_.get(); }
    /// Title of the document ("GX5_20240131_154501" or the project's file name).
    const std::string& Title() const { return title_; }
    /// Path of the project file, empty for a document never saved.
    const std::string& PathName() const { return pathName_; }
    /// The port the next radio operation uses: the one chosen with the document, else the
    /// `Device`/`port` setting (default COM11).
    std::string PortSetting() const;
    /// How the last operation ended.
    OperationResult LastResult() const { return lastResult_; }
    /// The image the last successful Read Device brought from the radio.
    const ByteVector& LastReadImage() const { return lastReadImage_; }
    /// Makes Write Device use this content variant instead of `Device`/`bin_struct_content`
    /// (none: the setting again).
    void SetBinStructContent(std::optional<int> content) { contentOverride_ = content; }

private:
    friend class DeviceOperation;

    /// Runs a prepared write in a device operation and keeps what it read and built.
    void RunWrite(SafeWrite& write);
    /// The port chooser of a write (model and port) and, unless `askToWrite` is false, the
    /// write question. False, with the result Cancelled, when the person declined.
    bool ChooseWritePort(bool askToWrite);

    IUserInterface& ui_;
    std::unique_ptr<HamCpsControl> control_;
    std::string title_;
    std::string pathName_;
    std::string chosenPort_;
    std::string selectedId_;
    std::string selectedKind_;
    OperationResult lastResult_ = OperationResult::Success;
    ByteVector lastReadImage_;
    std::optional<int> contentOverride_;
    WriteSafety writeSafety_;
    std::string lastBackupPath_;
    ByteVector lastWriteRadio_;
    ByteVector lastWritePlanned_;
    std::string acceptedPassword_; ///< the password the radio took last, kept in memory only
    UndoJournal journal_;
};

} // namespace vd
