#include "ui/grid/CGrid2.h"

#include <QApplication>
#include <QClipboard>

namespace vd {

bool CGrid2::Copy() const {
    if (!CanCopy()) {
        return false;
    }
    const CellId focus = GetFocusCell();
    QApplication::clipboard()->setText(GetItemText(focus.row, focus.column));
    return true;
}

bool CGrid2::Cut() {
    if (!CanChangeFocusCell() || !Copy()) {
        return false;
    }
    const CellId focus = GetFocusCell();
    return CommitEdit(focus.row, focus.column, QString());
}

bool CGrid2::Paste() {
    if (!CanChangeFocusCell()) {
        return false;
    }
    const CellId focus = GetFocusCell();
    return CommitEdit(focus.row, focus.column, QApplication::clipboard()->text());
}

bool CGrid2::CanCopy() const {
    const CellId focus = GetFocusCell();
    return IsValid(focus.row, focus.column) && focus.column >= GetFixedColumnCount();
}

bool CGrid2::CanChangeFocusCell() const {
    const CellId focus = GetFocusCell();
    if (!CanCopy() || !IsEditingEnabled()) {
        return false;
    }
    const GridCell& cell = GetCell(focus.row, focus.column);
    return cell.editable && cell.enabled;
}

} // namespace vd
