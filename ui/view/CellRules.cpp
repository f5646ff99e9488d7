#include "ui/view/CellRules.h"

#include "document/DisplayValue.h"
#include "model/TextNumber.h"

#include <QStringList>
#include <cmath>
#include <cstdio>
#include <limits>

namespace vd {

std::optional<ValueRule> LookUpRule(HamCpsControl& control, const std::string& name) {
    ValueRule rule;
    if (!control.ValidateValue(name, rule.kind, rule.lower, rule.upper, rule.allowedChars)) {
        return std::nullopt;
    }
    return rule;
}

bool IsFrequencyRule(const ValueRule& rule) {
    return rule.kind == "value" && !rule.lower.empty() && rule.lower.front() > 1000000;
}

QString FrequencyToDisplay(const std::string& hertz) {
    // the one formatter of the core, shared with vdcps diff and every later export
    return QString::fromStdString(FrequencyText(hertz));
}

std::optional<std::string> FrequencyFromDisplay(const QString& megahertz) {
    bool ok = false;
    const double value = megahertz.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > 9.0e12) {
        return std::nullopt;
    }
    char text[64] = {};
    std::snprintf(text, sizeof text, "%.0f", value * 1000000.0);
    return std::string(text);
}

long long NearestInRange(long long value, const ValueRule& rule) {
    const size_t ranges = std::min(rule.lower.size(), rule.upper.size());
    if (ranges == 0) {
        return value;
    }
    long long nearest = value;
    unsigned long long best = std::numeric_limits<unsigned long long>::max();
    auto consider = [&](long long bound) {
        const unsigned long long distance =
            value > bound
                ? static_cast<unsigned long long>(value) - static_cast<unsigned long long>(bound)
                : static_cast<unsigned long long>(bound) - static_cast<unsigned long long>(value);
        if (distance < best) {
            best = distance;
            nearest = bound;
        }
    };
    for (size_t i = 0; i < ranges; ++i) {
        if (value >= rule.lower[i] && value <= rule.upper[i]) {
            return value;
        }
        consider(rule.lower[i]);
        consider(rule.upper[i]);
    }
    return nearest;
}

std::optional<long long> ParseWholeNumber(const QString& text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<long long>(value) : std::nullopt;
}

CharRuleResult ApplyCharRule(const QString& text, const ValueRule& rule) {
    CharRuleResult result;
    const std::u32string allowed = QString::fromStdString(rule.allowedChars).toStdU32String();
    std::u32string kept;
    for (char32_t code : text.toStdU32String()) {
        if (code <= 32 || code == 127) {
            continue;
        }
        if (!allowed.empty()) {
            const QString single = QString::fromStdU32String(std::u32string(1, code));
            const std::u32string upper = single.toUpper().toStdU32String();
            const std::u32string lower = single.toLower().toStdU32String();
            if (upper.size() == 1 && allowed.find(upper[0]) != std::u32string::npos) {
                code = upper[0];
            } else if (lower.size() == 1 && allowed.find(lower[0]) != std::u32string::npos) {
                code = lower[0];
            } else {
                result.droppedOutsideSet = true;
                continue;
            }
        }
        kept.push_back(code);
    }
    if (!rule.upper.empty() && rule.upper.front() >= 0 &&
        kept.size() > static_cast<size_t>(rule.upper.front())) {
        kept.resize(static_cast<size_t>(rule.upper.front()));
    }
    result.text = QString::fromStdU32String(kept);
    return result;
}

std::vector<OwnChoice> SplitOwnChoices(const std::string& choiceValue) {
    std::vector<OwnChoice> choices;
    const QStringList entries =
        QString::fromStdString(choiceValue).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    for (const QString& entry : entries) {
        const qsizetype colon = entry.indexOf(QLatin1Char(':'));
        OwnChoice choice;
        if (colon < 0) {
            choice.text = entry;
        } else {
            choice.value = ParseDecimal(entry.left(colon).toStdString());
            choice.text = entry.mid(colon + 1);
        }
        choices.push_back(std::move(choice));
    }
    return choices;
}

QString OwnChoiceText(const std::vector<OwnChoice>& choices, const std::string& stored) {
    const long long value = ParseDecimal(stored);
    for (const OwnChoice& choice : choices) {
        if (choice.value == value) {
            return choice.text;
        }
    }
    return QString::fromStdString(stored);
}

} // namespace vd
