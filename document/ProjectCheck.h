#pragma once
#include "model/HamCpsControl.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vd {

/// How bad a problem is: an error stops a write, a warning is only shown.
enum class Severity { Error, Warning };

/// The kinds of problem the whole-project check finds.
enum class ProblemKind {
    // errors
    RefusedValue,       ///< a value the model's value rules refuse
    MissingReference,   ///< a reference to a record that is not in use in its list
    OverCapacity,       ///< more records in a list than the radio holds
    TooManyMembers,     ///< more members in a zone or scan list than the radio stores
    ChannelOutsideZone, ///< a power-up channel that is not a member of its zone
    EmptyRequired,      ///< an empty reference the radio has no "none" value for
    // warnings
    DuplicateName, ///< a name another record of the same list has
    EmptyName,     ///< a record without a name
    TextCut,       ///< a text longer than the radio stores
    TextUnshown,   ///< characters the radio cannot show (they become '?')
    NoMembers,     ///< a zone or scan list without members
    ReceiveOnlyTx, ///< a channel on a receive-only frequency that may transmit
};

/// One problem of a project, addressed the ways the front ends need.
struct Problem {
    Severity severity = Severity::Error;
    ProblemKind kind = ProblemKind::RefusedValue;
    std::string id;       ///< the top-level element: a setting or a list record
    std::string fieldId;  ///< the record's field, empty for the element itself
    std::string selector; ///< the element as `vdcps get` names it
    std::string path;     ///< the tree node, as the function tree shows it ("GX5 / Radio / ...")
    std::string english;  ///< the message in English
    std::string chinese;  ///< the message in Chinese

    /// The message in a language ("ENG" or "CHN").
    const std::string& Message(const std::string& languageCode) const;
    /// "error" or "warning".
    const char* SeverityWord() const;
};

/// Checks a whole project against its model's rules: every value against the value rules,
/// every reference against the records in use, every list against its capacity, and the
/// rules of ProjectRules. The problems of settings and records come in tree order, then
/// those of whole lists and of the power-up positions.
std::vector<Problem> CheckProject(HamCpsControl& control);

/// The number of problems of a severity.
size_t CountProblems(const std::vector<Problem>& problems, Severity severity);

/// The problems of `after` that `before` did not have (the ones a change introduced).
std::vector<Problem> NewProblems(const std::vector<Problem>& before,
                                 const std::vector<Problem>& after);

} // namespace vd
