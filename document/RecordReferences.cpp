#include "document/RecordReferences.h"

#include "model/HamCpsChapter.h"
#include "model/HamCpsElement.h"

namespace vd {

namespace {

bool RefersTo(HamCpsControl& control, const HamCpsElement& element, const std::string& id) {
    return element.inputValue == id && control.IsReferenceName(element.name);
}

/// Calls visit for every top-level element in use (free records left out), in tree order.
template <typename Visit> void ForEachElementInUse(HamCpsControl& control, Visit visit) {
    std::vector<HamCpsChapter> chapters;
    control.GetChapters("", chapters);
    for (size_t i = 0; i < chapters.size(); ++i) {
        // children are appended, so the walk visits every chapter once
        const std::string chapterId = chapters[i].id;
        control.GetChapters(chapterId, chapters);
        ElementList elements;
        control.GetElements(chapterId, elements);
        for (const ElementPtr& element : elements) {
            if (element->controlType != 0) {
                visit(*element);
            }
        }
    }
}

} // namespace

std::vector<RecordReference> ReferencesTo(HamCpsControl& control, const std::string& recordId) {
    std::vector<RecordReference> found;
    if (recordId.empty()) {
        return found;
    }
    ForEachElementInUse(control, [&](const HamCpsElement& element) {
        if (element.id == recordId) {
            return; // the record itself
        }
        if (RefersTo(control, element, recordId)) {
            found.push_back({element.text, {}});
        }
        ElementList fields;
        control.GetChildElements(element.id, fields);
        for (const ElementPtr& field : fields) {
            if (RefersTo(control, *field, recordId)) {
                found.push_back({element.inputValue, field->text});
            }
        }
    });
    return found;
}

bool DropDanglingReferences(HamCpsControl& control) {
    bool changed = false;
    ReferenceCache cache;
    ForEachElementInUse(control, [&](const HamCpsElement& element) {
        changed = control.RemapReferences(element.id, element.name, cache) || changed;
    });
    return changed;
}

std::string DescribeReference(const RecordReference& reference) {
    return reference.field.empty() ? reference.owner : reference.owner + ": " + reference.field;
}

} // namespace vd
