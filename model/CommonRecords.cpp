// List records of the common control: free records, creation, deletion, member fields and
// the reference update.
#include "model/CommonCpsControl.h"
#include "model/RecordNumbering.h"
#include "model/xml/ChoiceExpansion.h"
#include "model/xml/NodeReader.h"
#include "model/xml/XmlText.h"

#include <boost/algorithm/string/find.hpp>

namespace vd {

namespace {

bool InUse(pugi::xml_node node) {
    return AttributeInt(node, "controlType") != 0;
}

void SetAttribute(pugi::xml_node node, const char* name, const std::string& value) {
    SetXmlAttribute(node, name, value);
}

std::vector<pugi::xml_node> FieldsNamed(pugi::xml_node record, const std::string& fieldName) {
    std::vector<pugi::xml_node> fields;
    for (pugi::xml_node field : record.children("element")) {
        if (fieldName == field.attribute("name").value()) {
            fields.push_back(field);
        }
    }
    return fields;
}

/// The display-name prefix of a new record: the free record's value, else its name without
/// the last "Name" ("ChannelName" gives "Channel").
std::string NewRecordPrefix(pugi::xml_node copy) {
    std::string prefix = copy.attribute("inputValue").value();
    if (!prefix.empty()) {
        return prefix;
    }
    prefix = copy.attribute("name").value();
    auto last = boost::algorithm::find_last(prefix, "Name");
    if (!last.empty()) {
        prefix.erase(static_cast<size_t>(last.begin() - prefix.begin()), 4);
    }
    return prefix;
}

/// Whether the model forbids editing a record (a VFO or a fixed channel): it keeps its place.
bool IsRecordLocked(HamCpsControl& control, pugi::xml_node record) {
    return control.IsElementReadOnly(record.attribute("id").value(),
                                     record.attribute("name").value());
}

} // namespace

std::string CommonCpsControl::GetTextIn(const HamCpsElement& element, const std::string& attribute,
                                        const std::string& languageSuffix) {
    pugi::xml_node node = store_.ElementById(element.IsChild() ? element.parentID : element.id);
    if (element.IsChild()) {
        node = node.find_child_by_attribute("element", "id", element.id.c_str());
    }
    // English is the attribute without suffix when the template has no ...ENG form
    const char* text = node.attribute((attribute + languageSuffix).c_str()).value();
    if (*text == '\0' && languageSuffix == "ENG") {
        text = node.attribute(attribute.c_str()).value();
    }
    return attribute == "choiceValue" ? ExpandChoiceValue(text, store_) : std::string(text);
}

bool CommonCpsControl::ReorderRecords(const std::string& chapterId,
                                      const std::vector<std::string>& orderedIds) {
    std::vector<pugi::xml_node> places;
    std::unordered_map<std::string, pugi::xml_node> byId;
    for (pugi::xml_node record : store_.ElementsByParent(chapterId)) {
        if (InUse(record)) {
            places.push_back(record);
            byId.emplace(record.attribute("id").value(), record);
        }
    }
    if (orderedIds.size() != places.size()) {
        return false;
    }
    std::vector<pugi::xml_node> order;
    order.reserve(orderedIds.size());
    for (size_t i = 0; i < orderedIds.size(); ++i) {
        auto found = byId.find(orderedIds[i]);
        if (found == byId.end()) {
            return false; // unknown, not in use, or named twice
        }
        order.push_back(found->second);
        byId.erase(found);
        if (order.back() != places[i] &&
            (IsRecordLocked(*this, order.back()) || IsRecordLocked(*this, places[i]))) {
            return false;
        }
    }
    store_.ReorderElements(places, order);
    RenumberPositionChoices(places, order);
    return true;
}

void CommonCpsControl::RenumberPositionChoices(const std::vector<pugi::xml_node>& before,
                                               const std::vector<pugi::xml_node>& after) {
    if (before.empty()) {
        return;
    }
    // a choice list made of a list's records ("elements_noaaName_elements") stores a
    // position among them: it must name the same record after the move
    const std::string macro =
        std::string("elements_") + before.front().attribute("name").value() + "_elements";
    std::unordered_map<std::string, int> newPosition;
    for (size_t i = 0; i < after.size(); ++i) {
        newPosition.emplace(after[i].attribute("id").value(), static_cast<int>(i));
    }
    auto renumber = [&](pugi::xml_node node) {
        if (std::string_view(node.attribute("choiceValue").value()).find(macro) ==
            std::string_view::npos) {
            return;
        }
        const int old = AttributeInt(node, "inputValue");
        if (old >= 0 && static_cast<size_t>(old) < before.size()) {
            SetAttribute(node, "inputValue",
                         std::to_string(newPosition.at(
                             before[static_cast<size_t>(old)].attribute("id").value())));
        }
    };
    for (pugi::xml_node element : store_.ElementsNode().children("element")) {
        renumber(element);
        for (pugi::xml_node field : element.children("element")) {
            renumber(field);
        }
    }
}

bool CommonCpsControl::FindFreeRecord(const std::string& parentId, ElementList& out) {
    const std::vector<pugi::xml_node> records = store_.ElementsByParent(parentId);
    for (pugi::xml_node record : records) {
        if (!InUse(record)) {
            out.push_back(MakeElement(record));
            out.resize(records.size());
            return true;
        }
    }
    return false;
}

bool CommonCpsControl::SetFieldValue(const std::string& recordId, const std::string& fieldName,
                                     const std::vector<std::string>& values) {
    pugi::xml_node record = store_.ElementById(recordId);
    std::vector<pugi::xml_node> fields = FieldsNamed(record, fieldName);
    if (fields.empty()) {
        return false;
    }
    // more values than fields: the record grows by copies of its last field of that name, each
    // with an id of its own so that every field stays addressable by record and field id
    if (fields.size() < values.size()) {
        std::vector<std::string> fieldIds;
        for (pugi::xml_node field : record.children("element")) {
            fieldIds.emplace_back(field.attribute("id").value());
        }
        RecordNumberer numberer = RecordNumberer::FromMax(fieldIds);
        while (fields.size() < values.size()) {
            pugi::xml_node copy = record.insert_copy_after(fields.back(), fields.back());
            SetAttribute(copy, "id", numberer.Next());
            fields.push_back(copy);
        }
    }
    for (size_t i = 0; i < fields.size(); ++i) {
        SetAttribute(fields[i], "inputValue", i < values.size() ? values[i] : std::string());
    }
    // fewer values: surplus fields go from the end, one field always stays
    const size_t keep = std::max<size_t>(values.size(), 1);
    for (size_t i = fields.size(); i > keep; --i) {
        record.remove_child(fields[i - 1]);
    }
    return true;
}

const std::unordered_map<std::string, int>&
CommonCpsControl::CachedTargets(ReferenceCache& cache, const std::string& target) {
    auto found = cache.find(target);
    if (found == cache.end()) {
        found = cache.emplace(target, InUsePositions(target)).first;
    }
    return found->second;
}

bool CommonCpsControl::RemapReferences(const std::string& recordId, const std::string& recordName,
                                       ReferenceCache& cache) {
    (void)recordName;
    pugi::xml_node record = store_.ElementById(recordId);
    std::map<std::string, std::vector<std::string>> results;
    bool changed = false;
    bool anyKept = false;
    for (pugi::xml_node field : record.children("element")) {
        const std::string name = field.attribute("name").value();
        const std::string value = field.attribute("inputValue").value();
        if (!IsReferenceName(name) || AttributeInt(field, "controlType") != 1 || value.empty()) {
            continue;
        }
        anyKept = true;
        // A value that is not an id (the power-up zone's "0x0FFF") must not be dropped as
        // dangling: the walk ends there and leaves the record as it is from that field on.
        if (!IsValueAllowed(value, name)) {
            break;
        }
        const auto& targets = CachedTargets(cache, GetReferenceTarget(name));
        std::vector<std::string>& kept = results[name];
        if (targets.count(value) != 0) {
            kept.push_back(value);
        } else {
            changed = true;
        }
    }
    if (!anyKept || !changed) {
        return false;
    }
    for (const auto& [name, values] : results) {
        SetFieldValue(recordId, name, values);
    }
    return true;
}

bool CommonCpsControl::NewRecord(const std::string& id, ElementPtr& out) {
    pugi::xml_node free = store_.ElementById(id);
    if (!free || !free.attribute("defaultValue") || !free.attribute("controlType")) {
        return false;
    }
    const std::string parentId = free.attribute("parentID").value();
    const std::string name = free.attribute("name").value();
    const std::vector<pugi::xml_node> siblings = store_.ElementsByParent(parentId);
    std::vector<std::string> siblingIds;
    siblingIds.reserve(siblings.size());
    for (pugi::xml_node sibling : siblings) {
        siblingIds.emplace_back(sibling.attribute("id").value());
    }
    const std::string newId = NextNumberFromMax(siblingIds);
    const std::string displayName = DefaultRecordName(name, NewRecordPrefix(free));

    pugi::xml_node inserted = store_.InsertElementCopy(
        free, siblings.empty() ? pugi::xml_node() : siblings.back(), [&](pugi::xml_node copy) {
            SetAttribute(copy, "controlType", copy.attribute("defaultValue").value());
            SetAttribute(copy, "defaultValue", "");
            SetAttribute(copy, "inputValue", displayName);
            SetAttribute(copy, "id", newId);
        });
    out = MakeElement(inserted);
    return true;
}

bool CommonCpsControl::DeleteRecord(const std::string& id) {
    pugi::xml_node record = store_.ElementById(id);
    if (!record || !record.first_child() || !InUse(record)) {
        return false;
    }
    store_.RemoveElement(record);
    return true;
}

std::unordered_map<std::string, int>
CommonCpsControl::InUsePositions(const std::string& recordName) {
    std::unordered_map<std::string, int> positions;
    int position = 0;
    for (pugi::xml_node record : store_.ElementsByName(recordName)) {
        if (InUse(record)) {
            positions.emplace(record.attribute("id").value(), position++);
        }
    }
    return positions;
}

bool CommonCpsControl::ResizeRecordList(const std::string& recordName, size_t count,
                                        std::vector<std::string>& ids) {
    const std::vector<pugi::xml_node> all = store_.ElementsByName(recordName);
    pugi::xml_node free;
    std::vector<pugi::xml_node> inUse;
    std::vector<std::string> allIds;
    for (pugi::xml_node record : all) {
        allIds.emplace_back(record.attribute("id").value());
        if (InUse(record)) {
            inUse.push_back(record);
        } else if (!free) {
            free = record;
        }
    }
    if (inUse.size() < count && (!free || !free.attribute("defaultValue"))) {
        return false;
    }
    while (inUse.size() > count) {
        store_.RemoveElement(inUse.back());
        inUse.pop_back();
    }
    if (inUse.size() < count) {
        RecordNumberer numberer = RecordNumberer::FromMax(allIds);
        pugi::xml_node after = all.back();
        if (!inUse.empty()) {
            after = inUse.back();
        }
        const std::string controlType = free.attribute("defaultValue").value();
        while (inUse.size() < count) {
            const std::string newId = numberer.Next();
            after = store_.InsertElementCopy(free, after, [&](pugi::xml_node copy) {
                SetAttribute(copy, "controlType", controlType);
                SetAttribute(copy, "defaultValue", "");
                SetAttribute(copy, "id", newId);
            });
            inUse.push_back(after);
        }
    }
    ids.clear();
    ids.reserve(inUse.size());
    for (pugi::xml_node record : inUse) {
        ids.emplace_back(record.attribute("id").value());
    }
    return true;
}

} // namespace vd
