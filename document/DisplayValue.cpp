#include "document/DisplayValue.h"

#include "model/TextNumber.h"

#include <algorithm>
#include <boost/algorithm/string/split.hpp>
#include <cctype>
#include <cstdio>
#include <string_view>
#include <vector>

namespace vd {

namespace {

// The element kinds of the template's controlType.
constexpr int kCheckBox = 2;
constexpr int kChoice = 3;
constexpr int kPassword = 4;
constexpr long long kMegahertz = 1000000;

bool IsWholeNumber(const std::string& text) {
    std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    return text.size() > start && text.find_first_not_of("0123456789", start) == std::string::npos;
}

std::string ReferenceText(HamCpsControl& control, const HamCpsElement& reference) {
    const std::string& value = reference.inputValue;
    if (value.empty()) {
        return kDisplayNone;
    }
    if (value == kAllChannelZoneValue) {
        return kDisplayAllChannel;
    }
    const std::unique_ptr<HamCpsElement> target = control.GetElement(value);
    if (!target || target->controlType == 0) {
        return kDisplayNone; // the record it named is gone
    }
    return target->inputValue;
}

bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

/// "88.5" names "88.5 Hz": the choice text is the given text, a space and a unit word.
bool NamesChoice(std::string_view choice, std::string_view text) {
    if (SameLetters(choice, text)) {
        return true;
    }
    if (text.empty() || choice.size() <= text.size() + 1 || choice[text.size()] != ' ' ||
        !SameLetters(choice.substr(0, text.size()), text)) {
        return false;
    }
    const std::string_view unit = choice.substr(text.size() + 1);
    return unit.find_first_of(" 0123456789") == std::string_view::npos;
}

} // namespace

std::string FrequencyText(const std::string& hertz) {
    if (!IsWholeNumber(hertz) || hertz.size() > 18) {
        return hertz;
    }
    char text[64] = {};
    std::snprintf(text, sizeof text, "%.6f",
                  static_cast<double>(ParseDecimal(hertz)) / static_cast<double>(kMegahertz));
    return text;
}

bool IsFrequencyName(HamCpsControl& control, const std::string& name) {
    std::string kind;
    std::vector<long long> lower;
    std::vector<long long> upper;
    std::string allowed;
    return control.ValidateValue(name, kind, lower, upper, allowed) && kind == "value" &&
           !lower.empty() && lower.front() > kMegahertz;
}

std::optional<std::string> ChoiceText(const std::string& choiceValue, const std::string& stored) {
    std::vector<std::string> entries;
    boost::algorithm::split(entries, choiceValue, [](char c) { return c == '|'; });
    const long long value = ParseDecimal(stored);
    for (const std::string& entry : entries) {
        if (entry.empty()) {
            continue;
        }
        const std::size_t colon = entry.find(':');
        // an entry without a number stands for 0
        const long long number =
            colon == std::string::npos ? 0 : ParseDecimal(entry.substr(0, colon));
        if (number == value) {
            return colon == std::string::npos ? entry : entry.substr(colon + 1);
        }
    }
    return std::nullopt;
}

std::optional<std::string> ChoiceNumber(const std::string& choiceValue, const std::string& text) {
    std::vector<std::string> entries;
    boost::algorithm::split(entries, choiceValue, [](char c) { return c == '|'; });
    for (const std::string& entry : entries) {
        const std::size_t colon = entry.find(':');
        const std::string_view choice = colon == std::string::npos
                                            ? std::string_view(entry)
                                            : std::string_view(entry).substr(colon + 1);
        if (!entry.empty() && NamesChoice(choice, text)) {
            return colon == std::string::npos ? std::string("0")
                                              : DecimalText(ParseDecimal(entry.substr(0, colon)));
        }
    }
    return std::nullopt;
}

std::string DisplayValue(HamCpsControl& control, const HamCpsElement& element) {
    const std::string& value = element.inputValue;
    if (control.IsReferenceName(element.name)) {
        return ReferenceText(control, element);
    }
    switch (element.controlType) {
    case kCheckBox:
        return value == "1" ? "On" : "Off";
    case kChoice:
        return ChoiceText(element.choiceValue, value).value_or(value);
    case kPassword:
        return value.empty() ? std::string() : kDisplayMasked;
    default:
        return IsFrequencyName(control, element.name) ? FrequencyText(value) : value;
    }
}

} // namespace vd
