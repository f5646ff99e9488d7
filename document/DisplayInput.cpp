#include "document/DisplayInput.h"

#include "document/DisplayValue.h"
#include "document/ElementEdit.h"
#include "document/ValueJudge.h"
#include "model/CommonCpsControl.h"
#include "model/DisplayLanguage.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fmt/format.h>
#include <string_view>

namespace vd {

namespace {

// The element kinds of the template's controlType.
constexpr int kCheckBox = 2;
constexpr int kChoice = 3;
constexpr std::size_t kHertzDecimals = 6;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::optional<std::string> CheckBoxValue(const std::string& text) {
    const std::string lower = Lower(text);
    for (const char* on : {"1", "on", "true", "yes"}) {
        if (lower == on) {
            return std::string("1");
        }
    }
    for (const char* off : {"", "0", "off", "false", "no"}) {
        if (lower == off) {
            return std::string();
        }
    }
    return std::nullopt;
}

/// The choice number of a text in the shown language's list, else in the other language's.
std::optional<std::string> ChoiceValue(HamCpsControl& control, const HamCpsElement& element,
                                       const std::string& text) {
    if (IsWholeNumberText(text)) {
        return text;
    }
    if (std::optional<std::string> number = ChoiceNumber(element.choiceValue, text)) {
        return number;
    }
    for (const char* language : {"ENG", "CHN"}) {
        if (language != DisplayLanguageSuffix()) {
            const std::string other = control.GetTextIn(element, "choiceValue", language);
            if (std::optional<std::string> number = ChoiceNumber(other, text)) {
                return number;
            }
        }
    }
    return std::nullopt;
}

/// A reference in display form: "None" or nothing for none, the marker's display text for
/// the marker (the power-up zone's "AllChannel"), else a record's name or id.
StoredInput ReferenceValue(HamCpsControl& control, const HamCpsElement& element,
                           const std::string& text) {
    if (text.empty() || Lower(text) == Lower(kDisplayNone)) {
        return {std::string(), {}};
    }
    std::string value = text;
    auto* common = dynamic_cast<CommonCpsControl*>(&control);
    if (Lower(text) == Lower(kDisplayAllChannel) && common &&
        !common->IsValueAllowed(kAllChannelZoneValue, element.name)) {
        value = kAllChannelZoneValue;
    }
    if (std::string error = CheckElementValue(control, element, value); !error.empty()) {
        return {std::nullopt, error};
    }
    if (std::string error = ResolveReference(control, element, value); !error.empty()) {
        return {std::nullopt, error};
    }
    return {value, {}};
}

} // namespace

std::optional<std::string> HertzFromMegahertz(const std::string& text) {
    const std::size_t point = text.find('.');
    if (point == std::string::npos) {
        return std::nullopt;
    }
    const std::string whole = text.substr(0, point);
    std::string fraction = text.substr(point + 1);
    const auto digits = [](const std::string& part) {
        return part.find_first_not_of("0123456789") == std::string::npos;
    };
    if (!digits(whole) || !digits(fraction) || (whole.empty() && fraction.empty()) ||
        whole.size() > 6) {
        return std::nullopt;
    }
    // zeros past the sixth decimal change nothing; any other digit there is below a hertz
    while (fraction.size() > kHertzDecimals && fraction.back() == '0') {
        fraction.pop_back();
    }
    if (fraction.size() > kHertzDecimals) {
        return std::nullopt;
    }
    fraction.append(kHertzDecimals - fraction.size(), '0');
    std::string hertz = (whole.empty() ? std::string("0") : whole) + fraction;
    hertz.erase(0, std::min(hertz.find_first_not_of('0'), hertz.size() - 1));
    return hertz;
}

StoredInput StoredFromDisplay(HamCpsControl& control, const HamCpsElement& element,
                              const std::string& text) {
    if (control.IsReferenceName(element.name)) {
        return ReferenceValue(control, element, text);
    }
    std::string value = text;
    if (element.controlType == kCheckBox) {
        value = CheckBoxValue(text).value_or(text);
    } else if (element.controlType == kChoice) {
        value = ChoiceValue(control, element, text).value_or(text);
    } else if (text.find('.') != std::string::npos && IsFrequencyName(control, element.name)) {
        std::optional<std::string> hertz = HertzFromMegahertz(text);
        if (!hertz) {
            return {std::nullopt,
                    fmt::format("{}: '{}' is not a frequency in MHz with at most six decimals",
                                element.name, text)};
        }
        value = *hertz;
    }
    if (std::string error = CheckElementValue(control, element, value); !error.empty()) {
        return {std::nullopt, error};
    }
    return {value, {}};
}

} // namespace vd
