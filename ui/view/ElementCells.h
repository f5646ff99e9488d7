#pragma once
#include "document/IUserInterface.h"
#include "model/HamCpsControl.h"
#include "ui/grid/GridCell.h"
#include "ui/view/CellRules.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace vd {

/// Background of the label cells of the default grid (0xD9EEEE: red 0xEE, green 0xEE,
/// blue 0xD9).
inline constexpr uint32_t kLabelColour = 0xD9EEEE;
/// Background of the editing cells of control type 8 (red 0xE6, green 0xF7, blue 0xB3).
inline constexpr uint32_t kColouredTextColour = 0xB3F7E6;
/// What a masked cell shows for a value that is set.
inline constexpr const char* kMaskText = "*********";

/// The cell that shows one element's value (the view's fill_cell without the grid). A member
/// cell stands for all the record's fields of the element's name and shows their count; it
/// is changed through the shortlist pane only.
GridCell MakeElementCell(HamCpsControl& control, const ElementPtr& element, bool memberCell);

/// Makes the cells of many elements (a list table), reading each name's value rule and
/// splitting each choice list once.
class ElementCellMaker {
public:
    explicit ElementCellMaker(HamCpsControl& control);
    /// The cell of one element, as MakeElementCell makes it; without choices a combo-box cell
    /// gets its entries later (SetItemChoices), which a table of a thousand rows cannot wait
    /// for.
    GridCell Make(const ElementPtr& element, bool memberCell, bool withChoices);

    /// What a name's value rule gives every cell of that name.
    struct NameFacts {
        std::optional<ValueRule> rule;
        QString range; ///< the ranges for the tool tip, empty for none
    };
    const NameFacts& Facts(const std::string& name);
    /// An element's own choice list, split once.
    const std::vector<OwnChoice>& OwnChoices(const std::string& choiceValue);

private:
    HamCpsControl& control_;
    std::unordered_map<std::string, NameFacts> facts_;
    std::unordered_map<std::string, std::vector<OwnChoice>> choices_;
};

/// The values of a record's fields named like field, in order, empty ones left out.
std::vector<std::string> MemberValues(HamCpsControl& control, const HamCpsElement& field);

/// The stored form of a cell's text; none when the text cannot stand for a value (a choice
/// that is not offered, a frequency that is not a number).
std::optional<std::string> ParseCellText(HamCpsControl& control, const HamCpsElement& element,
                                         const GridCell& cell, const QString& text, int chosen);

/// The outcome of the end-of-edit check.
struct EditCheck {
    bool accept = false;
    QString text;              ///< the text to keep in the cell
    bool charsDropped = false; ///< characters outside a "char" rule's set were dropped
    std::string allowedChars;  ///< that set, for the message
    QString notice;            ///< what the person should know of a value that was moved
    QString refusal;           ///< why typed text was refused (not a number)
};

/// The end-of-edit check of a cell: refuses locked elements and text that stands for no
/// value, applies the model's rule ("char": characters and length; "value": a number moved
/// to the nearest range bound) and gives the text the cell keeps.
EditCheck CheckEditedText(HamCpsControl& control, const HamCpsElement& element,
                          const GridCell& cell, const QString& text, int chosen);

/// Tells the person what an end-of-edit check found, the same way in every view: a refusal
/// as a notice and a warning, a moved value as a notice, dropped characters as a message.
/// Returns whether the edit stands; text becomes what the cell keeps.
bool ReportEditCheck(const EditCheck& check, QString& text,
                     const std::function<void(const QString&)>& notice,
                     const std::function<void(const QString&, MessageStyle)>& message);

} // namespace vd
