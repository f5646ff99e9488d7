#include "model/RadioText.h"

#include "model/xml/XmlText.h"

#include <fmt/format.h>

namespace vd {

bool IsRadioCharacter(char32_t code) {
    return code >= 0x20 && code < 0x7F;
}

size_t CharacterCount(std::string_view utf8) {
    size_t count = 0;
    char32_t code = 0;
    for (size_t at = 0; at < utf8.size(); ++count) {
        if (!NextCodePoint(utf8, at, code)) {
            ++at;
        }
    }
    return count;
}

std::string RadioTextProblem(std::string_view utf8) {
    if (std::string problem = XmlTextProblem(utf8); !problem.empty()) {
        return "the text holds " + problem;
    }
    char32_t code = 0;
    for (size_t at = 0; at < utf8.size();) {
        const size_t start = at;
        NextCodePoint(utf8, at, code);
        if (!IsRadioCharacter(code)) {
            const bool printable = code >= 0xA0;
            return fmt::format("the radio cannot store the character {}(U+{:04X})",
                               printable ? "'" + std::string(utf8.substr(start, at - start)) + "' "
                                         : std::string(),
                               static_cast<unsigned>(code));
        }
    }
    return {};
}

} // namespace vd
