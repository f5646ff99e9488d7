#include "model/xml/NodeReader.h"

#include "model/TextNumber.h"

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
    out.id = node.attribute("id").value();
    out.name = node.attribute("name").value();
    out.text = node.attribute("textENG").value();
    out.parentID = node.attribute("parentID").value();
    out.image = AttributeInt(node, "image");
    out.controlType = AttributeInt(node, "controlType");
    out.choiceValue = node.attribute("choiceValue").value();
    out.defaultValue = node.attribute("defaultValue").value();
    out.inputValue = node.attribute("inputValue").value();
    out.tiptext = node.attribute("tiptext").value();
    out.showSelf = true;
    LocalizedAttribute(node, "text", languageSuffix, out.text);
    LocalizedAttribute(node, "choiceValue", languageSuffix, out.choiceValue);
    LocalizedAttribute(node, "tiptext", languageSuffix, out.tiptext);
    if (*node.attribute("showSelf").value() != '\0') {
        out.showSelf = AttributeInt(node, "showSelf") != 0;
    }
}

} // namespace vd
