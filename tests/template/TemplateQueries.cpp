#include "tests/template/TemplateQueries.h"

#include <charconv>
#include <set>
#include <string_view>

namespace vdtest::tpl {

namespace {

bool ParseLong(std::string_view text, long& out) {
    if (text.empty()) {
        return false;
    }
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end;
}

} // namespace

std::optional<std::vector<ChoiceEntry>> ParseChoices(const std::string& list) {
    std::vector<ChoiceEntry> entries;
    std::set<long> seen;
    size_t start = 0;
    while (start <= list.size()) {
        size_t bar = list.find('|', start);
        if (bar == std::string::npos) {
            bar = list.size();
        }
        const std::string_view entry(list.data() + start, bar - start);
        start = bar + 1;
        if (entry.empty()) {
            continue; // the grid skips empty entries
        }
        const size_t colon = entry.find(':');
        ChoiceEntry parsed;
        if (colon == std::string_view::npos || !ParseLong(entry.substr(0, colon), parsed.value)) {
            return std::nullopt;
        }
        parsed.text = std::string(entry.substr(colon + 1));
        if (parsed.text.empty() || parsed.text.find(':') != std::string::npos ||
            !seen.insert(parsed.value).second) {
            return std::nullopt;
        }
        entries.push_back(std::move(parsed));
    }
    return entries;
}

std::vector<pugi::xml_node> ElementChildren(pugi::xml_node node, const char* tag) {
    std::vector<pugi::xml_node> out;
    for (pugi::xml_node child : node.children()) {
        if (child.type() == pugi::node_element &&
            (tag == nullptr || std::string_view(child.name()) == tag)) {
            out.push_back(child);
        }
    }
    return out;
}

std::vector<pugi::xml_node> AllElements(const vd::XmlStore& store) {
    std::vector<pugi::xml_node> out;
    for (pugi::xpath_node hit : store.ElementsNode().select_nodes(".//element")) {
        out.push_back(hit.node());
    }
    return out;
}

int CountNamedAnywhere(const vd::XmlStore& store, const std::string& name) {
    const std::string query = ".//element[@name='" + name + "']";
    return static_cast<int>(store.ElementsNode().select_nodes(query.c_str()).size());
}

std::vector<pugi::xml_node> RecordsInUse(const vd::XmlStore& store, const std::string& recordName) {
    std::vector<pugi::xml_node> out;
    for (pugi::xml_node record : store.ElementsByName(recordName)) {
        if (record.attribute("controlType").as_int() != 0) {
            out.push_back(record);
        }
    }
    return out;
}

} // namespace vdtest::tpl
