#pragma once
#include "model/ModelTypes.h"

#include <QColor>
#include <QString>
#include <string>
#include <vector>

namespace vd {

/// One element placed in the grid: its label at (row, column) and its editing cell at
/// (row, column + 1).
struct ElementPlacement {
    int row = 0;
    int column = 0;
    ElementPtr element;
    QColor labelColour;
    bool memberCell = false; ///< stands for all the record's fields of its name
};

/// A heading of a window layout, painted from its cell to the end of its row.
struct HeadingPlacement {
    int row = 0;
    int column = 0;
    QString text;
    QColor colour;
};

/// Where everything of one node goes; columns count the fixed column at the left.
struct GridPlan {
    int rows = 0;
    int columns = 0;
    std::vector<ElementPlacement> elements;
    std::vector<HeadingPlacement> headings;
};

/// Number of columns of the default grid: the fixed column and two label/value pairs.
inline constexpr int kDefaultGridColumns = 5;

/// The default grid: every shown element (control type not 0, show-self set) takes the next
/// label/value pair, two pairs to a row. Repeated fields named memberField share one cell.
GridPlan PlanDefaultGrid(const ElementList& elements, const std::string& memberField);

/// The grid of a window layout from its lines "%d|%d|%d|%d|%d|%d|%s|%s|0x%s|0x%s|%s": rows
/// and columns of the layout, then per item its row, column, kind ("Label" or "element"),
/// text or element name and background colour.
GridPlan PlanLayoutGrid(const std::vector<std::string>& lines, const ElementList& elements,
                        const std::string& memberField);

} // namespace vd
