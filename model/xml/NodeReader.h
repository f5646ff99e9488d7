#pragma once
#include "model/HamCpsChapter.h"
#include "model/HamCpsElement.h"

#include <pugixml.hpp>
#include <string>

namespace vd {

/// An integer attribute read as decimal text; missing or non-numeric text reads as 0.
int AttributeInt(pugi::xml_node node, const char* name);

/// Reads a chapter node, with the display text of the given language suffix ("ENG", "CHN").
HamCpsChapter ReadChapter(pugi::xml_node node, const std::string& languageSuffix);

/// Reads an element node's attributes into a record, localized texts included; the choice
/// value is left as written (its expansion needs the whole document).
void ReadElementAttributes(pugi::xml_node node, const std::string& languageSuffix,
                           HamCpsElement& out);

} // namespace vd
