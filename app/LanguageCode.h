#pragma once
#include <string>

namespace vd {

/// The user-interface language code ("ENG" or "CHN"): read from Option/language of cps.ini
/// (default "ENG") the first time it is needed, then kept.
std::string CurrentLanguageCode();

/// Makes code the current language and the suffix of the templates' display texts.
void SetCurrentLanguageCode(const std::string& code);

} // namespace vd
