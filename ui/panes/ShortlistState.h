#pragma once
#include <string>
#include <vector>

namespace vd {

/// One row of the shortlist pane: a record's id and the name it is shown by.
struct ShortlistEntry {
    std::string id;
    std::string name;
    bool operator==(const ShortlistEntry&) const = default;
};

/// What happened to a move into the member list.
struct SelectResult {
    int moved = 0;                 ///< candidates that became members
    bool stoppedAtMaximum = false; ///< a candidate was left because the members were full
};

/// The membership a shortlist pane edits: the records of the target list in list order, the
/// members in their order and the most members allowed. The candidates are the records that
/// are not members, so a member that goes back takes its place in list order again.
class ShortlistState {
public:
    /// Starts editing: records of the target list, the present members and the maximum.
    void Reset(std::vector<ShortlistEntry> records, std::vector<ShortlistEntry> members,
               int maximum);
    /// Edits nothing.
    void Clear();

    /// The records that are not members, in list order.
    std::vector<ShortlistEntry> Candidates() const;
    /// The members in their order.
    const std::vector<ShortlistEntry>& Members() const { return members_; }
    /// The members' ids in their order.
    std::vector<std::string> MemberIds() const;
    /// The most members allowed.
    int Maximum() const { return maximum_; }

    /// Appends the candidates at those rows of Candidates(), in row order, until the members
    /// are full; the ones moved before the maximum was met stay moved.
    SelectResult Select(const std::vector<int>& candidateRows);
    /// Gives the members at those rows back to the candidates; returns how many went.
    int Unselect(const std::vector<int>& memberRows);
    /// Puts the members in list order; members the list does not hold stay last.
    void SortMembers();
    /// Moves the member at row one place up (delta -1) or down (+1); false at either end.
    bool MoveMember(int row, int delta);
    /// Makes one entry the only member (all channels).
    void SetOnlyMember(ShortlistEntry entry);

private:
    std::vector<ShortlistEntry> records_;
    std::vector<ShortlistEntry> members_;
    int maximum_ = 0;
};

} // namespace vd
