#pragma once
#include "ui/grid/GridControl.h"

namespace vd {

/// The grid of the view and the shortlist pane: the general grid plus Cut, Copy and Paste
/// on the text of the cell with the focus.
class CGrid2 : public GridControl {
    Q_OBJECT
public:
    using GridControl::GridControl;

    /// Puts the focus cell's text on the clipboard; false without a focus cell.
    bool Copy() const;
    /// Copies the focus cell's text, then empties the cell through the edit path.
    bool Cut();
    /// Sets the focus cell to the clipboard's text through the edit path.
    bool Paste();
    /// Whether the focus cell has text that can be copied.
    bool CanCopy() const;
    /// Whether the focus cell may be changed (Cut and Paste).
    bool CanChangeFocusCell() const;
};

} // namespace vd
