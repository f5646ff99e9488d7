#pragma once
#include "model/ModelTypes.h"

#include <QColor>
#include <QString>
#include <cstdint>
#include <vector>

namespace vd {

/// What a grid cell shows and how it is edited; each kind has one delegate.
enum class CellKind { Text, Combo, Check, Button };

/// One entry of a combo-box cell: the text shown and the value it stands for.
struct GridChoice {
    QString text;
    QString value;
};

/// Everything the grid keeps for one cell.
struct GridCell {
    CellKind kind = CellKind::Text;
    QString text;
    std::vector<GridChoice> choices; ///< entries of a combo-box cell
    int chosen = -1;                 ///< entry picked in the last combo-box edit, -1 for none
    QColor background;               ///< invalid: the grid's own colour
    QString toolTip;
    QString buttonText = QStringLiteral("...");
    int maxLength = -1;    ///< the editor stops at this many characters; -1 for no limit
    QString allowedChars;  ///< the editor takes only these (in either case); empty for any
    bool editable = false; ///< whether the person may change the cell
    bool enabled = true;   ///< false: shown greyed and never edited
    ElementPtr element;    ///< the element whose value the cell edits; null for a label
};

/// A colour given as a Windows-style colour value: red in the low byte, then green, then blue
/// (0xD9EEEE is red 0xEE, green 0xEE, blue 0xD9).
inline QColor ColorFromBgr(uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

} // namespace vd
