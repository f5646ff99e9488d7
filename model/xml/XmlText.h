#pragma once
#include <pugixml.hpp>

#include <string>
#include <string_view>

namespace vd {

/// Why a text cannot stand in an XML 1.0 document as UTF-8 ("an invalid UTF-8 byte 0xFF",
/// "a control character U+0001"), or empty text when it can. Tab, line feed and carriage
/// return are allowed, as XML 1.0 allows them.
std::string XmlTextProblem(std::string_view text);

/// Decodes the character at `at` and moves `at` past it; false (and `at` unchanged) for a
/// byte that does not start a valid UTF-8 sequence.
bool NextCodePoint(std::string_view text, size_t& at, char32_t& code);

/// The text with every byte sequence that XML 1.0 cannot hold replaced by '?', so that a
/// saved file stays well-formed whatever reached the store.
std::string ToXmlText(std::string_view text);

/// Sets (or adds) an attribute; text that XML 1.0 cannot hold never reaches the document.
void SetXmlAttribute(pugi::xml_node node, const char* name, const std::string& value);

/// Whether pugixml turns a file declared in this encoding into UTF-8 on load (UTF-8, ASCII,
/// Latin-1, UTF-16 and UTF-32); an empty name (no declaration) counts as UTF-8.
bool IsReadableEncoding(std::string_view declared);

/// Checks a document loaded with its declaration: a declared encoding the parser does not
/// convert, text that XML 1.0 cannot hold, or nesting deeper than any template has (which
/// would only slow every later walk down). Empty text when it is sound.
std::string XmlDocumentProblem(const pugi::xml_document& document);

} // namespace vd
