// Text that XML 1.0 cannot hold is found and replaced however it arrives.
#include "model/xml/XmlText.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

TEST(XmlText, FindsAndReplacesWhatXmlCannotHold) {
    struct Row {
        std::string text, problem, asXml; ///< problem: part of the answer, empty when sound
    };
    const Row rows[] = {
        {"Base\t1\r\n \xE4\xB8\xAD", "", "Base\t1\r\n \xE4\xB8\xAD"},
        {"\xF0\x9F\x93\xBB", "", "\xF0\x9F\x93\xBB"}, // four bytes: a radio emoji
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

} // namespace
} // namespace vd
