#include "ui/view/ElementCells.h"

#include "model/HamCpsElement.h"
#include "model/RadioText.h"
#include "ui/view/EditNotices.h"
#include "ui/view/ReferenceCells.h"
#include "ui/view/ViewStrings.h"

namespace vd {

namespace {

bool IsReferenceElement(const HamCpsElement& element) {
    return IsReferenceCell(element.name);
}

void FillByControlType(ElementCellMaker& maker, const HamCpsElement& element, GridCell& cell,
                       bool withChoices) {
    const std::string& value = element.inputValue;
    switch (element.controlType) {
    case 2:
        cell.kind = CellKind::Check;
        cell.text = value == "1" ? QStringLiteral("1") : QString();
        return;
    case 3: {
        cell.kind = CellKind::Combo;
        const std::vector<OwnChoice>& choices = maker.OwnChoices(element.choiceValue);
        if (withChoices) {
            for (const OwnChoice& choice : choices) {
                cell.choices.push_back({choice.text, QString::number(choice.value)});
            }
        }
        cell.text = OwnChoiceText(choices, value);
        return;
    }
    case 4:
        cell.text = value.empty() ? QString() : QString::fromLatin1(kMaskText);
        return;
    case 5:
        cell.kind = CellKind::Button;
        cell.text = QString::fromStdString(value);
        return;
    case 7:
        cell.text = QString::fromStdString(value);
        return;
    case 8:
        cell.text = QString::fromStdString(value);
        cell.background = ColorFromBgr(kColouredTextColour);
        return;
    default: {
        const std::optional<ValueRule>& rule = maker.Facts(element.name).rule;
        cell.text = rule && IsFrequencyRule(*rule) ? FrequencyToDisplay(value)
                                                   : QString::fromStdString(value);
        return;
    }
    }
}

std::optional<std::string> ChoiceValue(const GridCell& cell, const QString& text, int chosen) {
    if (chosen >= 0 && static_cast<size_t>(chosen) < cell.choices.size() &&
        cell.choices[static_cast<size_t>(chosen)].text == text) {
        return cell.choices[static_cast<size_t>(chosen)].value.toStdString();
    }
    for (const GridChoice& choice : cell.choices) {
        if (choice.text == text) {
            return choice.value.toStdString();
        }
    }
    return std::nullopt;
}

} // namespace

std::vector<std::string> MemberValues(HamCpsControl& control, const HamCpsElement& field) {
    std::vector<std::string> values;
    if (!field.IsChild()) {
        if (!field.inputValue.empty()) {
            values.push_back(field.inputValue);
        }
        return values;
    }
    ElementList fields;
    control.GetChildElements(field.parentID, fields);
    for (const ElementPtr& sibling : fields) {
        if (sibling && sibling->name == field.name && !sibling->inputValue.empty()) {
            values.push_back(sibling->inputValue);
        }
    }
    return values;
}

ElementCellMaker::ElementCellMaker(HamCpsControl& control) : control_(control) {}

const ElementCellMaker::NameFacts& ElementCellMaker::Facts(const std::string& name) {
    auto found = facts_.find(name);
    if (found == facts_.end()) {
        NameFacts facts;
        facts.rule = LookUpRule(control_, name);
        if (facts.rule && facts.rule->kind != "char" && !IsReferenceCell(name)) {
            facts.range = RangeText(*facts.rule);
        }
        found = facts_.emplace(name, std::move(facts)).first;
    }
    return found->second;
}

const std::vector<OwnChoice>& ElementCellMaker::OwnChoices(const std::string& choiceValue) {
    auto found = choices_.find(choiceValue);
    if (found == choices_.end()) {
        found = choices_.emplace(choiceValue, SplitOwnChoices(choiceValue)).first;
    }
    return found->second;
}

GridCell ElementCellMaker::Make(const ElementPtr& element, bool memberCell, bool withChoices) {
    GridCell cell;
    cell.element = element;
    if (!element) {
        return cell;
    }
    cell.toolTip = QString::fromStdString(element->tiptext);
    const NameFacts& facts = Facts(element->name);
    const std::optional<ValueRule>& rule = facts.rule;
    if (rule && rule->kind == "char" && element->controlType != 4 && !rule->upper.empty()) {
        // the editor stops where the radio does (a masked cell shows stars, not the value)
        cell.maxLength = static_cast<int>(rule->upper.front());
        cell.allowedChars = QString::fromStdString(rule->allowedChars);
    }
    if (!facts.range.isEmpty()) {
        cell.toolTip += (cell.toolTip.isEmpty() ? QString() : QStringLiteral("\n")) + facts.range;
    }
    cell.enabled = !element->IsLocked(control_);
    cell.editable = true;
    if (memberCell) {
        cell.text = ShownModelText(control_.FormatMemberList(MemberValues(control_, *element)));
        cell.editable = false;
    } else if (IsReferenceElement(*element)) {
        cell.kind = CellKind::Combo;
        cell.text = ReferenceText(control_, *element);
    } else {
        FillByControlType(*this, *element, cell, withChoices);
    }
    return cell;
}

GridCell MakeElementCell(HamCpsControl& control, const ElementPtr& element, bool memberCell) {
    return ElementCellMaker(control).Make(element, memberCell, true);
}

std::optional<std::string> ParseCellText(HamCpsControl& control, const HamCpsElement& element,
                                         const GridCell& cell, const QString& text, int chosen) {
    if (IsReferenceElement(element)) {
        if (std::optional<std::string> value = ChoiceValue(cell, text, chosen)) {
            return value;
        }
        if (text == QLatin1String(kNoneText) || text == NoneText()) {
            return std::string();
        }
        if (text == QLatin1String(kAllChannelText) && IsPowerUpZoneReference(element.name)) {
            return std::string(kAllChannelValue);
        }
        return std::nullopt;
    }
    switch (element.controlType) {
    case 2:
        return text == QLatin1String("1") ? std::string("1") : std::string();
    case 3:
        return ChoiceValue(cell, text, chosen);
    case 4: {
        if (text.isEmpty()) {
            return std::string(); // everything deleted: the password is removed
        }
        qsizetype first = 0;
        qsizetype last = text.size();
        while (first < last && text[first] == QLatin1Char('*')) {
            ++first;
        }
        while (last > first && text[last - 1] == QLatin1Char('*')) {
            --last;
        }
        return first == last ? element.inputValue : text.mid(first, last - first).toStdString();
    }
    case 5:
    case 7:
    case 8:
        return text.toStdString();
    default: {
        const std::optional<ValueRule> rule = LookUpRule(control, element.name);
        if (rule && IsFrequencyRule(*rule)) {
            return FrequencyFromDisplay(text);
        }
        return text.toStdString();
    }
    }
}

EditCheck CheckEditedText(HamCpsControl& control, const HamCpsElement& element,
                          const GridCell& cell, const QString& text, int chosen) {
    EditCheck check;
    const std::optional<std::string> stored = ParseCellText(control, element, cell, text, chosen);
    if (!stored || element.IsLocked(control)) {
        if (!stored && cell.kind == CellKind::Text && !element.IsLocked(control)) {
            check.refusal = NotANumberText(text);
        }
        return check;
    }
    check.accept = true;
    check.text = text;
    if (cell.kind != CellKind::Text) {
        return check; // choices, check boxes and file names follow no typed rule
    }
    const std::optional<ValueRule> rule = LookUpRule(control, element.name);
    if (!rule) {
        return check;
    }
    if (rule->kind == "char") {
        // a character beyond ASCII would reach the radio as '?': refuse the text, naming it
        // (control characters are dropped below, as the radio shows none)
        std::string beyondAscii;
        for (char c : *stored) {
            if (static_cast<unsigned char>(c) >= 0x80) {
                beyondAscii = RadioTextProblem(*stored);
                break;
            }
        }
        if (!beyondAscii.empty()) {
            check.accept = false;
            check.refusal = QString::fromStdString(beyondAscii);
            return check;
        }
        CharRuleResult result = ApplyCharRule(QString::fromStdString(*stored), *rule);
        check.charsDropped = result.droppedOutsideSet;
        check.allowedChars = rule->allowedChars;
        check.text = result.text;
        // a masked cell keeps showing stars while its value stays the old one
        if (element.controlType == 4 && !result.text.isEmpty() &&
            result.text.toStdString() == element.inputValue) {
            check.text = QString::fromLatin1(kMaskText);
        }
        return check;
    }
    const std::optional<long long> number = ParseWholeNumber(QString::fromStdString(*stored));
    if (!number) {
        check.accept = false; // a number is needed
        check.refusal = NotANumberText(text);
        return check;
    }
    const long long kept = NearestInRange(*number, *rule);
    if (kept != *number) {
        check.notice = ClampNotice(*rule, *number, kept);
    } else if (IsFrequencyRule(*rule)) {
        check.notice = StepNotice(kept);
    }
    check.text =
        IsFrequencyRule(*rule) ? FrequencyToDisplay(std::to_string(kept)) : QString::number(kept);
    return check;
}

bool ReportEditCheck(const EditCheck& check, QString& text,
                     const std::function<void(const QString&)>& notice,
                     const std::function<void(const QString&, MessageStyle)>& message) {
    if (!check.accept) {
        if (!check.refusal.isEmpty()) {
            notice(check.refusal);
            message(check.refusal, MessageStyle::Warning);
        }
        return false;
    }
    text = check.text;
    if (!check.notice.isEmpty()) {
        notice(check.notice);
    }
    if (check.charsDropped) {
        message(QStringLiteral("%1: %2").arg(Text(IDS_INPUT_WITHIN),
                                             QString::fromStdString(check.allowedChars)),
                MessageStyle::Default);
    }
    return true;
}

} // namespace vd
