#include "radios/gx5/Gx5ValueRules.h"

namespace vd::gx5 {

namespace {

const char* const kDtmfDigits = "0123456789ABCD*#";

} // namespace

const std::vector<ValueRule>& Gx5ValueRules() {
    static const std::vector<ValueRule> rules = {
        {{"fmName", "ZoneName", "ChannelName", "ScanName", "EmergencyName", "noaaName",
          "dtmfSystem"},
         "",
         "char",
         {{0, 12}},
         ""},
        {{"stunId", "ownId", "reviveId"}, "", "char", {{0, 10}}, kDtmfDigits},
        {{"pttId_BOT", "pttId_EOT"}, "fastCallLst", "char", {{0, 16}}, kDtmfDigits},
        {{"emgId"}, "", "char", {{0, 8}}, ""},
        {{"radioId"}, "", "char", {{0, 10}}, ""},
        {{"radioName"}, "", "char", {{0, 16}}, ""},
        {{"ReadingPassword", "WritingPassword", "PowerOnPassword"},
         "",
         "char",
         {{0, 8}},
         "0123456789"},
        {{"freqMin", "freqMax", "RxFrequency", "TxFrequency"},
         "",
         "value",
         {{136000000, 174000000}, {222000000, 225000000}, {400000000, 520000000}},
         ""},
        {{"FmFreq"}, "", "value", {{70000000, 110000000}}, ""},
        {{"noaaFreq"}, "", "value", {{160000000, 170000000}}, ""},
        {{"tailDelayTime", "autoPwrOff", "menuExitDelay"}, "", "value", {{0, 255}}, ""},
    };
    return rules;
}

const ValueRule& Gx5gFrequencyRule() {
    static const ValueRule rule = {{"freqMin", "freqMax", "RxFrequency", "TxFrequency"},
                                   "",
                                   "value",
                                   {{136000000, 174000000}, {400000000, 480000000}},
                                   ""};
    return rule;
}

const ValueRule* FindValueRule(const std::vector<ValueRule>& rules, const std::string& name) {
    for (const ValueRule& rule : rules) {
        for (const std::string& covered : rule.names) {
            if (covered == name) {
                return &rule;
            }
        }
        if (!rule.namePrefix.empty() && name.rfind(rule.namePrefix, 0) == 0) {
            return &rule;
        }
    }
    return nullptr;
}

void FillValueRule(const ValueRule& rule, std::string& kind, std::vector<long long>& lower,
                   std::vector<long long>& upper, std::string& allowedChars) {
    kind = rule.kind;
    lower.clear();
    upper.clear();
    for (const auto& [low, high] : rule.ranges) {
        lower.push_back(low);
        upper.push_back(high);
    }
    allowedChars = rule.allowedChars;
}

std::string ElementKeyText(const std::string& id, const std::string& name) {
    return id + "_" + name;
}

} // namespace vd::gx5
