#pragma once
#include <string>

namespace vd {

/// The language suffix of the display attributes ("ENG" reads textENG, "CHN" textCHN).
/// The application sets it from its language setting; model controls read it whenever
/// they read a display text.
const std::string& DisplayLanguageSuffix();

/// Changes the language suffix for every control.
void SetDisplayLanguageSuffix(const std::string& suffix);

} // namespace vd
