#include "model/xml/NodeReader.h"

#include "model/TextNumber.h"

#include <string_view>

namespace vd {

namespace {

/// Value of attribute base + suffix when present and not empty.
bool LocalizedAttribute(pugi::xml_node node, const std::string& base, const std::string& suffix,
                        std::string& out) {
    const char* value = node.attribute((base + suffix).c_str()).value();
    if (*value == '\0') {
        return false;
    }
    out = value;
    return true;
}

} // namespace

int AttributeInt(pugi::xml_node node, const char* name) {
    return ParseDecimalInt(node.attribute(name).value());
}

HamCpsChapter ReadChapter(pugi::xml_node node, const std::string& languageSuffix) {
    HamCpsChapter chapter;
    chapter.id = node.attribute("id").value();
    chapter.name = node.attribute("name").value();
    chapter.parentID = node.attribute("parentID").value();
    chapter.text = node.attribute("text").value();
    chapter.expanded = AttributeInt(node, "expanded") != 0;
    chapter.image = AttributeInt(node, "image");
    chapter.selectImage = AttributeInt(node, "selectImage");
    chapter.expandImage = AttributeInt(node, "expandImage");
    LocalizedAttribute(node, "text", languageSuffix, chapter.text);
    if (*node.attribute("showElement").value() != '\0') {
        chapter.showElement = AttributeInt(node, "showElement") != 0;
    }
    if (*node.attribute("showSelf").value() != '\0') {
        chapter.showSelf = AttributeInt(node, "showSelf") != 0;
    }
    return chapter;
}

void ReadElementAttributes(pugi::xml_node node, const std::string& languageSuffix,
                           HamCpsElement& out) {
    // One pass over the attributes: a whole-project pass reads tens of thousands of fields,
    // and a look-up by name would walk the attribute list once per attribute.
    out.id.clear();
    out.name.clear();
    out.text.clear();
    out.parentID.clear();
    out.choiceValue.clear();
    out.defaultValue.clear();
    out.inputValue.clear();
    out.tiptext.clear();
    out.image = 0;
    out.controlType = 0;
    out.showSelf = true;
    const char* localizedText = nullptr;
    const char* localizedChoices = nullptr;
    const char* localizedTip = nullptr;
    auto isLocalized = [&languageSuffix](std::string_view name, std::string_view base) {
        return name.size() == base.size() + languageSuffix.size() && name.starts_with(base) &&
               name.substr(base.size()) == languageSuffix;
    };
    for (pugi::xml_attribute attribute : node.attributes()) {
        const std::string_view name = attribute.name();
        const char* value = attribute.value();
        if (name == "id") {
            out.id = value;
        } else if (name == "name") {
            out.name = value;
        } else if (name == "parentID") {
            out.parentID = value;
        } else if (name == "inputValue") {
            out.inputValue = value;
        } else if (name == "controlType") {
            out.controlType = ParseDecimalInt(value);
        } else if (name == "choiceValue") {
            out.choiceValue = value;
        } else if (name == "defaultValue") {
            out.defaultValue = value;
        } else if (name == "image") {
            out.image = ParseDecimalInt(value);
        } else if (name == "tiptext") {
            out.tiptext = value;
        } else if (name == "showSelf") {
            if (*value != '\0') {
                out.showSelf = ParseDecimalInt(value) != 0;
            }
        }
        if (name == "textENG") {
            out.text = value;
        }
        if (*value != '\0') {
            if (isLocalized(name, "text")) {
                localizedText = value;
            } else if (isLocalized(name, "choiceValue")) {
                localizedChoices = value;
            } else if (isLocalized(name, "tiptext")) {
                localizedTip = value;
            }
        }
    }
    if (localizedText) {
        out.text = localizedText;
    }
    if (localizedChoices) {
        out.choiceValue = localizedChoices;
    }
    if (localizedTip) {
        out.tiptext = localizedTip;
    }
}

} // namespace vd
