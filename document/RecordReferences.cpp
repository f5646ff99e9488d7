#include "document/RecordReferences.h"

#include "model/HamCpsChapter.h"
#include "model/HamCpsElement.h"

#include <algorithm>

namespace vd {

namespace {

bool RefersTo(HamCpsControl& control, const HamCpsElement& element, const std::string& id) {
    return element.inputValue == id && control.IsReferenceName(element.name);
}

} // namespace

std::vector<RecordReference> ReferencesTo(HamCpsControl& control, const std::string& recordId) {
    std::vector<RecordReference> found;
    if (recordId.empty()) {
        return found;
    }
    std::vector<HamCpsChapter> chapters;
    control.GetChapters("", chapters);
    for (size_t i = 0; i < chapters.size(); ++i) {
        // children are appended, so the walk visits every chapter once
        const std::string chapterId = chapters[i].id;
        control.GetChapters(chapterId, chapters);
        ElementList elements;
        control.GetElements(chapterId, elements);
        for (const ElementPtr& element : elements) {
            if (element->controlType == 0 || element->id == recordId) {
                continue; // a free record, or the record itself
            }
            if (RefersTo(control, *element, recordId)) {
                found.push_back({element->text, {}});
            }
            ElementList fields;
            control.GetChildElements(element->id, fields);
            for (const ElementPtr& field : fields) {
                if (RefersTo(control, *field, recordId)) {
                    found.push_back({element->inputValue, field->text});
                }
            }
        }
    }
    return found;
}

std::size_t ClearReferencesTo(HamCpsControl& control,
                              const std::unordered_set<std::string>& recordIds) {
    std::size_t cleared = 0;
    if (recordIds.empty()) {
        return cleared;
    }
    auto refers = [&](const HamCpsElement& element) {
        return recordIds.count(element.inputValue) != 0 && control.IsReferenceName(element.name);
    };
    std::vector<HamCpsChapter> chapters;
    control.GetChapters("", chapters);
    for (size_t i = 0; i < chapters.size(); ++i) {
        const std::string chapterId = chapters[i].id;
        control.GetChapters(chapterId, chapters);
        ElementList elements;
        control.GetElements(chapterId, elements);
        for (const ElementPtr& element : elements) {
            if (element->controlType == 0) {
                continue;
            }
            if (refers(*element)) {
                control.SetInputValue(element->id, "", "", true);
                ++cleared;
            }
            ElementList fields;
            control.GetChildElements(element->id, fields);
            // the fields of one name are one list of values: only the references go
            std::vector<std::pair<std::string, std::vector<std::string>>> kept;
            std::vector<std::string> changed;
            for (const ElementPtr& field : fields) {
                auto same = [&field](const auto& entry) { return entry.first == field->name; };
                auto entry = std::find_if(kept.begin(), kept.end(), same);
                if (entry == kept.end()) {
                    entry = kept.insert(kept.end(), {field->name, {}});
                }
                if (refers(*field)) {
                    changed.push_back(field->name);
                    ++cleared;
                } else {
                    entry->second.push_back(field->inputValue);
                }
            }
            for (const auto& [name, values] : kept) {
                if (std::find(changed.begin(), changed.end(), name) != changed.end()) {
                    control.SetFieldValue(element->id, name, values);
                }
            }
        }
    }
    return cleared;
}

std::string DescribeReference(const RecordReference& reference) {
    return reference.field.empty() ? reference.owner : reference.owner + ": " + reference.field;
}

} // namespace vd
