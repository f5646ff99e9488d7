#include "document/ListTable.h"

#include "document/DisplayInput.h"
#include "document/DisplayValue.h"
#include "model/CommonCpsControl.h"

#include <algorithm>
#include <boost/algorithm/string/case_conv.hpp>
#include <boost/algorithm/string/split.hpp>
#include <boost/algorithm/string/trim.hpp>
#include <fmt/format.h>
#include <stdexcept>

namespace vd {

namespace {

// GetNodeKind's answer for a list chapter.
constexpr int kListNodeKind = 322;

std::string Lower(const std::string& text) {
    return boost::algorithm::to_lower_copy(text);
}

void CollectLists(HamCpsControl& control, const std::string& parentId,
                  std::vector<HamCpsChapter>& out) {
    std::vector<HamCpsChapter> chapters;
    control.GetChapters(parentId, chapters);
    for (const HamCpsChapter& chapter : chapters) {
        if (control.GetNodeKind(chapter.id, "chapter") == kListNodeKind) {
            out.push_back(chapter);
        }
        CollectLists(control, chapter.id, out);
    }
}

/// The name of the records of a list (its free record's name).
std::string RecordNameOf(HamCpsControl& control, const std::string& chapterId) {
    ElementList records;
    return control.FindFreeRecord(chapterId, records) && !records.empty() && records.front()
               ? records.front()->name
               : std::string();
}

} // namespace

std::vector<HamCpsChapter> ListChapters(HamCpsControl& control) {
    std::vector<HamCpsChapter> lists;
    CollectLists(control, "", lists);
    return lists;
}

std::optional<HamCpsChapter> FindListChapter(HamCpsControl& control, const std::string& name) {
    const std::string wanted = Lower(name.empty() ? std::string("ChannelName") : name);
    for (const HamCpsChapter& chapter : ListChapters(control)) {
        if (Lower(chapter.name) == wanted || Lower(chapter.text) == wanted ||
            Lower(RecordNameOf(control, chapter.id)) == wanted) {
            return chapter;
        }
    }
    return std::nullopt;
}

ListTable::ListTable(HamCpsControl& control, std::string chapterId)
    : control_(control), chapterId_(std::move(chapterId)) {
    ElementList free;
    if (!control_.FindFreeRecord(chapterId_, free) || free.empty() || !free.front()) {
        throw std::invalid_argument(chapterId_ + " is not a list");
    }
    const HamCpsElement& record = *free.front();
    recordName_ = record.name;
    freeRecordId_ = record.id;
    if (auto* common = dynamic_cast<CommonCpsControl*>(&control_)) {
        memberCapacity_ = common->GetProjectRules().memberCapacity;
    }
    columns_.push_back({record.name, control_.GetTextIn(record, "text", "ENG"),
                        control_.GetTextIn(record, "text", "CHN"), false});
    Reload();
    // the fields of the free record, in template order; a field a record holds several of
    // is one column
    ElementList fields;
    control_.GetChildElements(freeRecordId_, fields);
    for (const ElementPtr& field : fields) {
        auto same = [&field](const ListColumn& column) { return column.field == field->name; };
        auto found = std::find_if(columns_.begin() + 1, columns_.end(), same);
        if (found != columns_.end()) {
            found->members = true;
            continue;
        }
        columns_.push_back({field->name, control_.GetTextIn(*field, "text", "ENG"),
                            control_.GetTextIn(*field, "text", "CHN"), false});
    }
    for (ListColumn& column : columns_) {
        if (column.field == recordName_ || !control_.IsReferenceName(column.field)) {
            continue;
        }
        if (auto* common = dynamic_cast<CommonCpsControl*>(&control_);
            common && common->GetProjectRules().memberField == column.field) {
            column.members = true;
        }
        for (const std::string& id : recordIds_) {
            const ElementList& held = Fields(id);
            if (std::count_if(held.begin(), held.end(), [&column](const ElementPtr& f) {
                    return f->name == column.field;
                }) > 1) {
                column.members = true;
                break;
            }
        }
    }
}

void ListTable::Reload() {
    ElementList records;
    control_.GetElements(chapterId_, records);
    recordIds_.clear();
    fields_.clear();
    for (const ElementPtr& record : records) {
        if (record && record->controlType != 0 && record->name == recordName_) {
            recordIds_.push_back(record->id);
        }
    }
}

int ListTable::Capacity() const {
    return control_.GetCapacity(recordName_);
}

std::optional<std::size_t> ListTable::ColumnOf(const std::string& header) const {
    const std::string wanted = Lower(boost::algorithm::trim_copy(header));
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const ListColumn& column = columns_[i];
        if (Lower(column.field) == wanted || Lower(column.englishText) == wanted ||
            (!column.chineseText.empty() && column.chineseText == wanted)) {
            return i;
        }
    }
    return std::nullopt;
}

