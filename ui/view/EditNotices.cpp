#include "ui/view/EditNotices.h"

#include <QCoreApplication>
#include <QStringList>

namespace vd {

namespace {

QString ValueText(const ValueRule& rule, long long value) {
    return IsFrequencyRule(rule) ? FrequencyToDisplay(std::to_string(value))
                                 : QString::number(value);
}

QString Tr(const char* text) {
    return QCoreApplication::translate("vd::EditNotices", text);
}

} // namespace

QString RangeText(const ValueRule& rule) {
    QStringList ranges;
    for (size_t i = 0; i < rule.lower.size() && i < rule.upper.size(); ++i) {
        ranges << ValueText(rule, rule.lower[i]) + QChar(0x2013) + ValueText(rule, rule.upper[i]);
    }
    QString text = ranges.join(QStringLiteral(", "));
    if (IsFrequencyRule(rule) && !text.isEmpty()) {
        text += QStringLiteral(" MHz");
    }
    return text;
}

QString ClampNotice(const ValueRule& rule, long long typed, long long kept) {
    return Tr("%1 is outside %2; set to %3")
        .arg(ValueText(rule, typed), RangeText(rule), ValueText(rule, kept));
}

QString StepNotice(long long hertz) {
    if (hertz % 2500 == 0 || hertz % 6250 == 0) {
        return {};
    }
    return Tr("%1 MHz is not on a channel step (a multiple of 2.5 kHz or 6.25 kHz)")
        .arg(FrequencyToDisplay(std::to_string(hertz)));
}

QString NotANumberText(const QString& typed) {
    return Tr("\"%1\" is not a number; the value was not changed").arg(typed);
}

} // namespace vd
