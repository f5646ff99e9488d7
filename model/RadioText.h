#pragma once
#include <string>
#include <string_view>

namespace vd {

/// Whether the radios can show and store a character: their displays know printable ASCII
/// only, the space included.
bool IsRadioCharacter(char32_t code);

/// Number of characters (not bytes) of a UTF-8 text; an invalid byte counts as one.
size_t CharacterCount(std::string_view utf8);

/// Why a text typed for the radio cannot be stored as it is ("the radio cannot store the
/// character 'ü' (U+00FC)"), or empty text when every character fits.
std::string RadioTextProblem(std::string_view utf8);

} // namespace vd
