#include "document/ListRows.h"

#include "document/CsvTable.h"
#include "document/ElementEdit.h"
#include "document/ListTable.h"
#include "document/RecordReferences.h"

#include <algorithm>
#include <fmt/format.h>
#include <map>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace vd {

namespace {

/// The stored values one row gives its record, by table column.
struct RowPlan {
    std::size_t row = 0;  ///< data row, from 1
    std::string recordId; ///< empty: a new record
    std::vector<std::pair<std::size_t, std::vector<std::string>>> values;
};

bool IsLockedRecord(HamCpsControl& control, const std::string& id) {
    const std::unique_ptr<HamCpsElement> record = control.GetElement(id);
    return record && record->IsLocked(control);
}

/// The selected records that are in the list, in list order.
std::vector<std::string> InListOrder(const std::vector<std::string>& listIds,
                                     const std::vector<std::string>& selected) {
    const std::unordered_set<std::string> wanted(selected.begin(), selected.end());
    std::vector<std::string> ordered;
    std::copy_if(listIds.begin(), listIds.end(), std::back_inserter(ordered),
                 [&wanted](const std::string& id) { return wanted.count(id) != 0; });
    return ordered;
}

/// Which records the rows go to ("" for a new record) and which records ReplaceList drops.
/// Records the model locks (the VFOs) are never dropped: a row that names one goes to it.
struct Targets {
    std::vector<std::string> recordIds;
    std::vector<std::string> dropped;
    std::string anchor; ///< new records follow it; empty: at the end
};

Targets PlanTargets(HamCpsControl& control, const ListTable& list, const TextTable& table,
                    std::optional<std::size_t> nameCell, RowPlacement placement,
                    const std::vector<std::string>& selected) {
    Targets targets;
    targets.recordIds.resize(table.rows.size());
    const std::vector<std::string>& existing = list.RecordIds();
    if (placement == RowPlacement::ReplaceList) {
        // a row goes to the locked record of its name, else to the next unlocked record, else
        // to a new record while the list has room, else to the next locked record left over
        // (whose name it then cannot change: a problem, never a silent skip)
        std::map<std::string, std::string> lockedByName;
        std::vector<std::string> unlocked;
        for (const std::string& id : existing) {
            if (IsLockedRecord(control, id)) {
                lockedByName.emplace(list.CellText(id, 0), id);
            } else {
                unlocked.push_back(id);
            }
        }
        std::unordered_set<std::string> matched;
        for (std::size_t r = 0; r < table.rows.size() && nameCell; ++r) {
            const std::vector<std::string>& row = table.rows[r];
            auto locked =
                *nameCell < row.size() ? lockedByName.find(row[*nameCell]) : lockedByName.end();
            if (locked != lockedByName.end() && matched.insert(locked->second).second) {
                targets.recordIds[r] = locked->second;
            }
        }
        std::vector<std::string> leftover;
        for (const std::string& id : existing) {
            if (IsLockedRecord(control, id) && matched.count(id) == 0) {
                leftover.push_back(id);
            }
        }
        const int capacity = list.Capacity();
        std::size_t room = capacity < 0 || static_cast<std::size_t>(capacity) < existing.size()
                               ? (capacity < 0 ? table.rows.size() : 0)
                               : static_cast<std::size_t>(capacity) - existing.size();
        std::size_t nextUnlocked = 0;
        std::size_t nextLeftover = 0;
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            if (!targets.recordIds[r].empty()) {
                continue;
            }
            if (nextUnlocked < unlocked.size()) {
                targets.recordIds[r] = unlocked[nextUnlocked++];
            } else if (room > 0) {
                --room; // a new record
            } else if (nextLeftover < leftover.size()) {
                targets.recordIds[r] = leftover[nextLeftover++];
            }
        }
        targets.dropped.assign(unlocked.begin() + static_cast<std::ptrdiff_t>(nextUnlocked),
                               unlocked.end());
    } else if (placement != RowPlacement::Append) {
        const std::vector<std::string> chosen = InListOrder(existing, selected);
        if (!chosen.empty()) {
            targets.anchor = chosen.back();
        }
        for (std::size_t r = 0; placement == RowPlacement::ReplaceRecords && r < chosen.size() &&
                                r < table.rows.size();
             ++r) {
            targets.recordIds[r] = chosen[r];
        }
    }
    return targets;
}

