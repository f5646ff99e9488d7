// Text that XML 1.0 cannot hold is found and replaced however it arrives.
#include "model/xml/XmlText.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

namespace vd {
namespace {

TEST(XmlText, FindsAndReplacesWhatXmlCannotHold) {
    struct Row {
        std::string text, problem, asXml; ///< problem: part of the answer, empty when sound
    };
    const Row rows[] = {
        {"Base\t1\r\n \xE4\xB8\xAD", "", "Base\t1\r\n \xE4\xB8\xAD"},
        {"\xF0\x9F\x93\xBB", "", "\xF0\x9F\x93\xBB"}, // four bytes: a radio emoji
        {"Kan\xC3\xA4le", "", "Kan\xC3\xA4le"},       // two bytes
        {"A\x01"
         "B",
         "control character U+0001", "A?B"},
        {"\xFF"
         "A",
         "invalid UTF-8 byte 0xFF", "?A"},
        {"\xC0\xAF", "invalid UTF-8 byte 0xC0", "??"},      // an overlong '/'
        {"\xED\xA0\x80", "invalid UTF-8 byte 0xED", "???"}, // a surrogate
        {"\xEF\xBF\xBE", "control character U+FFFE", "?"},  // not a character
        {"\xE4\xB8", "invalid UTF-8 byte 0xE4", "??"},      // cut short
    };
    for (const Row& row : rows) {
        const std::string problem = XmlTextProblem(row.text);
        EXPECT_EQ(problem.empty(), row.problem.empty()) << row.text;
        EXPECT_NE(problem.find(row.problem), std::string::npos) << problem;
        EXPECT_EQ(ToXmlText(row.text), row.asXml);
    }
}

TEST(XmlText, DocumentsAreCheckedThroughoutBeforeUse) {
    std::string nested;
    for (int i = 0; i < 40; ++i) {
        nested += "<n>";
    }
    for (int i = 0; i < 40; ++i) {
        nested += "</n>";
    }
    const std::pair<std::string, std::string> rows[] = {
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?><r/>", ""},
        {"<?xml version=\"1.0\" encoding=\"latin1\"?><r/>", ""},
        {"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><r/>", "encoding \"Shift_JIS\""},
        {nested, "nested deeper than 32 levels"},
        // a fault after a finished branch is still found
        {"<r><a><c/></a><b x=\"&#1;\"/></r>", "attribute x of <b> holds a control character"},
        {"<r><a>&#2;</a></r>", "the text in <a> holds a control character"},
    };
    for (const auto& [text, problem] : rows) {
        pugi::xml_document document;
        ASSERT_TRUE(
            document.load_string(text.c_str(), pugi::parse_default | pugi::parse_declaration))
            << text;
        const std::string found = XmlDocumentProblem(document);
        EXPECT_EQ(found.empty(), problem.empty()) << text << ": " << found;
        EXPECT_NE(found.find(problem), std::string::npos) << found;
    }
}

} // namespace
} // namespace vd
