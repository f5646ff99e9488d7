#pragma once
#include <vector>

namespace vd {

class GridControl;

/// Sizes the grid's pair columns: each label column as wide as its longest label (within
/// bounds), the value columns sharing what width remains, so that both pairs of a row are in
/// view at once. Before the grid has a width the value columns keep theirs.
void FitColumns(GridControl& grid, const std::vector<int>& labelColumns,
                const std::vector<int>& valueColumns);

} // namespace vd