/// Every field value of the free record, by field name (the defaults of a new record).
std::unordered_map<std::string, std::vector<std::string>> FreeValues(HamCpsControl& control,
                                                                     const ListTable& list) {
    std::unordered_map<std::string, std::vector<std::string>> values;
    ElementList fields;
    control.GetChildElements(list.FreeRecordId(), fields);
    for (const ElementPtr& field : fields) {
        values[field->name].push_back(field->inputValue);
    }
    return values;
}

/// Moves the new records right after the anchor; false when the model keeps a record in
/// place that this would move.
bool PlaceAfter(HamCpsControl& control, ListTable& list, const std::string& anchor,
                const std::vector<std::string>& created) {
    list.Reload();
    if (anchor.empty() || created.empty()) {
        return true;
    }
    const std::unordered_set<std::string> isNew(created.begin(), created.end());
    std::vector<std::string> order;
    for (const std::string& id : list.RecordIds()) {
        if (isNew.count(id) == 0) {
            order.push_back(id);
        }
        if (id == anchor) {
            order.insert(order.end(), created.begin(), created.end());
        }
    }
    const bool placed = control.ReorderRecords(list.ChapterId(), order);
    list.Reload();
    return placed;
}

/// Writes a planned row's values into its record.
void WriteRow(HamCpsControl& control, const ListTable& list, const RowPlan& plan,
              std::vector<RowProblem>& problems) {
    ElementList fields;
    control.GetChildElements(plan.recordId, fields);
    for (const auto& [column, values] : plan.values) {
        const ListColumn& header = list.Columns()[column];
        if (header.members) {
            control.SetFieldValue(plan.recordId, header.field, values);
            continue;
        }
        ElementPtr element;
        if (column == 0) {
            element = control.GetElement(plan.recordId);
        } else {
            auto found = std::find_if(fields.begin(), fields.end(), [&header](const ElementPtr& f) {
                return f->name == header.field;
            });
            element = found == fields.end() ? nullptr : *found;
        }
        if (!element || element->inputValue == values.front()) {
            continue;
        }
        EditResult result = SetElementValue(control, *element, values.front(), false);
        if (!result.stored) {
            problems.push_back({plan.row, header.field, result.error});
        }
    }
}

} // namespace

TextTable ExportRows(HamCpsControl& control, const std::string& chapterId,
                     const std::vector<std::string>& recordIds) {
    const ListTable list(control, chapterId);
    TextTable table;
    for (const ListColumn& column : list.Columns()) {
        table.header.push_back(column.field);
    }
    const std::vector<std::string>& ids =
        recordIds.empty() ? list.RecordIds() : InListOrder(list.RecordIds(), recordIds);
    table.rows.reserve(ids.size());
    for (const std::string& id : ids) {
        std::vector<std::string>& row = table.rows.emplace_back();
        row.reserve(list.Columns().size());
        for (std::size_t column = 0; column < list.Columns().size(); ++column) {
            row.push_back(list.CellText(id, column));
        }
    }
    return table;
}

