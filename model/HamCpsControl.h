#pragma once
#include "model/HamCpsChapter.h"
#include "model/HamCpsElement.h"
#include "model/ModelTypes.h"
#include "model/ProgressSignal.h"

#include <memory>
#include <string>
#include <vector>

namespace vd {

class ISerialPort;

/// The model control interface: everything the document, the views and the device
/// operations know of a radio model. The template document it owns is the only store
/// of the configuration; the radio link and the memory image codec sit behind it.
class HamCpsControl {
public:
    virtual ~HamCpsControl();

    /// The registry name the control was created under ("GX5", "VS73", ...).
    virtual std::string GetModelName() const = 0;
    /// Loads the model's template into a fresh document; throws ValdrenCpsException when
    /// the file cannot be loaded or has another root.
    virtual bool ResetToTemplate() = 0;
    /// 322 for a list node (New and Delete enabled), 321 for any other node.
    virtual int GetNodeKind(const std::string& id, const std::string& kind) = 0;
    /// Context menu of a tree node: 314 (New/Delete), 188 (Properties) or -1.
    virtual int GetContextMenuId(const std::string& id, const std::string& kind) = 0;
    /// Loads a template or project file; a non-empty rootName replaces the root name.
    virtual bool Load(const std::string& path, const std::string& rootName) = 0;
    /// Marks the document as a saved project and writes it to path.
    virtual bool Save(const std::string& path) = 0;
    /// Tag of the loaded document's root element.
    virtual std::string GetRootName() const = 0;
    /// Full path of the model's template file.
    virtual std::string GetTemplatePath() const = 0;
    /// Appends the chapters whose parentID is parentId, in document order.
    virtual void GetChapters(const std::string& parentId, std::vector<HamCpsChapter>& out) = 0;
    /// Fills out from the first chapter with that id; leaves it unchanged when there is none.
    virtual void GetChapter(const std::string& id, HamCpsChapter& out) = 0;
    /// Appends the top-level elements of a chapter, in document order.
    virtual void GetElements(const std::string& parentId, ElementList& out) = 0;
    /// Finds a list's first free record; out then holds it first and is sized to the
    /// chapter's record count (the other entries are empty).
    virtual bool FindFreeRecord(const std::string& parentId, ElementList& out) = 0;
    /// Appends every top-level element with that name, in document order.
    virtual void GetElementsByName(const std::string& name, ElementList& out) = 0;
    /// The first top-level element with that id, or null.
    virtual std::unique_ptr<HamCpsElement> GetElement(const std::string& id) = 0;
    /// Appends the fields of the record with that id, in document order.
    virtual void GetChildElements(const std::string& id, ElementList& out) = 0;
    /// Appends the grid layout lines of a chapter.
    virtual void GetWindowLayout(const std::string& parentId, std::vector<std::string>& out) = 0;
    /// The value of a global value, or empty text.
    virtual std::string GetGlobalValue(const std::string& name) = 0;
    /// Writes values into the fields named fieldName of a record, adding or removing fields
    /// so that their number follows the values (one field always stays).
    virtual bool SetFieldValue(const std::string& recordId, const std::string& fieldName,
                               const std::vector<std::string>& values) = 0;
    /// Drops references of a record that point to records no longer in use; true when the
    /// record changed.
    virtual bool RemapReferences(const std::string& recordId, const std::string& recordName,
                                 ReferenceCache& cache) = 0;
    /// Adds a copy of the free record id after the last record of its list.
    virtual bool NewRecord(const std::string& id, ElementPtr& out) = 0;
    /// Removes an in-use record.
    virtual bool DeleteRecord(const std::string& id) = 0;
    /// Sets the first top-level element with that name, creating it when there is none.
    virtual void SetValueByName(const std::string& name, const std::string& value) = 0;
    /// The central write: sets an element's or a record field's value; refuses a locked
    /// element unless force is true.
    virtual bool SetInputValue(const std::string& id, const std::string& childId,
                               const std::string& value, bool force) = 0;
    /// Builds the radio's memory image from the values.
    virtual bool GenerateImage(ByteVector& image, int binStructContent) = 0;
    /// True when an image can be built from the values alone (no read of the radio first).
    virtual bool NeedsNoBaseImage() = 0;
    /// Decodes a memory image read from a radio into the values.
    virtual bool ImportImage(const ByteVector& image) = 0;
    /// Reads the radio's current image that a write is merged into.
    virtual bool ReadBaseImage(ISerialPort& port, ByteVector& image, std::string text) = 0;
    /// Fills an image's tuning block from a tuning file.
    virtual bool ApplyTuningFile(ByteVector& image, const std::string& tuningFilePath) = 0;
    /// Opens and configures the serial port for this model.
    virtual void OpenPort(ISerialPort& port, const std::string& device) = 0;
    /// Puts the radio into programming mode (mode 0 read, 1 write).
    virtual bool host_handshake(ISerialPort& port, int mode, const uint8_t* password,
                                int length) = 0;
    /// Reads the whole image; block count or -1.
    virtual int ReadAll(ISerialPort& port, ByteVector& image, std::string text) = 0;
    /// Writes the whole image; block count or -1.
    virtual int WriteAll(ISerialPort& port, const ByteVector& image, std::string text) = 0;
    /// Takes the radio out of programming mode.
    virtual bool host_reboot(ISerialPort& port) = 0;
    /// Adjusts values that follow from a changed one; appends the elements the view must
    /// refill and returns true when it did anything.
    virtual bool OnValueChanged(const HamCpsElement& changed, const std::string& newValue,
                                std::vector<ElementKey>& dependents) = 0;
    /// Largest number of records of a list, by record name or short name; -1 when unknown.
    virtual int GetCapacity(const std::string& name) = 0;
    /// Whether the model forbids editing the element (id, name).
    virtual bool IsElementReadOnly(const std::string& id, const std::string& name) = 0;
    /// Whether a record field is disabled by other values of its record.
    virtual bool IsFieldDisabled(const HamCpsElement& field) = 0;
    /// Whether fields of that name refer to records of a list.
    virtual bool IsReferenceName(const std::string& name) = 0;
    /// The record name of the list that fields of that name refer to, or empty text.
    virtual std::string GetReferenceTarget(const std::string& name) = 0;
    /// The value rule of an element name: kind "char" (length bounds) or "value"
    /// (inclusive ranges) with an optional set of allowed characters; false for no rule.
    virtual bool ValidateValue(const std::string& name, std::string& kind,
                               std::vector<long long>& lower, std::vector<long long>& upper,
                               std::string& allowedChars) = 0;
    /// Display text of a member list cell.
    virtual std::string FormatMemberList(const std::vector<std::string>& members) = 0;
    /// An element's display text ("text") or expanded choice list ("choiceValue") in the
    /// language of a suffix ("ENG", "CHN"), whichever language the snapshots are read in;
    /// empty text when the template has none in that language.
    virtual std::string GetTextIn(const HamCpsElement& element, const std::string& attribute,
                                  const std::string& languageSuffix) = 0;
    /// Puts the in-use records of a list chapter into the given order (every in-use record
    /// exactly once); the free record keeps its place and references follow the records, since
    /// they name ids. False, with nothing changed, for any other set of ids or when a record
    /// the model locks would change its position.
    virtual bool ReorderRecords(const std::string& chapterId,
                                const std::vector<std::string>& orderedIds) = 0;
    /// Why an image cannot be this model's memory (its size, or the model it names), or
    /// empty text when ImportImage may decode it.
    virtual std::string ImageProblem(const ByteVector& image) {
        (void)image;
        return {};
    }
    /// The step a "value" element's value must be a multiple of, because the radio keeps it
    /// in coarser units (10 Hz frequencies); 1 when every whole number is kept exactly.
    virtual int ValueStep(const std::string& name) {
        (void)name;
        return 1;
    }

    /// Progress of the control's long operations; the document connects its displays here.
    ProgressSignal progress;
    /// Messages of the control's long operations for the person; the document shows them.
    NoticeSignal notice;
};

} // namespace vd
