#pragma once
#include "model/HamCpsControl.h"
#include "ui/grid/GridCell.h"

#include <QString>
#include <string>
#include <vector>

namespace vd {

/// Stored value of a power-up zone reference that stands for all channels.
inline constexpr const char* kAllChannelValue = "0x0FFF";
/// How that value is shown.
inline constexpr const char* kAllChannelText = "AllChannel";
/// How an empty reference is shown.
inline constexpr const char* kNoneText = "None";
/// "None" in the language of the user interface.
QString NoneText();
/// A text from the model for display: its "None" in the user interface's language.
QString ShownModelText(const std::string& text);
/// Name of the fields that hold the members of a zone or a scan list.
inline constexpr const char* kMemberField = "Channel";
/// Most members a zone or a scan list holds (the radio's image keeps 16).
inline constexpr int kMaxListMembers = 16;

/// Whether the grid offers the records of a list for fields of that name.
bool IsReferenceCell(const std::string& name);

/// Whether the name is one of the three power-up zone references, which may also hold
/// "all channels".
bool IsPowerUpZoneReference(const std::string& name);

/// Whether a record of a list may be offered as a reference or a member: the VFOs (records
/// named "VFO-...") are not memory channels.
bool IsOfferedRecord(const HamCpsElement& record);

/// The text a reference cell shows: the name of the record it points to, "None" when empty,
/// "AllChannel" for a power-up zone reference holding all channels.
QString ReferenceText(HamCpsControl& control, const HamCpsElement& reference);

/// The entries of a reference cell, read from the current records of its list.
struct ReferenceChoices {
    std::vector<GridChoice> choices;
    /// The stored value names a record that is no longer in the list.
    bool originalDeleted = false;
};
ReferenceChoices BuildReferenceChoices(HamCpsControl& control, const HamCpsElement& reference);

} // namespace vd