RowsOutcome ApplyRows(HamCpsControl& control, const std::string& chapterId, const TextTable& table,
                      RowPlacement placement, const std::vector<std::string>& selectedRecordIds,
                      RowFaults faults) {
    ListTable list(control, chapterId);
    RowsOutcome outcome;
    const bool allOrNothing = faults == RowFaults::AllOrNothing;

    // the table column of each header cell
    std::vector<std::optional<std::size_t>> columnOf(table.header.size());
    std::vector<bool> given(list.Columns().size(), false);
    std::optional<std::size_t> nameCell;
    for (std::size_t i = 0; i < table.header.size(); ++i) {
        const std::optional<std::size_t> column = list.ColumnOf(table.header[i]);
        if (!column || given[*column]) {
            const std::string why = column ? "the column appears twice" : "no such field";
            if (allOrNothing) {
                outcome.problems.push_back({0, table.header[i], why});
            } else {
                outcome.ignoredColumns.push_back(table.header[i]);
            }
            continue;
        }
        columnOf[i] = column;
        given[*column] = true;
        if (*column == 0) {
            nameCell = i;
        }
    }

    Targets targets = PlanTargets(control, list, table, nameCell, placement, selectedRecordIds);
    const std::size_t kept = list.RecordIds().size() - targets.dropped.size();
    const int capacity = list.Capacity();
    std::size_t newRows = 0;
    std::vector<RowPlan> plans;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const std::vector<std::string>& row = table.rows[r];
        RowPlan plan{r + 1, targets.recordIds[r], {}};
        if (plan.recordId.empty()) {
            if (capacity >= 0 && kept + newRows >= static_cast<std::size_t>(capacity)) {
                if (allOrNothing && outcome.skippedRows == 0) {
                    outcome.problems.push_back(
                        {plan.row, list.RecordName(),
                         fmt::format("the list holds at most {} records", capacity)});
                }
                ++outcome.skippedRows;
                continue;
            }
            ++newRows;
        }
        if (row.size() > table.header.size()) {
            const bool extra =
                std::any_of(row.begin() + static_cast<std::ptrdiff_t>(table.header.size()),
                            row.end(), [](const std::string& c) { return !c.empty(); });
            if (extra && allOrNothing) {
                outcome.problems.push_back(
                    {plan.row,
                     {},
                     fmt::format("the row has {} values, the header {} names", row.size(),
                                 table.header.size())});
            }
        }
        const std::string& source = plan.recordId.empty() ? list.FreeRecordId() : plan.recordId;
        for (std::size_t i = 0; i < table.header.size() && i < row.size(); ++i) {
            if (!columnOf[i]) {
                continue;
            }
            const std::size_t column = *columnOf[i];
            std::string error;
            std::optional<std::vector<std::string>> values =
                list.StoredValues(source, column, row[i], error);
            if (values && !plan.recordId.empty() && !list.Columns()[column].members) {
                const ElementPtr element = list.CellElement(source, column);
                if (element && element->inputValue != values->front() &&
                    element->IsLocked(control)) {
                    error = fmt::format("{} is read-only", element->name);
                    values.reset();
                }
            }
            if (!values) {
                outcome.problems.push_back({plan.row, list.Columns()[column].field, error});
                continue;
            }
            plan.values.emplace_back(column, std::move(*values));
        }
        // in the list's column order, whatever the table's: a value the model adjusts after
        // an earlier one (a transmit frequency after the receive one) keeps the table's value
        std::sort(plan.values.begin(), plan.values.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        plans.push_back(std::move(plan));
    }
    if (allOrNothing && !outcome.problems.empty()) {
        return outcome;
    }

    outcome.applied = true;
    for (const std::string& id : targets.dropped) {
        control.DeleteRecord(id);
    }
    outcome.clearedReferences = ClearReferencesTo(
        control, std::unordered_set<std::string>(targets.dropped.begin(), targets.dropped.end()));
    const auto defaults = FreeValues(control, list);
    std::vector<std::string> created;
    for (RowPlan& plan : plans) {
        if (plan.recordId.empty()) {
            ElementPtr record;
            if (!control.NewRecord(list.FreeRecordId(), record) || !record) {
                outcome.problems.push_back(
                    {plan.row, list.RecordName(), "no record could be added"});
                continue;
            }
            plan.recordId = record->id;
            created.push_back(record->id);
        } else if (placement == RowPlacement::ReplaceList) {
            // a record written over takes the defaults for the columns the table lacks
            for (std::size_t column = 1; column < given.size(); ++column) {
                const std::string& field = list.Columns()[column].field;
                if (!given[column] && defaults.count(field) != 0) {
                    control.SetFieldValue(plan.recordId, field, defaults.at(field));
                }
            }
        }
        WriteRow(control, list, plan, outcome.problems);
        outcome.recordIds.push_back(plan.recordId);
    }
    if (!PlaceAfter(control, list, targets.anchor, created)) {
        outcome.problems.push_back(
            {0, list.RecordName(),
             "the new records stay at the end of the list: the radio keeps a record in its place"});
    }
    return outcome;
}

std::string CsvText(const TextTable& table) {
    std::string text = CsvLine(table.header);
    for (const std::vector<std::string>& row : table.rows) {
        text += CsvLine(row);
    }
    return text;
}

std::string TsvText(const TextTable& table) {
    std::string text = CsvLine(table.header, '\t');
    for (const std::vector<std::string>& row : table.rows) {
        text += CsvLine(row, '\t');
    }
    return text;
}

namespace {

TextTable TableOf(const std::string& text, char delimiter) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    const bool marked = std::string_view(text).substr(0, kByteOrderMark.size()) == kByteOrderMark;
    CsvRows rows = ParseCsv(marked ? text.substr(kByteOrderMark.size()) : text, delimiter);
    TextTable table;
    if (rows.empty()) {
        return table;
    }
    table.header = std::move(rows.front());
    table.rows.assign(std::make_move_iterator(rows.begin() + 1),
                      std::make_move_iterator(rows.end()));
    return table;
}

} // namespace

TextTable ParseCsvTable(const std::string& text) {
    return TableOf(text, ',');
}

TextTable ParseTsv(const std::string& text) {
    return TableOf(text, '\t');
}

} // namespace vd
