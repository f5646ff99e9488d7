#include "document/ValueJudge.h"

#include "model/TextNumber.h"

#include <algorithm>
#include <fmt/format.h>

namespace vd {

bool IsWholeNumberText(const std::string& value) {
    const size_t start = (!value.empty() && (value[0] == '-' || value[0] == '+')) ? 1 : 0;
    // more than 18 digits would not fit the number the rules compare with
    return start < value.size() && value.size() - start <= 18 &&
           value.find_first_not_of("0123456789", start) == std::string::npos;
}

const std::optional<ValueRule>& ValueJudge::RuleOf(const std::string& name) {
    auto found = rules_.find(name);
    if (found == rules_.end()) {
        ValueRule rule;
        std::optional<ValueRule> entry;
        if (control_.ValidateValue(name, rule.kind, rule.lower, rule.upper, rule.allowedChars)) {
            entry = std::move(rule);
        }
        found = rules_.emplace(name, std::move(entry)).first;
    }
    return found->second;
}

const ValueJudge::Choices& ValueJudge::ChoicesOf(const std::string& name,
                                                 const std::string& choiceValue) {
    auto found = choices_.find(name);
    if (found != choices_.end()) {
        return found->second;
    }
    Choices choices;
    size_t start = 0;
    while (start <= choiceValue.size()) {
        size_t end = choiceValue.find('|', start);
        if (end == std::string::npos) {
            end = choiceValue.size();
        }
        const std::string entry = choiceValue.substr(start, end - start);
        const size_t colon = entry.find(':');
        if (colon != std::string::npos) {
            choices.numbers.push_back(ParseDecimal(entry.substr(0, colon)));
            choices.text += fmt::format("{}{} ({})", choices.text.empty() ? "" : ", ",
                                        entry.substr(0, colon), entry.substr(colon + 1));
        }
        start = end + 1;
    }
    std::sort(choices.numbers.begin(), choices.numbers.end());
    return choices_.emplace(name, std::move(choices)).first->second;
}

ValueVerdict ValueJudge::Judge(const HamCpsElement& element, const std::string& value) {
    ValueVerdict verdict;
    // "0" is how a check box read from a radio comes back; the codecs take it as empty
    if (element.controlType == 2 && !value.empty() && value != "1" && value != "0") {
        verdict.fault = ValueFault::NotCheckBox;
        return verdict;
    }
    if (element.controlType == 3) {
        const Choices& choices = ChoicesOf(element.name, element.choiceValue);
        // a list without choices has nothing to hold the value against
        if (!choices.numbers.empty() &&
            (!IsWholeNumberText(value) ||
             !std::binary_search(choices.numbers.begin(), choices.numbers.end(),
                                 ParseDecimal(value)))) {
            verdict.fault = ValueFault::NotAChoice;
            verdict.allowed = choices.text;
            return verdict;
        }
    }
    const std::optional<ValueRule>& rule = RuleOf(element.name);
    if (!rule) {
        return verdict;
    }
    if (rule->kind == "char") {
        const auto length = static_cast<long long>(value.size());
        if (!rule->upper.empty() && length > rule->upper.front()) {
            verdict.fault = ValueFault::TooLong;
            verdict.limit = rule->upper.front();
        } else if (!rule->lower.empty() && length < rule->lower.front()) {
            verdict.fault = ValueFault::TooShort;
            verdict.limit = rule->lower.front();
        } else if (!rule->allowedChars.empty() &&
                   value.find_first_not_of(rule->allowedChars) != std::string::npos) {
            verdict.fault = ValueFault::CharacterNotSet;
            verdict.allowed = rule->allowedChars;
        }
        return verdict;
    }
    auto ranges = [&rule] {
        std::string text;
        for (size_t i = 0; i < rule->lower.size() && i < rule->upper.size(); ++i) {
            text +=
                fmt::format("{}{}-{}", text.empty() ? "" : ", ", rule->lower[i], rule->upper[i]);
        }
        return text;
    };
    if (!IsWholeNumberText(value)) {
        verdict.fault = ValueFault::NotANumber;
        verdict.allowed = ranges();
        return verdict;
    }
    const long long number = ParseDecimal(value);
    for (size_t i = 0; i < rule->lower.size() && i < rule->upper.size(); ++i) {
        if (number >= rule->lower[i] && number <= rule->upper[i]) {
            return verdict;
        }
    }
    verdict.allowed = ranges();
    if (!verdict.allowed.empty()) {
        verdict.fault = ValueFault::OutOfRange;
    }
    return verdict;
}

} // namespace vd
