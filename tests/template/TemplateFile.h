#pragma once
#include <pugixml.hpp>

#include <memory>
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

/// A loaded template file with the lookups the checks need; comment nodes are skipped
/// everywhere, as the program skips them.
class TemplateFile {
public:
    /// Loads a file with comments and the XML declaration kept; check loaded() after.
    explicit TemplateFile(const std::string& path);

    /// Whether the file parsed.
    bool loaded() const { return static_cast<bool>(result_); }
    /// The parser's description of a failure.
    std::string error() const { return result_.description(); }
    /// The parsed document.
    const pugi::xml_document& document() const { return doc_; }
    /// The root element.
    pugi::xml_node root() const { return doc_.document_element(); }

    /// Every chapter, in document order.
    std::vector<pugi::xml_node> Chapters() const;
    /// The chapter with that id, or an empty node.
    pugi::xml_node Chapter(const std::string& id) const;
    /// Every top-level element, in document order.
    std::vector<pugi::xml_node> TopElements() const;
    /// The top-level elements whose parentID is the chapter, in document order.
    std::vector<pugi::xml_node> ElementsOf(const std::string& chapterId) const;
    /// The top-level elements with that name, in document order.
    std::vector<pugi::xml_node> ElementsNamed(const std::string& name) const;
    /// The top-level element with that id, or an empty node.
    pugi::xml_node ElementById(const std::string& id) const;
    /// How many elements, top-level or record fields, carry that name.
    int CountNamedAnywhere(const std::string& name) const;
    /// The in-use records (controlType not 0) with that record name, in document order.
    std::vector<pugi::xml_node> RecordsInUse(const std::string& recordName) const;

private:
    pugi::xml_document doc_;
    pugi::xml_parse_result result_;
};

/// An attribute's text; empty when the node lacks it.
inline std::string Attr(pugi::xml_node node, const char* name) {
    return node.attribute(name).value();
}

/// The element children of a node with that tag (every tag when null), comments skipped.
std::vector<pugi::xml_node> ElementChildren(pugi::xml_node node, const char* tag = "element");

/// The folder with the templates of this build (VALDREN_CPS_TEMPLATE_DIR); empty when unset.
std::string TemplateDir();

/// The template file of that name, loaded once per test program.
std::shared_ptr<const TemplateFile> LoadTemplate(const std::string& fileName);

} // namespace vdtest::tpl
