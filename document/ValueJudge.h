#pragma once
#include "model/HamCpsControl.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace vd {

/// Why a value breaks the rules of its element.
enum class ValueFault {
    None,
    NotCheckBox,     ///< a check box holds "1" or nothing
    NotAChoice,      ///< a drop-down value that is none of its choices
    NotANumber,      ///< a "value" rule wants a whole number
    OutOfRange,      ///< a number outside every range of the rule
    TooLong,         ///< a "char" rule's maximum length
    TooShort,        ///< a "char" rule's minimum length
    CharacterNotSet, ///< a character outside the rule's allowed characters
};

/// What a value was held against and how it fared.
struct ValueVerdict {
    ValueFault fault = ValueFault::None;
    std::string allowed; ///< the choices, ranges or characters the value should have kept to
    long long limit = 0; ///< the length bound that was broken
};

/// A model's value rule for one element name, as ValidateValue hands it out.
struct ValueRule {
    std::string kind; ///< "char" or "value"
    std::vector<long long> lower;
    std::vector<long long> upper;
    std::string allowedChars;
};

/// Holds values against their elements' rules: the element's kind (check box, choices) and
/// the model's ValidateValue rule. It keeps the rules and choice lists it has looked up, so
/// that a whole project is judged with one look-up per element name and choice list.
class ValueJudge {
public:
    explicit ValueJudge(HamCpsControl& control) : control_(control) {}

    /// The model's rule for an element name, or none.
    const std::optional<ValueRule>& RuleOf(const std::string& name);
    /// The verdict on a value for an element.
    ValueVerdict Judge(const HamCpsElement& element, const std::string& value);

private:
    struct Choices {
        std::vector<long long> numbers;
        std::string text; ///< "0 (Off), 1 (On)"
    };
    /// The choices of an element name: fields of one name share their list.
    const Choices& ChoicesOf(const std::string& name, const std::string& choiceValue);

    HamCpsControl& control_;
    std::unordered_map<std::string, std::optional<ValueRule>> rules_;
    std::unordered_map<std::string, Choices> choices_; ///< by element name
};

/// Whether a text is a whole decimal number with an optional sign.
bool IsWholeNumberText(const std::string& value);

} // namespace vd
