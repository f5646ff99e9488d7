// Text that XML 1.0 cannot hold never reaches a saved project, however it arrives.
#include "model/xml/XmlText.h"
#include "model/RadioText.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

TEST(XmlText, FindsAndReplacesWhatXmlCannotHold) {
    struct Row {
        std::string text;
        std::string problem; ///< part of XmlTextProblem's answer, empty for sound text
        std::string asXml;   ///< ToXmlText
    };
    const Row rows[] = {
        {"Base\t1\r\n", "", "Base\t1\r\n"},
        {"Z\xC3\xBCrich \xE4\xB8\xAD", "", "Z\xC3\xBCrich \xE4\xB8\xAD"},
        {"A\x01"
         "B",
         "control character U+0001", "A?B"},
        {"A\x7F", "", "A\x7F"},
        {"\xFF"
         "A",
         "invalid UTF-8 byte 0xFF", "?A"},
        {"\xC0\xAF", "invalid UTF-8 byte 0xC0", "??"},      // overlong '/'
        {"\xED\xA0\x80", "invalid UTF-8 byte 0xED", "???"}, // a surrogate
        {"\xEF\xBF\xBE", "control character U+FFFE", "?"},  // not a character
        {"\xE4\xB8", "invalid UTF-8 byte 0xE4", "??"},      // cut short
    };
    for (const Row& row : rows) {
        const std::string problem = XmlTextProblem(row.text);
        EXPECT_EQ(problem.empty(), row.problem.empty()) << row.text;
        EXPECT_NE(problem.find(row.problem), std::string::npos) << problem;
        EXPECT_EQ(ToXmlText(row.text), row.asXml);
        EXPECT_TRUE(XmlTextProblem(ToXmlText(row.text)).empty());
    }
}

TEST(RadioText, CountsCharactersAndNamesTheOneTheRadioLacks) {
    EXPECT_EQ(CharacterCount("\xC3\x84\xC3\x84\xC3\x84"), 3u);
    EXPECT_EQ(RadioTextProblem("Base 1-2 ~"), "");
    EXPECT_NE(RadioTextProblem("Z\xC3\xBCrich").find("'\xC3\xBC' (U+00FC)"), std::string::npos);
    EXPECT_NE(RadioTextProblem("A\tB").find("U+0009"), std::string::npos);
    EXPECT_NE(RadioTextProblem("A\x7F").find("U+007F"), std::string::npos);
}

} // namespace
} // namespace vd
