#pragma once
#include <string>
#include <utility>
#include <vector>

namespace vd::gx5 {

/// The value rule of a set of element names, as the grid checks an edited value: kind
/// "char" bounds the text's length (one range) and may limit its characters; kind "value"
/// gives inclusive numeric ranges.
struct ValueRule {
    std::vector<std::string> names;
    std::string namePrefix; ///< also every name that begins with it; empty for none
    std::string kind;
    std::vector<std::pair<long long, long long>> ranges;
    std::string allowedChars; ///< empty: any character
};

/// The GX5's rules, in the order they are tried.
const std::vector<ValueRule>& Gx5ValueRules();
/// The GX5G's frequency rule; the GX5G's other names follow the GX5's rules.
const ValueRule& Gx5gFrequencyRule();

/// The first rule that covers the name, or null.
const ValueRule* FindValueRule(const std::vector<ValueRule>& rules, const std::string& name);
/// Hands a rule out in the form of the control's ValidateValue.
void FillValueRule(const ValueRule& rule, std::string& kind, std::vector<long long>& lower,
                   std::vector<long long>& upper, std::string& allowedChars);

/// The key of an element in the read-only sets: its id, "_" and its name.
std::string ElementKeyText(const std::string& id, const std::string& name);

} // namespace vd::gx5
