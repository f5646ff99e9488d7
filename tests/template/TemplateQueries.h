#pragma once
#include "model/xml/XmlStore.h"

#include <pugixml.hpp>

#include <optional>
#include <string>
#include <vector>

namespace vdtest::tpl {

/// One entry of a choice list: the number the radio stores and the text shown for it.
struct ChoiceEntry {
    long value = 0;
    std::string text;
};

/// Splits a choice list "value:text|value:text" into its entries; nullopt when an entry
/// is not a decimal number, a colon and a non-empty text without a colon, or when a
/// value repeats.
std::optional<std::vector<ChoiceEntry>> ParseChoices(const std::string& list);

/// An attribute's text; empty when the node lacks it.
inline std::string Attr(pugi::xml_node node, const char* name) {
    return node.attribute(name).value();
}

/// The element children of a node with that tag (every tag when null), comments skipped.
std::vector<pugi::xml_node> ElementChildren(pugi::xml_node node, const char* tag = "element");

/// Every element of the file, top-level or record field, in document order.
std::vector<pugi::xml_node> AllElements(const vd::XmlStore& store);

/// How many elements, top-level or record fields, carry that name.
int CountNamedAnywhere(const vd::XmlStore& store, const std::string& name);

/// The in-use records (controlType not 0) with that record name, in document order.
std::vector<pugi::xml_node> RecordsInUse(const vd::XmlStore& store, const std::string& recordName);

} // namespace vdtest::tpl
