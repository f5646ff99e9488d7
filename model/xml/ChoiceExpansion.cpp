#include "model/xml/ChoiceExpansion.h"

#include "model/xml/NodeReader.h"
#include "model/xml/XmlStore.h"

#include <boost/algorithm/string/predicate.hpp>
#include <boost/algorithm/string/trim.hpp>
#include <fmt/format.h>

namespace vd {

namespace {

constexpr std::string_view kMacroStart = "elements_";
constexpr std::string_view kMacroEnd = "_elements";

} // namespace

std::string ExpandChoiceValue(const std::string& choiceValue, const XmlStore& store) {
    if (boost::algorithm::starts_with(choiceValue, "global_")) {
        return store.GlobalValueNode(choiceValue).attribute("value").value();
    }
    const size_t start = choiceValue.find(kMacroStart);
    const size_t end = choiceValue.find(kMacroEnd);
    if (start == std::string::npos || end == std::string::npos ||
        end < start + kMacroStart.size()) {
        return choiceValue;
    }
    const size_t nameStart = start + kMacroStart.size();
    const std::string name = choiceValue.substr(nameStart, end - nameStart);

    std::string entries;
    int index = 0;
    for (pugi::xml_node record : store.ElementsByName(name)) {
        if (AttributeInt(record, "controlType") == 0) {
            continue;
        }
        entries += fmt::format("{}:{}|", index++, record.attribute("inputValue").value());
    }
    boost::algorithm::trim_if(entries, [](char c) { return c == '|'; });

    std::string expanded = choiceValue;
    const std::string macro = std::string(kMacroStart) + name + std::string(kMacroEnd);
    const size_t at = expanded.find(macro);
    if (at != std::string::npos) {
        expanded.replace(at, macro.size(), entries);
    }
    return expanded;
}

} // namespace vd
