#include "radios/gx5/Gx5DocumentView.h"

#include "model/xml/NodeReader.h"
#include "model/xml/XmlStore.h"

namespace vd::gx5 {

std::optional<std::string> RecordView::Field(std::string_view fieldName) const {
    for (const RecordField& field : fields) {
        if (field.name == fieldName) {
            return field.value;
        }
    }
    return std::nullopt;
}

std::vector<std::string> RecordView::Fields(std::string_view fieldName) const {
    std::vector<std::string> values;
    for (const RecordField& field : fields) {
        if (field.name == fieldName) {
            values.push_back(field.value);
        }
    }
    return values;
}

std::string RecordView::FieldId(std::string_view fieldName) const {
    for (const RecordField& field : fields) {
        if (field.name == fieldName) {
            return field.id;
        }
    }
    return {};
}

DocumentView::DocumentView(const XmlStore& store) : store_(store) {
    // Settings are the elements without fields. Records are left out: an import removes
    // records while the view is alive, and no setting shares a name with a list.
    for (pugi::xml_node node : store_.ElementsNode().children("element")) {
        if (!node.child("element")) {
            byName_[node.attribute("name").value()].push_back(node);
        }
    }
}

pugi::xml_node DocumentView::UniqueSetting(const std::string& name) const {
    auto found = byName_.find(name);
    if (found == byName_.end() || found->second.size() != 1) {
        return {};
    }
    return found->second.front();
}

std::optional<std::string> DocumentView::Setting(const std::string& name) const {
    pugi::xml_node node = UniqueSetting(name);
    if (!node) {
        return std::nullopt;
    }
    return std::string(node.attribute("inputValue").value());
}

std::string DocumentView::SettingId(const std::string& name) const {
    return UniqueSetting(name).attribute("id").value();
}

std::vector<RecordView> DocumentView::InUseRecords(const std::string& recordName) const {
    std::vector<RecordView> records;
    for (pugi::xml_node node : store_.ElementsByName(recordName)) {
        if (AttributeInt(node, "controlType") == 0) {
            continue;
        }
        RecordView& record = records.emplace_back();
        record.id = node.attribute("id").value();
        record.name = node.attribute("inputValue").value();
        for (pugi::xml_node field : node.children("element")) {
            record.fields.push_back({field.attribute("id").value(), field.attribute("name").value(),
                                     field.attribute("inputValue").value()});
        }
    }
    return records;
}

} // namespace vd::gx5
