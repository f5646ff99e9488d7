#include "document/ElementSelector.h"

#include "model/TextNumber.h"

#include <algorithm>
#include <fmt/format.h>
#include <fmt/ranges.h>
#include <functional>

namespace vd {

namespace {

/// Calls `visit` with every list record (an element with a control type) of every chapter.
void ForEachRecord(HamCpsControl& control, const std::function<void(const ElementPtr&)>& visit) {
    std::vector<HamCpsChapter> pending;
    control.GetChapters("", pending);
    while (!pending.empty()) {
        HamCpsChapter chapter = pending.back();
        pending.pop_back();
        control.GetChapters(chapter.id, pending);
        ElementList elements;
        control.GetElements(chapter.id, elements);
        for (const ElementPtr& element : elements) {
            if (element->controlType != 0) {
                visit(element);
            }
        }
    }
}

bool LooksLikeId(const std::string& text) {
    if (text.size() < 2 || text[0] != 'e') {
        return false;
    }
    return text.find_first_not_of("0123456789", 1) == std::string::npos;
}

/// A top-level element by id, or by a name or display value that only one element has.
ElementPtr FindRecord(HamCpsControl& control, const std::string& key, bool byDisplayValue) {
    if (LooksLikeId(key)) {
        if (std::unique_ptr<HamCpsElement> found = control.GetElement(key)) {
            return ElementPtr(std::move(found));
        }
    }
    ElementList named;
    control.GetElementsByName(key, named);
    if (named.size() == 1) {
        return named.front();
    }
    if (named.size() > 1) {
        throw SelectorError(fmt::format("'{}' is ambiguous: {} elements have that name; "
                                        "select one by its id ({}, {}, ...)",
                                        key, named.size(), named[0]->id, named[1]->id));
    }
    if (!byDisplayValue) {
        return nullptr;
    }
    // a list record by the name it shows, e.g. "VFO-A"
    ElementPtr match;
    ForEachRecord(control, [&](const ElementPtr& element) {
        if (element->inputValue != key) {
            return;
        }
        if (match) {
            throw SelectorError(fmt::format("more than one record is called '{}'; use its id "
                                            "({} or {})",
                                            key, match->id, element->id));
        }
        match = element;
    });
    return match;
}

/// "no element": when records have a field of that name, says so and how to select one.
std::string NoElementText(HamCpsControl& control, const std::string& name) {
    std::vector<std::string> examples;
    size_t records = 0;
    ForEachRecord(control, [&](const ElementPtr& element) {
        ElementList fields;
        control.GetChildElements(element->id, fields);
        if (std::any_of(fields.begin(), fields.end(),
                        [&](const ElementPtr& field) { return field->name == name; })) {
            ++records;
            if (examples.size() < 2) {
                examples.push_back(element->id + "/" + name);
            }
        }
    });
    if (records == 0) {
        return fmt::format("no element '{}'", name);
    }
    return fmt::format("'{}' is ambiguous: it is a field of {} records; select one as "
                       "RECORD/FIELD, e.g. {}",
                       name, records, fmt::join(examples, " or "));
}

} // namespace

ElementPtr ResolveRecord(HamCpsControl& control, const std::string& key) {
    ElementPtr record = FindRecord(control, key, true);
    if (!record) {
        throw SelectorError(fmt::format("no record '{}'", key));
    }
    return record;
}

ElementPtr ResolveSelector(HamCpsControl& control, const std::string& selector) {
    const size_t slash = selector.find('/');
    if (slash == std::string::npos) {
        ElementPtr element = FindRecord(control, selector, false);
        if (!element) {
            throw SelectorError(NoElementText(control, selector));
        }
        return element;
    }
    const std::string recordKey = selector.substr(0, slash);
    std::string fieldName = selector.substr(slash + 1);
    ElementPtr record = FindRecord(control, recordKey, true);
    if (!record) {
        throw SelectorError(fmt::format("no record '{}'", recordKey));
    }
    long long index = 0;
    const size_t bracket = fieldName.find('[');
    if (bracket != std::string::npos && fieldName.back() == ']') {
        index = ParseDecimal(fieldName.substr(bracket + 1, fieldName.size() - bracket - 2));
        fieldName.erase(bracket);
    }
    ElementList fields;
    control.GetChildElements(record->id, fields);
    long long seen = 0;
    for (const ElementPtr& field : fields) {
        if (field->name == fieldName && seen++ == index) {
            return field;
        }
    }
    throw SelectorError(fmt::format("record {} ({}) has no field '{}'{}", record->id,
                                    record->inputValue, fieldName,
                                    index > 0 ? fmt::format(" [{}]", index) : ""));
}

} // namespace vd
