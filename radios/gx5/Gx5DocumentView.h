#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

namespace vd {
class XmlStore;
}

namespace vd::gx5 {

/// One field of a list record as the codec sees it.
struct RecordField {
    std::string id;
    std::string name;
    std::string value;
};

/// One in-use list record: its id, display name and fields in document order.
struct RecordView {
    std::string id;
    std::string name;
    std::vector<RecordField> fields;

    /// Value of the first field of that name, or nothing when the record has none.
    std::optional<std::string> Field(std::string_view fieldName) const;
    /// Values of every field of that name, in order (the members of a zone or scan list).
    std::vector<std::string> Fields(std::string_view fieldName) const;
    /// Id of the first field of that name, or empty text.
    std::string FieldId(std::string_view fieldName) const;
};

/// Read-only view of the document for the image codec. The settings are indexed by name in
/// one pass, so that a hundred settings do not cost a hundred searches of a document that
/// may hold a thousand channel records.
class DocumentView {
public:
    explicit DocumentView(const XmlStore& store);

    /// Value of the setting with that name when exactly one setting (a top-level element
    /// without fields) carries the name; nothing otherwise (the codec then leaves it alone).
    std::optional<std::string> Setting(const std::string& name) const;
    /// Id of that setting under the same rule, or empty text.
    std::string SettingId(const std::string& name) const;
    /// The in-use records of a list (controlType not 0), in list order.
    std::vector<RecordView> InUseRecords(const std::string& recordName) const;

private:
    pugi::xml_node UniqueSetting(const std::string& name) const;

    const XmlStore& store_;
    std::unordered_map<std::string, std::vector<pugi::xml_node>> byName_;
};

} // namespace vd::gx5
