#include "ui/view/GridPlan.h"

#include "model/HamCpsElement.h"
#include "model/TextNumber.h"
#include "ui/grid/GridCell.h"
#include "ui/view/ElementCells.h"

#include <QStringList>
#include <set>

namespace vd {

namespace {

bool IsShown(const ElementPtr& element) {
    return element && element->controlType != 0 && element->showSelf;
}

/// A layout colour "0xD9EEEE" (red in the low byte); invalid when the field is empty.
QColor LayoutColour(const QString& field) {
    QString digits = field;
    if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        digits = digits.mid(2);
    }
    bool ok = false;
    const uint value = digits.toUInt(&ok, 16);
    return ok ? ColorFromBgr(value) : QColor();
}

/// Keeps the first field of a member list and drops its repeats.
class MemberFilter {
public:
    explicit MemberFilter(const std::string& memberField) : memberField_(memberField) {}

    /// Whether the element is shown; member tells whether it stands for the whole list.
    bool Take(const ElementPtr& element, bool& member) {
        member = !memberField_.empty() && element->IsChild() && element->name == memberField_;
        if (!member) {
            return true;
        }
        return taken_.insert(element->parentID).second;
    }

private:
    std::string memberField_;
    std::set<std::string> taken_;
};

} // namespace

GridPlan PlanDefaultGrid(const ElementList& elements, const std::string& memberField) {
    GridPlan plan;
    plan.columns = kDefaultGridColumns;
    MemberFilter filter(memberField);
    int slot = 0;
    for (const ElementPtr& element : elements) {
        bool member = false;
        if (!IsShown(element) || !filter.Take(element, member)) {
            continue;
        }
        ElementPlacement placement;
        placement.row = slot / 2;
        placement.column = 1 + 2 * (slot % 2);
        placement.element = element;
        placement.labelColour = ColorFromBgr(kLabelColour);
        placement.memberCell = member;
        plan.elements.push_back(std::move(placement));
        ++slot;
    }
    plan.rows = (slot + 1) / 2;
    return plan;
}

GridPlan PlanLayoutGrid(const std::vector<std::string>& lines, const ElementList& elements,
                        const std::string& memberField) {
    GridPlan plan;
    MemberFilter filter(memberField);
    for (const std::string& line : lines) {
        const QStringList fields = QString::fromStdString(line).split(QLatin1Char('|'));
        if (fields.size() < 9) {
            continue;
        }
        plan.rows = std::max(plan.rows, ParseDecimalInt(fields[0].toStdString()));
        plan.columns = std::max(plan.columns, 1 + ParseDecimalInt(fields[1].toStdString()));
        const int row = ParseDecimalInt(fields[4].toStdString());
        const int column = 1 + ParseDecimalInt(fields[5].toStdString());
        const QString& kind = fields[6];
        const QColor colour = LayoutColour(fields[8]);
        if (kind == QLatin1String("Label")) {
            plan.headings.push_back({row, column, fields[7], colour});
            continue;
        }
        if (kind != QLatin1String("element")) {
            continue;
        }
        const std::string name = fields[7].toStdString();
        for (const ElementPtr& element : elements) {
            bool member = false;
            if (element && element->name == name) {
                if (element->showSelf && filter.Take(element, member)) {
                    plan.elements.push_back({row, column, element, colour, member});
                }
                break;
            }
        }
    }
    // every placement needs its value column and its row inside the grid
    for (const ElementPlacement& placement : plan.elements) {
        plan.rows = std::max(plan.rows, placement.row + 1);
        plan.columns = std::max(plan.columns, placement.column + 2);
    }
    for (const HeadingPlacement& heading : plan.headings) {
        plan.rows = std::max(plan.rows, heading.row + 1);
        plan.columns = std::max(plan.columns, heading.column + 1);
    }
    return plan;
}

} // namespace vd
