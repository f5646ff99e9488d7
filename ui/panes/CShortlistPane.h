#pragma once
#include "model/HamCpsControl.h"
#include "ui/frames/FrameInterfaces.h"
#include "ui/grid/CGrid2.h"
#include "ui/panes/ShortlistState.h"
#include "ui/view/ViewMessageBox.h"

#include <QWidget>
#include <array>
#include <map>

class QPushButton;

namespace vd {

/// The shortlist pane: the candidates of a member list on the left, its members on the
/// right, and the moves between them. The view configures it for the record it shows (a
/// zone's or scan list's channels) or for a power-up zone reference.
class CShortlistPane : public QWidget, public IShortlistPane, public IFrameMessageSink {
    Q_OBJECT
public:
    static constexpr int kCandidateGridId = 1006;
    static constexpr int kMemberGridId = 1007;

    /// The pane of frame's document, editing nothing yet.
    explicit CShortlistPane(IChildFrame& frame, QWidget* parent = nullptr);
    ~CShortlistPane() override;

    /// Edits the member fields ("Channel") of a record; false (and nothing to edit) when the
    /// record has none.
    bool SwitchShortlistPane(const HamCpsElement& record, const ElementList& fields);
    /// Edits a single reference (a power-up zone) shown in the view's cell.
    void SwitchToReference(const HamCpsElement& reference, CellId cell);
    /// The view's cell that shows the member count of the edited record.
    void SetMemberCell(CellId cell);
    /// Edits nothing.
    void ClearShortlist();
    /// Whether a member list or a reference is being edited.
    bool IsEditing() const { return target_.active; }

    /// Moves the selected candidates (else the one with the focus) to the members.
    void SelectOne();
    /// Moves the selected members (else the one with the focus) back to the candidates.
    void UnselectOne();
    /// Moves every candidate to the members, up to the maximum.
    void SelectAll();
    /// Moves every member back to the candidates.
    void UnselectAll();
    /// Moves the member with the focus one place up (delta -1) or down (+1).
    void MoveMember(int delta);
    /// Makes "AllChannel" the only member of a power-up zone reference.
    void AllChannel();
    /// The shortlist commands (ID_SELECT_ONE ... ID_ALL_CHANNEL); true when handled.
    bool HandleCommand(int command);

    void Retranslate() override;
    void OnFrameMessage(int message, quint32 param) override;

    /// Replaces the message box routine (tests record the messages instead).
    void SetMessageBox(MessageBoxFn messageBox);
    /// The left grid (1006).
    CGrid2& CandidateGrid() { return *candidates_; }
    /// The right grid (1007).
    CGrid2& MemberGrid() { return *members_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    /// What the pane edits.
    struct Target {
        bool active = false;
        bool single = false;        ///< one reference value rather than member fields
        bool zoneReference = false; ///< a power-up zone reference (All channel allowed)
        ElementPtr reference;       ///< the reference, when single
        std::string recordId;       ///< the record whose member fields are edited
        std::string field;          ///< their name
        QString listName;           ///< names the list in the "Maximum number" message
        CellId cell;                ///< the view's cell to refresh
    };

    std::vector<ShortlistEntry> TargetRecords(HamCpsControl& control, const std::string& name);
    ShortlistEntry EntryFor(HamCpsControl& control, const std::string& id,
                            const std::vector<ShortlistEntry>& records) const;
    void MoveToMembers(const std::vector<int>& candidateRows);
    void MoveToCandidates(const std::vector<int>& memberRows);
    void ShowState(int markedMembers = 0);
    /// Shows the pane's dock only while there is a list to edit.
    void ShowDock(bool shown);
    void FillGrid(CGrid2& grid, const std::vector<ShortlistEntry>& entries);
    /// Stores the membership and asks the view to refresh its cell; false (and the state
    /// put back to before) when the model refused it.
    bool Write(const ShortlistState& before);
    HamCpsControl* Control() const;

    IChildFrame& frame_;
    CGrid2* candidates_;
    CGrid2* members_;
    std::array<QPushButton*, 5> buttons_{};
    QPushButton* moveUp_ = nullptr;
    QPushButton* moveDown_ = nullptr;
    ShortlistState state_;
    std::map<std::string, std::string> details_; ///< record id -> "3 · 446.006250"
    Target target_;
    MessageBoxFn messageBox_;
};

} // namespace vd
