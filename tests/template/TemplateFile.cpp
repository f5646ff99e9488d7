#include "tests/template/TemplateFile.h"

#include <charconv>
#include <cstdlib>
#include <map>
#include <mutex>
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

TemplateFile::TemplateFile(const std::string& path) {
    result_ = doc_.load_file(path.c_str(),
                             pugi::parse_default | pugi::parse_comments | pugi::parse_declaration);
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

std::vector<pugi::xml_node> TemplateFile::Chapters() const {
    return ElementChildren(root().child("chapters"), "chapter");
}

pugi::xml_node TemplateFile::Chapter(const std::string& id) const {
    return root().child("chapters").find_child_by_attribute("chapter", "id", id.c_str());
}

std::vector<pugi::xml_node> TemplateFile::TopElements() const {
    return ElementChildren(root().child("elements"));
}

std::vector<pugi::xml_node> TemplateFile::ElementsOf(const std::string& chapterId) const {
    std::vector<pugi::xml_node> out;
    for (pugi::xml_node element : TopElements()) {
        if (chapterId == element.attribute("parentID").value()) {
            out.push_back(element);
        }
    }
    return out;
}

std::vector<pugi::xml_node> TemplateFile::ElementsNamed(const std::string& name) const {
    std::vector<pugi::xml_node> out;
    for (pugi::xml_node element : TopElements()) {
        if (name == element.attribute("name").value()) {
            out.push_back(element);
        }
    }
    return out;
}

pugi::xml_node TemplateFile::ElementById(const std::string& id) const {
    return root().child("elements").find_child_by_attribute("element", "id", id.c_str());
}

int TemplateFile::CountNamedAnywhere(const std::string& name) const {
    const std::string query = "/*/elements//element[@name='" + name + "']";
    return static_cast<int>(doc_.select_nodes(query.c_str()).size());
}

std::vector<pugi::xml_node> TemplateFile::RecordsInUse(const std::string& recordName) const {
    std::vector<pugi::xml_node> out;
    for (pugi::xml_node record : ElementsNamed(recordName)) {
        if (record.attribute("controlType").as_int() != 0) {
            out.push_back(record);
        }
    }
    return out;
}

std::string TemplateDir() {
    const char* dir = std::getenv("VALDREN_CPS_TEMPLATE_DIR");
    return dir == nullptr ? std::string() : std::string(dir);
}

std::shared_ptr<const TemplateFile> LoadTemplate(const std::string& fileName) {
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const TemplateFile>> cache;
    const std::lock_guard<std::mutex> lock(mutex);
    auto& slot = cache[fileName];
    if (!slot) {
        slot = std::make_shared<const TemplateFile>(TemplateDir() + "/" + fileName);
    }
    return slot;
}

} // namespace vdtest::tpl
