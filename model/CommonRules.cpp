// Generic rules of the common control: node kinds, capacities, references, record names.
#include "model/CommonCpsControl.h"
#include "model/ReferenceTables.h"
#include "model/xml/NodeReader.h"

#include <array>
#include <string_view>

namespace vd {

namespace {

constexpr int kListNode = 322;
constexpr int kPlainNode = 321;
constexpr int kCompoundNodeMenu = 314;
constexpr int kExplorerMenu = 188;

/// Chapters whose records can be created and deleted.
constexpr std::array<std::string_view, 5> kEditableLists = {"c0104", "c0108", "c0109", "c0110",
                                                            "c0111"};
/// Chapters shown as list nodes (New and Delete enabled through the node kind).
constexpr std::array<std::string_view, 7> kListChapters = {"c0104", "c0108", "c0109",  "c0110",
                                                           "c0111", "c0113", "c011202"};

template <size_t N>
bool Contains(const std::array<std::string_view, N>& ids, const std::string& id) {
    for (std::string_view candidate : ids) {
        if (candidate == id) {
            return true;
        }
    }
    return false;
}

} // namespace

int CommonCpsControl::GetNodeKind(const std::string& id, const std::string& kind) {
    std::string tested;
    if (kind == "chapter") {
        tested = id;
    } else if (kind == "element") {
        pugi::xml_node element = store_.ElementById(id);
        if (!element) {
            return kPlainNode;
        }
        tested = element.attribute("parentID").value();
    } else {
        return kPlainNode;
    }
    return Contains(kListChapters, tested) ? kListNode : kPlainNode;
}

int CommonCpsControl::GetContextMenuId(const std::string& id, const std::string& kind) {
    std::string tested = id;
    if (kind == "element") {
        pugi::xml_node element = store_.ElementById(id);
        if (!element) {
            return -1;
        }
        tested = element.attribute("parentID").value();
    }
    return Contains(kEditableLists, tested) ? kCompoundNodeMenu : kExplorerMenu;
}

int CommonCpsControl::GetCapacity(const std::string& name) {
    auto found = capacities_.find(name);
    if (found == capacities_.end()) {
        found = capacities_.find(name + "Name");
    }
    return found == capacities_.end() ? -1 : found->second;
}

bool CommonCpsControl::IsReferenceName(const std::string& name) {
    return IsGenericReferenceName(name);
}

std::string CommonCpsControl::GetReferenceTarget(const std::string& name) {
    return GenericReferenceTarget(name);
}

std::string CommonCpsControl::FormatMemberList(const std::vector<std::string>& members) {
    return members.empty() ? std::string("None") : std::to_string(members.size());
}

std::string CommonCpsControl::DefaultRecordName(const std::string& name,
                                                const std::string& prefix) {
    int inUse = 0;
    for (pugi::xml_node record : store_.ElementsByName(name)) {
        if (AttributeInt(record, "controlType") != 0) {
            ++inUse;
        }
    }
    return prefix + std::to_string(inUse + 1);
}

bool CommonCpsControl::IsValueAllowed(const std::string&, const std::string&) {
    return true;
}

const ProjectRules& CommonCpsControl::GetProjectRules() const {
    static const ProjectRules none;
    return none;
}

std::string CommonCpsControl::ToRadioText(const std::string& utf8) const {
    return utf8;
}

} // namespace vd