const ElementList& ListTable::Fields(const std::string& recordId) const {
    auto found = fields_.find(recordId);
    if (found == fields_.end()) {
        ElementList fields;
        control_.GetChildElements(recordId, fields);
        found = fields_.emplace(recordId, std::move(fields)).first;
    }
    return found->second;
}

ElementList ListTable::CellElements(const std::string& recordId, std::size_t column) const {
    ElementList cell;
    if (column == 0) {
        if (ElementPtr record = control_.GetElement(recordId)) {
            cell.push_back(std::move(record));
        }
        return cell;
    }
    for (const ElementPtr& field : Fields(recordId)) {
        if (field->name == columns_.at(column).field) {
            cell.push_back(field);
        }
    }
    return cell;
}

ElementPtr ListTable::CellElement(const std::string& recordId, std::size_t column) const {
    ElementList cell = CellElements(recordId, column);
    return cell.empty() ? nullptr : cell.front();
}

std::string ListTable::CellText(const std::string& recordId, std::size_t column) const {
    if (column == 0) {
        const std::unique_ptr<HamCpsElement> record = control_.GetElement(recordId);
        return record ? record->inputValue : std::string();
    }
    const ListColumn& header = columns_.at(column);
    std::string text;
    for (const ElementPtr& field : Fields(recordId)) {
        if (field->name != header.field) {
            continue;
        }
        if (!header.members) {
            return DisplayValue(control_, *field);
        }
        if (!field->inputValue.empty()) {
            text += (text.empty() ? "" : kMemberSeparator) + DisplayValue(control_, *field);
        }
    }
    return text;
}

std::optional<std::vector<std::string>> ListTable::StoredValues(const std::string& recordId,
                                                                std::size_t column,
                                                                const std::string& text,
                                                                std::string& error) const {
    const ElementPtr element = CellElement(recordId, column);
    if (!element) {
        error = fmt::format("{} has no field {}", recordId, columns_.at(column).field);
        return std::nullopt;
    }
    std::vector<std::string> parts{text};
    if (columns_.at(column).members) {
        boost::algorithm::split(parts, text, [](char c) { return c == ';'; });
    }
    std::vector<std::string> values;
    for (std::string& part : parts) {
        if (columns_[column].members) {
            boost::algorithm::trim(part);
            if (part.empty()) {
                continue;
            }
        }
        StoredInput input = StoredFromDisplay(control_, *element, part);
        if (!input.stored) {
            error = input.error;
            return std::nullopt;
        }
        values.push_back(std::move(*input.stored));
    }
    if (columns_[column].members && memberCapacity_ != 0 && values.size() > memberCapacity_) {
        error = fmt::format("{} holds at most {} members", element->name, memberCapacity_);
        return std::nullopt;
    }
    return values;
}

EditResult ListTable::SetCellText(const std::string& recordId, std::size_t column,
                                  const std::string& text) {
    EditResult result;
    std::optional<std::vector<std::string>> values =
        StoredValues(recordId, column, text, result.error);
    if (!values) {
        return result;
    }
    const ElementPtr element = CellElement(recordId, column);
    if (columns_[column].members) {
        if (element->IsLocked(control_)) {
            result.error = fmt::format("{} is read-only", element->name);
            return result;
        }
        result.stored = control_.SetFieldValue(recordId, element->name, *values);
    } else if (values->front() == element->inputValue) {
        result.stored = true; // unchanged: even a locked name may be given as it is
    } else {
        result = SetElementValue(control_, *element, values->front(), false);
    }
    fields_.erase(recordId);
    for (const ElementKey& dependent : result.dependents) {
        fields_.erase(dependent.first);
    }
    return result;
}

} // namespace vd
