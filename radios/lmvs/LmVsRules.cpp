#include "radios/lmvs/LmVsRules.h"

#include "model/HamCpsElement.h"
#include "model/TextNumber.h"

#include <fmt/format.h>

#include <cstdlib>

namespace vd {

namespace {

constexpr int kFirstChannelRecord = 1; // the free record e01090001
constexpr int kLastChannelRecord = 17;

std::string ChannelRecordId(int number) {
    return fmt::format("e0109{:04d}", number);
}

} // namespace

std::unordered_set<std::string> build_read_only_keys(const LmVsRuleData& rules) {
    std::unordered_set<std::string> keys(rules.readOnlyKeys.begin(), rules.readOnlyKeys.end());
    for (int number = kFirstChannelRecord; number <= kLastChannelRecord; ++number) {
        const std::string id = ChannelRecordId(number);
        for (const std::string& field : rules.lockedChannelFields) {
            keys.insert(id + "_" + field);
        }
        if (number > kFirstChannelRecord) {
            keys.insert(id + "_ChannelName");
        }
    }
    return keys;
}

bool is_frequency_field(const std::string& name) {
    return name == "rxfreq" || name == "txfreq";
}

bool frequency_rule(const std::string& name, const FrequencyLimits& limits, std::string& kind,
                    std::vector<long long>& lower, std::vector<long long>& upper) {
    if (!is_frequency_field(name)) {
        return false;
    }
    kind = "value";
    lower = {limits.lower};
    upper = {limits.upper};
    return true;
}

bool is_channel_reference_name(const std::string& name) {
    return name == "Channel" || name == "TxChannel" || name == "jumpChnl";
}

std::string channel_reference_target(const std::string& name) {
    return name == "Channel" || name == "jumpChnl" ? std::string("ChannelName") : std::string();
}

std::string nearest_in_range(const std::string& value, const std::vector<long long>& lower,
                             const std::vector<long long>& upper) {
    const long long number = ParseDecimal(value);
    for (std::size_t i = 0; i < lower.size() && i < upper.size(); ++i) {
        if (lower[i] <= number && number <= upper[i]) {
            return value;
        }
    }
    bool found = false;
    long long best = 0;
    unsigned long long bestDistance = 0;
    auto consider = [&](long long limit) {
        // unsigned, so that the distance between far-apart values cannot overflow
        const auto high = static_cast<unsigned long long>(limit > number ? limit : number);
        const auto low = static_cast<unsigned long long>(limit > number ? number : limit);
        const unsigned long long distance = high - low;
        if (!found || distance < bestDistance) {
            found = true;
            best = limit;
            bestDistance = distance;
        }
    };
    for (long long limit : lower) {
        consider(limit);
    }
    for (long long limit : upper) {
        consider(limit);
    }
    return found ? DecimalText(best) : value;
}

bool move_channels_into_range(CommonCpsControl& control, const std::vector<long long>& lower,
                              const std::vector<long long>& upper,
                              std::vector<ElementKey>& changed) {
    ElementList records;
    control.GetElementsByName("ChannelName", records);
    for (const ElementPtr& record : records) {
        if (record->controlType == 0) {
            continue;
        }
        ElementList fields;
        control.GetChildElements(record->id, fields);
        if (fields.empty()) {
            return false;
        }
        for (const ElementPtr& field : fields) {
            if (!is_frequency_field(field->name)) {
                continue;
            }
            const std::string moved = nearest_in_range(field->inputValue, lower, upper);
            control.SetInputValue(record->id, field->id, moved, true);
            changed.emplace_back(record->id, field->id);
        }
    }
    return !changed.empty();
}

} // namespace vd
