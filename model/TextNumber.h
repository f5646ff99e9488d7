#pragma once
#include <string>
#include <string_view>

namespace vd {

/// Reads a decimal integer the forgiving way stored values are read everywhere: leading
/// blanks, an optional sign, then digits; text without digits reads as 0, and a value too
/// large for 64 bits saturates.
long long ParseDecimal(std::string_view text);

/// ParseDecimal narrowed to int, saturating at the int range.
int ParseDecimalInt(std::string_view text);

/// Decimal text of a number.
inline std::string DecimalText(long long value) {
    return std::to_string(value);
}

} // namespace vd
