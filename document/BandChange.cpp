#include "document/BandChange.h"

#include "model/HamCpsElement.h"
#include "model/TextNumber.h"

#include <fmt/format.h>
#include <set>

namespace vd {

namespace {

// The channel fields whose limits the band sets.
constexpr const char* kFrequencyFields[] = {"rxfreq", "txfreq"};

struct Limits {
    long long lower = 0;
    long long upper = 0;
    bool operator==(const Limits&) const = default;
};

std::optional<Limits> FrequencyLimits(HamCpsControl& control) {
    std::string kind;
    std::string chars;
    std::vector<long long> lower;
    std::vector<long long> upper;
    if (!control.ValidateValue(kFrequencyFields[0], kind, lower, upper, chars) || kind != "value" ||
        lower.empty() || upper.empty()) {
        return std::nullopt;
    }
    return Limits{lower.front(), upper.front()};
}

// The value the store holds now for the element (a snapshot may be older).
std::optional<std::string> StoredValue(HamCpsControl& control, const HamCpsElement& element) {
    if (!element.IsChild()) {
        std::unique_ptr<HamCpsElement> fresh = control.GetElement(element.id);
        return fresh ? std::optional<std::string>(fresh->inputValue) : std::nullopt;
    }
    ElementList fields;
    control.GetChildElements(element.parentID, fields);
    for (const ElementPtr& field : fields) {
        if (field->id == element.id) {
            return field->inputValue;
        }
    }
    return std::nullopt;
}

bool Store(HamCpsControl& control, const HamCpsElement& element, const std::string& value) {
    return element.IsChild() ? control.SetInputValue(element.parentID, element.id, value, true)
                             : control.SetInputValue(element.id, std::string(), value, true);
}

// Every frequency field of the channels in use, with its value now.
std::vector<MovedFrequency> ChannelFrequencies(HamCpsControl& control) {
    std::vector<MovedFrequency> all;
    const std::string recordName = control.GetReferenceTarget("Channel");
    if (recordName.empty()) {
        return all;
    }
    ElementList records;
    control.GetElementsByName(recordName, records);
    for (const ElementPtr& record : records) {
        if (record->controlType == 0) {
            continue;
        }
        ElementList fields;
        control.GetChildElements(record->id, fields);
        for (const ElementPtr& field : fields) {
            for (const char* name : kFrequencyFields) {
                if (field->name == name) {
                    all.push_back({record->id, record->inputValue, field->id, field->name,
                                   field->inputValue, field->inputValue});
                }
            }
        }
    }
    return all;
}

} // namespace

int BandChange::ChannelCount() const {
    std::set<std::string> channels;
    for (const MovedFrequency& move : moved) {
        channels.insert(move.recordId);
    }
    return static_cast<int>(channels.size());
}

std::optional<BandChange> PlanBandChange(HamCpsControl& control, const HamCpsElement& element,
                                         const std::string& value) {
    const std::optional<Limits> before = FrequencyLimits(control);
    const std::optional<std::string> old = StoredValue(control, element);
    if (!before || !old || *old == value) {
        return std::nullopt;
    }
    std::optional<Limits> after;
    if (Store(control, element, value)) {
        after = FrequencyLimits(control);
        Store(control, element, *old);
    }
    if (!after || *after == *before) {
        return std::nullopt;
    }
    BandChange plan;
    plan.lower = after->lower;
    plan.upper = after->upper;
    for (MovedFrequency& frequency : ChannelFrequencies(control)) {
        const long long hertz = ParseDecimal(frequency.before);
        if (hertz >= plan.lower && hertz <= plan.upper) {
            continue;
        }
        // the model moves a value to the nearest limit
        frequency.after = std::to_string(hertz < plan.lower ? plan.lower : plan.upper);
        plan.moved.push_back(std::move(frequency));
    }
    if (plan.moved.empty()) {
        return std::nullopt;
    }
    return plan;
}

std::vector<MovedFrequency> MovedAfterChange(HamCpsControl& control, const BandChange& plan) {
    std::vector<MovedFrequency> moved;
    const std::vector<MovedFrequency> now = ChannelFrequencies(control);
    for (const MovedFrequency& planned : plan.moved) {
        for (const MovedFrequency& current : now) {
            if (current.fieldId == planned.fieldId && current.recordId == planned.recordId &&
                current.before != planned.before) {
                MovedFrequency move = planned;
                move.after = current.before;
                moved.push_back(std::move(move));
            }
        }
    }
    return moved;
}

std::string HertzToMegahertz(long long hertz) {
    return fmt::format("{:.6f}", static_cast<double>(hertz) / 1000000.0);
}

std::string DescribeMove(const MovedFrequency& move) {
    return fmt::format("{}: {} {} -> {} MHz", move.channel, move.field,
                       HertzToMegahertz(ParseDecimal(move.before)),
                       HertzToMegahertz(ParseDecimal(move.after)));
}

} // namespace vd
