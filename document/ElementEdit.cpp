#include "document/ElementEdit.h"

#include "model/CommonCpsControl.h"
#include "model/RadioText.h"
#include "model/TextNumber.h"
#include "model/xml/XmlText.h"

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
        // text the radio stores: refused, never changed on the way to the radio
        if (std::string problem = RadioTextProblem(value); !problem.empty()) {
            return fmt::format("{}: {}", element.name, problem);
        }
        const auto length = static_cast<long long>(CharacterCount(value));
        if (!upper.empty() && length > upper.front()) {
            return fmt::format("{} takes at most {} characters", element.name, upper.front());
        }
        if (!lower.empty() && length < lower.front()) {
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
    bool inRange = lower.empty() || upper.empty();
    for (size_t i = 0; i < lower.size() && i < upper.size() && !inRange; ++i) {
        inRange = number >= lower[i] && number <= upper[i];
        ranges += fmt::format("{}{}-{}", ranges.empty() ? "" : ", ", lower[i], upper[i]);
    }
    if (!inRange) {
        return fmt::format("{} must lie in {}", element.name, ranges);
    }
    // a value between the radio's steps would reach it rounded: refuse it instead
    const int step = control.ValueStep(element.name);
    if (step > 1 && number % step != 0) {
        return fmt::format("{} must be a multiple of {} (the radio's step)", element.name, step);
    }
    return {};
}

/// Control characters and bytes that are not UTF-8: never a value of any element.
std::string CheckPlainText(const HamCpsElement& element, const std::string& value) {
    if (std::string problem = XmlTextProblem(value); !problem.empty()) {
        return fmt::format("{}: the value holds {}", element.name, problem);
    }
    for (char c : value) {
        if (c == '\t' || c == '\n' || c == '\r' || c == '\x7F') {
            return fmt::format("{}: the value holds a control character U+{:04X}", element.name,
                               static_cast<unsigned>(c));
        }
    }
    return {};
}

} // namespace

std::string ResolveReference(HamCpsControl& control, const HamCpsElement& element,
                             std::string& value) {
    auto* common = dynamic_cast<CommonCpsControl*>(&control);
    if (value.empty() || !control.IsReferenceName(element.name) ||
        (common && !common->IsValueAllowed(value, element.name))) {
        return {};
    }
    const std::string target = control.GetReferenceTarget(element.name);
    if (target.empty()) {
        return {};
    }
    if (std::unique_ptr<HamCpsElement> record = control.GetElement(value)) {
        if (record->name == target && record->controlType != 0) {
            return {};
        }
        return fmt::format("{}: {} is a {}{}, where a record of {} is expected", element.name,
                           value, record->name, record->controlType == 0 ? " not in use" : "",
                           target);
    }
    ElementList candidates;
    control.GetElementsByName(target, candidates);
    std::string found;
    for (const ElementPtr& candidate : candidates) {
        if (candidate->controlType == 0 || candidate->inputValue != value) {
            continue;
        }
        if (!found.empty()) {
            return fmt::format("{}: more than one {} is called '{}' ({} and {}); give its id",
                               element.name, target, value, found, candidate->id);
        }
        found = candidate->id;
    }
    if (found.empty()) {
        return fmt::format("{}: there is no {} record '{}'", element.name, target, value);
    }
    value = found;
    return {};
}

std::string CheckElementValue(HamCpsControl& control, const HamCpsElement& element,
                              const std::string& value) {
    if (std::string error = CheckPlainText(element, value); !error.empty()) {
        return error;
    }
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
    std::string stored = value;
    if (result.error.empty()) {
        result.error = ResolveReference(control, element, stored);
    }
    if (!result.error.empty()) {
        return result;
    }
    const std::string record = element.IsChild() ? element.parentID : element.id;
    const std::string field = element.IsChild() ? element.id : std::string();
    if (!control.SetInputValue(record, field, stored, force)) {
        result.error = fmt::format("{} could not be stored", element.name);
        return result;
    }
    result.stored = true;
    control.OnValueChanged(element, stored, result.dependents);
    return result;
}

} // namespace vd
