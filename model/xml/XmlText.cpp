#include "model/xml/XmlText.h"

#include <boost/algorithm/string/case_conv.hpp>
#include <fmt/format.h>

namespace vd {

namespace {

/// Deeper than any template (root, elements, record, field) by a wide margin.
constexpr int kMaxDepth = 32;

/// One decoded character: its code point and length in bytes, or length 0 for a byte that
/// does not start a valid UTF-8 sequence (overlong forms and surrogates included).
struct Decoded {
    char32_t code = 0;
    size_t length = 0;
};

Decoded DecodeOne(std::string_view text, size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    size_t length = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, minimum = 0x10000;
    } else {
        return {};
    }
    if (at + length > text.size()) {
        return {};
    }
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80) {
            return {};
        }
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {};
    }
    return {code, length};
}

bool IsXmlCharacter(char32_t code) {
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
           (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}

} // namespace

bool NextCodePoint(std::string_view text, size_t& at, char32_t& code) {
    const Decoded one = DecodeOne(text, at);
    if (one.length == 0) {
        return false;
    }
    code = one.code;
    at += one.length;
    return true;
}

std::string XmlTextProblem(std::string_view text) {
    for (size_t at = 0; at < text.size();) {
        const Decoded one = DecodeOne(text, at);
        if (one.length == 0) {
            return fmt::format("an invalid UTF-8 byte 0x{:02X}",
                               static_cast<unsigned char>(text[at]));
        }
        if (!IsXmlCharacter(one.code)) {
            return fmt::format("a control character U+{:04X}", static_cast<unsigned>(one.code));
        }
        at += one.length;
    }
    return {};
}

std::string ToXmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const Decoded one = DecodeOne(text, at);
        if (one.length == 0 || !IsXmlCharacter(one.code)) {
            out.push_back('?');
            at += one.length == 0 ? 1 : one.length;
            continue;
        }
        out.append(text.substr(at, one.length));
        at += one.length;
    }
    return out;
}

void SetXmlAttribute(pugi::xml_node node, const char* name, const std::string& value) {
    pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute) {
        attribute = node.append_attribute(name);
    }
    if (XmlTextProblem(value).empty()) {
        attribute.set_value(value.c_str());
    } else {
        attribute.set_value(ToXmlText(value).c_str());
    }
}

bool IsReadableEncoding(std::string_view declared) {
    const std::string name = boost::algorithm::to_lower_copy(std::string(declared));
    return name.empty() || name == "utf-8" || name == "utf8" || name == "us-ascii" ||
           name == "ascii" || name == "iso-8859-1" || name == "latin1" ||
           name.rfind("utf-16", 0) == 0 || name.rfind("utf-32", 0) == 0;
}

std::string XmlDocumentProblem(const pugi::xml_document& document) {
    const pugi::xml_node first = document.first_child();
    if (first.type() == pugi::node_declaration) {
        const std::string declared = first.attribute("encoding").value();
        if (!IsReadableEncoding(declared)) {
            return fmt::format("declared in the encoding \"{}\", which cannot be read; save it "
                               "as UTF-8",
                               declared);
        }
    }
    // a walk without recursion, so that no nesting can exhaust the stack
    int depth = 0;
    pugi::xml_node node = document.first_child();
    while (node) {
        if (depth > kMaxDepth) {
            return fmt::format("nested deeper than {} levels", kMaxDepth);
        }
        for (pugi::xml_attribute attribute : node.attributes()) {
            if (std::string problem = XmlTextProblem(attribute.value()); !problem.empty()) {
                return fmt::format("attribute {} of <{}> holds {}", attribute.name(), node.name(),
                                   problem);
            }
        }
        if (std::string problem = XmlTextProblem(node.value()); !problem.empty()) {
            return fmt::format("the text in <{}> holds {}", node.parent().name(), problem);
        }
        if (node.first_child()) {
            node = node.first_child();
            ++depth;
            continue;
        }
        while (!node.next_sibling()) {
            node = node.parent();
            --depth;
            if (!node || node == document) {
                return {};
            }
        }
        node = node.next_sibling();
    }
    return {};
}

} // namespace vd
