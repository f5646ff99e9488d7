#pragma once
#include "model/HamCpsControl.h"

#include <optional>
#include <string>

namespace vd {

/// A value typed in display form, turned into the form the model stores, or why it cannot be.
struct StoredInput {
    std::optional<std::string> stored; ///< the stored form; none when refused
    std::string error;                 ///< why the text was refused
};

/// Megahertz text with a decimal point as whole hertz, exactly ("151.625" -> "151625000");
/// none when the text is not such a number or needs more than six decimals.
std::optional<std::string> HertzFromMegahertz(const std::string& text);

/// The inverse of DisplayValue: text as a person types it becomes the value the model stores.
/// Frequencies with a decimal point are megahertz (a whole number keeps meaning hertz);
/// choices are given by number or by text (English or, when the template has it, Chinese);
/// references by the record's name or id, "None" or nothing for none; check boxes as
/// On/Off, 1/0, true/false, yes/no. The model's value rules then judge the result.
StoredInput StoredFromDisplay(HamCpsControl& control, const HamCpsElement& element,
                              const std::string& text);

} // namespace vd
