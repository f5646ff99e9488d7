#pragma once
#include "model/HamCpsControl.h"

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace vd {

/// A model's value rule for one element name: "char" bounds the length and may name the
/// allowed characters, "value" gives inclusive numeric ranges.
struct ValueRule {
    std::string kind;
    std::vector<long long> lower;
    std::vector<long long> upper;
    std::string allowedChars;
};

/// The model's rule for an element name, or none.
std::optional<ValueRule> LookUpRule(HamCpsControl& control, const std::string& name);

/// Whether a rule marks a frequency: a "value" rule whose first minimum is above 1 MHz. Such
/// values are whole hertz, shown in megahertz.
bool IsFrequencyRule(const ValueRule& rule);

/// Hertz as megahertz with six decimals ("145000000" -> "145.000000"); text that is not a
/// number is shown as it is.
QString FrequencyToDisplay(const std::string& hertz);

/// Megahertz typed by a person back to whole hertz ("145.0125" -> "145012500"); none when
/// the text is not a number.
std::optional<std::string> FrequencyFromDisplay(const QString& megahertz);

/// A number moved into the rule's ranges: unchanged when some range holds it, else the
/// range bound nearest to it (the lower bound wins a tie).
long long NearestInRange(long long value, const ValueRule& rule);

/// A whole number typed by a person; none for anything else.
std::optional<long long> ParseWholeNumber(const QString& text);

/// The text after a "char" rule: blanks and control characters dropped, letters turned to
/// the case the allowed set holds, characters outside the set dropped, cut to the maximum
/// length.
struct CharRuleResult {
    QString text;
    bool droppedOutsideSet = false; ///< some character was not in the allowed set
};
CharRuleResult ApplyCharRule(const QString& text, const ValueRule& rule);

/// One entry of an element's own choice list ("2:High").
struct OwnChoice {
    long long value = 0;
    QString text;
};

/// An element's choice list split at "|"; empty entries are skipped, an entry without a
/// colon stands for the number 0 with the whole entry as text.
std::vector<OwnChoice> SplitOwnChoices(const std::string& choiceValue);

/// The text of the entry whose value equals the stored value read as a number; the stored
/// value itself when no entry has it.
QString OwnChoiceText(const std::vector<OwnChoice>& choices, const std::string& stored);

} // namespace vd
