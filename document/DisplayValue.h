#pragma once
#include "model/HamCpsControl.h"

#include <optional>
#include <string>

namespace vd {

/// Texts the desktop program shows in place of stored values.
inline constexpr const char* kDisplayNone = "None";             ///< an empty reference
inline constexpr const char* kDisplayAllChannel = "AllChannel"; ///< power-up zone "0x0FFF"
inline constexpr const char* kAllChannelZoneValue = "0x0FFF";
inline constexpr const char* kDisplayMasked = "*********"; ///< a password that is set

/// Hertz as megahertz with six decimals ("145000000" -> "145.000000"); text that is not a
/// whole number comes back as it is.
std::string FrequencyText(const std::string& hertz);

/// Whether the model's value rule for an element name marks a frequency (whole hertz, shown
/// in megahertz): a "value" rule whose first minimum is above 1 MHz.
bool IsFrequencyName(HamCpsControl& control, const std::string& name);

/// The text of the choice whose number is the stored value, from a choice list "0:Low|1:High";
/// none when no choice has it.
std::optional<std::string> ChoiceText(const std::string& choiceValue, const std::string& stored);

/// The number of the choice whose text is `text` in a choice list "0:Low|1:High", matched
/// without regard to case; a text may leave out the choice's unit ("88.5" for "88.5 Hz").
/// None when no choice has that text.
std::optional<std::string> ChoiceNumber(const std::string& choiceValue, const std::string& text);

/// The value of an element or record field as the desktop program shows it: frequencies in
/// MHz, choices by their text, references by the name of the record they name ("None" for
/// none), check boxes as "On"/"Off", a set password masked; anything else as stored.
std::string DisplayValue(HamCpsControl& control, const HamCpsElement& element);

} // namespace vd
