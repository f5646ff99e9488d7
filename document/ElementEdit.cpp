#include "document/ElementEdit.h"

#include "model/TextNumber.h"

#include <boost/algorithm/string/split.hpp>
#include <fmt/format.h>

namespace vd {

namespace {

bool IsWholeNumber(const std::string& value) {
    size_t i = (!value.empty() && (value[0] == '-' || value[0] == '+')) ? 1 : 0;
    if (i >= value.size()) {
        return false;
    }
    for (; i < value.size(); ++i) {
        if (value[i] < '0' || value[i] > '9') {
            return false;
        }
    }
    return true;
}

std::string CheckChoice(const HamCpsElement& element, const std::string& value) {
    std::vector<std::string> entries;
    boost::algorithm::split(entries, element.choiceValue, [](char c) { return c == '|'; });
    std::string allowed;
    for (const std::string& entry : entries) {
        const size_t colon = entry.find(':');
        if (entry.empty() || colon == std::string::npos) {
            continue;
        }
        const std::string number = entry.substr(0, colon);
        if (IsWholeNumber(value) && ParseDecimal(number) == ParseDecimal(value)) {
            return {};
        }
        allowed +=
            fmt::format("{}{} ({})", allowed.empty() ? "" : ", ", number, entry.substr(colon + 1));
    }
    if (allowed.empty()) {
        return {}; // no choices to hold the value against
    }
    return fmt::format("{} must be one of: {}", element.name, allowed);
}

std::string CheckRule(HamCpsControl& control, const HamCpsElement& element,
                      const std::string& value) {
    std::string kind;
    std::string allowedChars;
    std::vector<long long> lower;
    std::vector<long long> upper;
    if (!control.ValidateValue(element.name, kind, lower, upper, allowedChars)) {
        return {};
    }
    if (kind == "char") {
        if (!upper.empty() && static_cast<long long>(value.size()) > upper.front()) {
            return fmt::format("{} takes at most {} characters", element.name, upper.front());
        }
        if (!lower.empty() && static_cast<long long>(value.size()) < lower.front()) {
            return fmt::format("{} takes at least {} characters", element.name, lower.front());
        }
        if (!allowedChars.empty()) {
            for (char c : value) {
                if (allowedChars.find(c) == std::string::npos) {
                    return fmt::format("{} takes only the characters {}", element.name,
                                       allowedChars);
                }
            }
        }
        return {};
    }
    if (!IsWholeNumber(value)) {
        return fmt::format("{} takes a whole number", element.name);
    }
    const long long number = ParseDecimal(value);
    std::string ranges;
    for (size_t i = 0; i < lower.size() && i < upper.size(); ++i) {
        if (number >= lower[i] && number <= upper[i]) {
            return {};
        }
        ranges += fmt::format("{}{}-{}", ranges.empty() ? "" : ", ", lower[i], upper[i]);
    }
    return ranges.empty() ? std::string() : fmt::format("{} must lie in {}", element.name, ranges);
}

} // namespace

std::string CheckElementValue(HamCpsControl& control, const HamCpsElement& element,
                              const std::string& value) {
    if (element.controlType == 2 && !value.empty() && value != "1") {
        return fmt::format("{} is a check box: use 1 or an empty value", element.name);
    }
    if (element.controlType == 3) {
        if (std::string error = CheckChoice(element, value); !error.empty()) {
            return error;
        }
    }
    return CheckRule(control, element, value);
}

EditResult SetElementValue(HamCpsControl& control, const HamCpsElement& element,
                           const std::string& value, bool force) {
    EditResult result;
    if (!force && element.IsLocked(control)) {
        result.error =
            fmt::format("{} is read-only (use --force to change it anyway)", element.name);
        return result;
    }
    result.error = CheckElementValue(control, element, value);
    if (!result.error.empty()) {
        return result;
    }
    const std::string record = element.IsChild() ? element.parentID : element.id;
    const std::string field = element.IsChild() ? element.id : std::string();
    if (!control.SetInputValue(record, field, value, force)) {
        result.error = fmt::format("{} could not be stored", element.name);
        return result;
    }
    result.stored = true;
    control.OnValueChanged(element, value, result.dependents);
    return result;
}

} // namespace vd
