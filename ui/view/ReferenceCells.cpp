#include "ui/view/ReferenceCells.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <string_view>

namespace vd {

namespace {

constexpr std::array<std::string_view, 13> kReferenceNames = {"Channel",
                                                              "scanListIndex",
                                                              "jumpChnl",
                                                              "TxChannel",
                                                              "emgListIndex",
                                                              "prio1Chnl",
                                                              "prio2Chnl",
                                                              "home1PwrupChnl",
                                                              "home2PwrupChnl",
                                                              "home3PwrupChnl",
                                                              "home1PwrupZoneIndex",
                                                              "home2PwrupZoneIndex",
                                                              "home3PwrupZoneIndex"};

} // namespace

bool IsReferenceCell(const std::string& name) {
    return std::find(kReferenceNames.begin(), kReferenceNames.end(), name) != kReferenceNames.end();
}

bool IsPowerUpZoneReference(const std::string& name) {
    return name == "home1PwrupZoneIndex" || name == "home2PwrupZoneIndex" ||
           name == "home3PwrupZoneIndex";
}

bool IsOfferedRecord(const HamCpsElement& record) {
    return record.controlType != 0 && record.inputValue.rfind("VFO-", 0) != 0;
}

QString ReferenceText(HamCpsControl& control, const HamCpsElement& reference) {
    const std::string& value = reference.inputValue;
    if (value.empty()) {
        return NoneText();
    }
    if (value == kAllChannelValue && IsPowerUpZoneReference(reference.name)) {
        return QString::fromLatin1(kAllChannelText);
    }
    std::unique_ptr<HamCpsElement> target = control.GetElement(value);
    if (!target || target->controlType == 0) {
        return NoneText(); // the record it named is gone
    }
    return QString::fromStdString(target->inputValue);
}

ReferenceChoices BuildReferenceChoices(HamCpsControl& control, const HamCpsElement& reference) {
    ReferenceChoices result;
    result.choices.push_back({NoneText(), QString()});
    const bool zone = IsPowerUpZoneReference(reference.name);
    if (zone) {
        result.choices.push_back(
            {QString::fromLatin1(kAllChannelText), QString::fromLatin1(kAllChannelValue)});
    }
    ElementList records;
    control.GetElementsByName(control.GetReferenceTarget(reference.name), records);
    bool found = reference.inputValue.empty() || (zone && reference.inputValue == kAllChannelValue);
    for (const ElementPtr& record : records) {
        if (!record || record->controlType == 0) {
            continue;
        }
        if (record->id == reference.inputValue) {
            found = true;
        }
        if (IsOfferedRecord(*record)) {
            result.choices.push_back(
                {QString::fromStdString(record->inputValue), QString::fromStdString(record->id)});
        }
    }
    result.originalDeleted = !found;
    return result;
}

QString NoneText() {
    return QCoreApplication::translate("vd::ReferenceCells", kNoneText);
}

QString ShownModelText(const std::string& text) {
    return text == kNoneText ? NoneText() : QString::fromStdString(text);
}

} // namespace vd
