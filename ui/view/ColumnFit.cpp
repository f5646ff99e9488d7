#include "ui/view/ColumnFit.h"

#include "ui/grid/GridControl.h"

#include <QScrollBar>
#include <algorithm>

namespace vd {

namespace {

constexpr int kMinLabelWidth = 157;
constexpr int kMaxLabelWidth = 300; // a longer label is cut and shown whole as a tooltip
constexpr int kMinValueWidth = 140;
constexpr int kPadding = 16;

} // namespace

void FitColumns(GridControl& grid, const std::vector<int>& labelColumns,
                const std::vector<int>& valueColumns) {
    const QFontMetrics metrics(grid.font());
    int used = 0;
    for (int column = 0; column < grid.GetColumnCount(); ++column) {
        if (std::find(valueColumns.begin(), valueColumns.end(), column) != valueColumns.end()) {
            continue;
        }
        if (std::find(labelColumns.begin(), labelColumns.end(), column) != labelColumns.end()) {
            int widest = 0;
            for (int row = 0; row < grid.GetRowCount(); ++row) {
                const GridCell& cell = grid.GetCell(row, column);
                if (!cell.element && grid.columnSpan(row, column) == 1) {
                    widest = std::max(widest, metrics.horizontalAdvance(cell.text) + kPadding);
                }
            }
            grid.SetColumnWidth(column, std::clamp(widest, kMinLabelWidth, kMaxLabelWidth));
        }
        used += grid.columnWidth(column);
    }
    if (valueColumns.empty() || !grid.isVisible()) {
        return;
    }
    const int room = grid.viewport()->width() - used;
    const int share = std::max(kMinValueWidth, room / static_cast<int>(valueColumns.size()));
    for (int column : valueColumns) {
        grid.SetColumnWidth(column, share);
    }
}

} // namespace vd
