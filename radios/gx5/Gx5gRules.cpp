// The GX5G's value rules: the GX5's plus the fixed channels.
#include "radios/gx5/Gx5gv001Control.h"

#include "model/TextNumber.h"
#include "model/xml/XmlStore.h"
#include "radios/gx5/Gx5ValueRules.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_set>

namespace vd {

namespace {

/// Transmit frequencies (Hz) of the channels whose bandwidth and power are fixed.
constexpr std::array<long long, 7> kFixedFrequencies = {467562500, 467587500, 467612500, 467637500,
                                                        467662500, 467687500, 467712500};

bool IsFixedFrequency(const std::string& value) {
    const long long frequency = ParseDecimal(value);
    return std::find(kFixedFrequencies.begin(), kFixedFrequencies.end(), frequency) !=
           kFixedFrequencies.end();
}

std::string ChannelId(int number) {
    return fmt::format("e0109{:04d}", number);
}

const std::unordered_set<std::string>& ReadOnlyKeys() {
    static const std::unordered_set<std::string> keys = [] {
        std::unordered_set<std::string> set = {
            "e01010001_SerialNO",     "e01010002_datVer",   "e01010003_swVer",
            "e01010004_ModelNumber",  "e01010005_hwVer",    "e01010007_freqMin",
            "e01010008_freqMax",      "e01010009_SaleTerr", "e01010010_machMode",
            "e01010011_ModelNumber2", "e01100002_ScanName",
        };
        // the VFOs and the thirty channels of the licence-free band keep their names; the
        // band channels also keep their frequencies
        for (int n = 2; n <= 34; ++n) {
            set.insert(gx5::ElementKeyText(ChannelId(n), "ChannelName"));
        }
        for (int n = 5; n <= 34; ++n) {
            set.insert(gx5::ElementKeyText(ChannelId(n), "RxFrequency"));
            set.insert(gx5::ElementKeyText(ChannelId(n), "TxFrequency"));
        }
        // the seven fixed channels keep bandwidth, power and both locks
        for (int n = 12; n <= 18; ++n) {
            for (const char* name :
                 {"ChannelPower", "BandWidth", "attribute_space_lock", "attribute_pwr_lock"}) {
                set.insert(gx5::ElementKeyText(ChannelId(n), name));
            }
        }
        return set;
    }();
    return keys;
}

/// The first field of that name of a record.
pugi::xml_node FieldNode(XmlStore& store, const std::string& recordId, std::string_view fieldName) {
    for (pugi::xml_node field : store.ElementById(recordId).children("element")) {
        if (fieldName == field.attribute("name").value()) {
            return field;
        }
    }
    return {};
}

} // namespace

bool Gx5gv001Control::IsElementReadOnly(const std::string& id, const std::string& name) {
    if (ReadOnlyKeys().count(gx5::ElementKeyText(id, name)) != 0) {
        return true;
    }
    if (name == "localEmgAlarm") {
        // alarm types 2 and 3 always sound the local alarm off
        const long long type =
            ParseDecimal(FieldNode(Store(), id, "emgType").attribute("inputValue").value());
        return type == 2 || type == 3;
    }
    return false;
}

bool Gx5gv001Control::ValidateValue(const std::string& name, std::string& kind,
                                    std::vector<long long>& lower, std::vector<long long>& upper,
                                    std::string& allowedChars) {
    const gx5::ValueRule& frequencies = gx5::Gx5gFrequencyRule();
    if (gx5::FindValueRule({frequencies}, name) != nullptr) {
        gx5::FillValueRule(frequencies, kind, lower, upper, allowedChars);
        return true;
    }
    return Gx5v001Control::ValidateValue(name, kind, lower, upper, allowedChars);
}

bool Gx5gv001Control::IsFieldDisabled(const HamCpsElement& field) {
    if (field.name != "BandWidth" && field.name != "ChannelPower") {
        return false;
    }
    return IsFixedFrequency(
        FieldNode(Store(), field.parentID, "TxFrequency").attribute("inputValue").value());
}

bool Gx5gv001Control::OnValueChanged(const HamCpsElement& changed, const std::string& newValue,
                                     std::vector<ElementKey>& dependents) {
    const std::string& record = changed.parentID;
    bool acted = false;
    // forced writes: the fields these rules set are often locked by the same rules
    auto set = [&](const char* name, const char* value) {
        pugi::xml_node field = FieldNode(Store(), record, name);
        if (!field) {
            return;
        }
        const std::string fieldId = field.attribute("id").value();
        SetInputValue(record, fieldId, value, true);
        dependents.emplace_back(record, fieldId);
        acted = true;
    };
    auto list = [&](const char* name) {
        pugi::xml_node field = FieldNode(Store(), record, name);
        if (field) {
            dependents.emplace_back(record, field.attribute("id").value());
            acted = true;
        }
    };

    if (changed.name == "emgType") {
        const long long type = ParseDecimal(newValue);
        if (type == 2 || type == 3) {
            set("localEmgAlarm", "0");
        } else {
            list("localEmgAlarm"); // only its read-only state changed
        }
    }
    if (changed.name == "TxFrequency") {
        if (IsFixedFrequency(newValue)) {
            set("BandWidth", "1");
            set("ChannelPower", "0");
            set("attribute_space_lock", "1");
            set("attribute_pwr_lock", "1");
        } else {
            set("attribute_space_lock", "0");
            set("attribute_pwr_lock", "0");
        }
    }
    return acted;
}

} // namespace vd
