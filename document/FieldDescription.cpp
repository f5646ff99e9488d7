#include "document/FieldDescription.h"

#include <boost/algorithm/string/split.hpp>
#include <fmt/format.h>

#include <vector>

namespace vd {

namespace {

std::string DescribeChoices(const std::string& choiceValue) {
    std::vector<std::string> entries;
    boost::algorithm::split(entries, choiceValue, [](char c) { return c == '|'; });
    std::string text;
    for (const std::string& entry : entries) {
        const size_t colon = entry.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        text += fmt::format("{}{} ({})", text.empty() ? "" : ", ", entry.substr(0, colon),
                            entry.substr(colon + 1));
    }
    return text;
}

std::string DescribeRule(HamCpsControl& control, const HamCpsElement& element) {
    std::string kind;
    std::string allowed;
    std::vector<long long> lower;
    std::vector<long long> upper;
    if (!control.ValidateValue(element.name, kind, lower, upper, allowed)) {
        return {};
    }
    if (kind == "char") {
        std::string text =
            upper.empty() ? "text" : fmt::format("text, at most {} characters", upper.front());
        return allowed.empty() ? text + " of printable ASCII" : text + " of " + allowed;
    }
    std::string ranges;
    for (size_t i = 0; i < lower.size() && i < upper.size(); ++i) {
        ranges += fmt::format("{}{}-{}", ranges.empty() ? "" : ", ", lower[i], upper[i]);
    }
    const int step = control.ValueStep(element.name);
    return fmt::format("whole number {}{}", ranges,
                       step > 1 ? fmt::format(", step {}", step) : std::string());
}

} // namespace

std::string DescribeAccepted(HamCpsControl& control, const HamCpsElement& element) {
    if (element.controlType == 2) {
        return "check box: 1 or empty";
    }
    if (control.IsReferenceName(element.name)) {
        const std::string target = control.GetReferenceTarget(element.name);
        if (!target.empty()) {
            return fmt::format("reference to a {} record (its id or name), empty for none", target);
        }
    }
    if (element.controlType == 3) {
        if (std::string choices = DescribeChoices(element.choiceValue); !choices.empty()) {
            return "choice: " + choices;
        }
    }
    if (std::string rule = DescribeRule(control, element); !rule.empty()) {
        return rule;
    }
    return "text";
}

} // namespace vd
