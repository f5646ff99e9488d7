#pragma once
#include <cstddef>
#include <deque>
#include <memory>
#include <stdexcept>
#include <string>

namespace vd {

class XmlStore;

/// Undo or Redo asked for when there is no step to take.
class NoUndoStep : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

/// The undo and redo history of one document, kept at the level of the model's elements.
///
/// After each change the journal compares the document's top-level elements with a shadow
/// copy of the state after the previous step and keeps only what differs: the elements
/// before and after, and the element order when records were added, removed or moved. So an
/// operation becomes one step whatever it touches (the references a deletion clears, the
/// frequencies a band change moves) without telling the journal what it changed.
class UndoJournal {
public:
    /// The number of steps kept unless told otherwise; older steps are forgotten.
    static constexpr std::size_t kDefaultKeep = 1000;

    explicit UndoJournal(std::size_t keep = kDefaultKeep);
    ~UndoJournal();
    UndoJournal(const UndoJournal&) = delete;
    UndoJournal& operator=(const UndoJournal&) = delete;

    /// Starts over from the store's present state (null: no document): no steps, and the
    /// state counts as saved unless atSavedState is false (values the file does not hold).
    void Reset(XmlStore* store, bool atSavedState = true);
    /// Whether the journal follows a document.
    bool Tracks() const { return store_ != nullptr; }
    /// Records what changed since the last step as one step named stepName; false when
    /// nothing changed. Steps that could be redone are dropped.
    bool Record(const std::string& stepName);

    /// Whether there is a step to undo or to redo.
    bool CanUndo() const { return applied_ > 0; }
    bool CanRedo() const;
    /// The name of the step Undo or Redo would take; empty text when there is none.
    std::string UndoName() const;
    std::string RedoName() const;
    /// Puts the document back as it was before the last step and returns the step's name;
    /// throws NoUndoStep when there is none.
    std::string Undo();
    /// Takes the last undone step again and returns its name; throws NoUndoStep when none.
    std::string Redo();

    /// The present state is what the project file holds.
    void MarkSaved();
    /// Whether the document is as it was saved (or opened), with the steps taken since.
    bool IsAtSavedState() const;
    /// Steps kept, undone ones included.
    std::size_t StepCount() const;

private:
    struct Step;
    struct Shadow;

    void Apply(const Step& step, bool forward);

    std::size_t keep_;
    XmlStore* store_ = nullptr;
    std::unique_ptr<Shadow> shadow_;
    std::deque<Step> steps_;
    std::size_t applied_ = 0; ///< steps_[0, applied_) are done, the rest can be redone
    /// The number of done steps at the saved state; negative when that state is gone.
    long long savedAt_ = 0;
};

} // namespace vd
