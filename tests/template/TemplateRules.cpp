#include "tests/template/TemplateRules.h"

#include <cctype>
#include <stdexcept>

namespace vdtest::tpl {

namespace {

constexpr int kValue = 1;
constexpr int kCheck = 2;
constexpr int kChoice = 3;
constexpr int kMasked = 4;

const std::string kDtmfDigits = "0123456789ABCD*#";
const std::string kDecimalDigits = "0123456789";

NameRule Rule(std::string name, std::string record, int controlType) {
    NameRule rule;
    rule.name = std::move(name);
    rule.record = std::move(record);
    rule.controlType = controlType;
    return rule;
}

NameRule Setting(std::string name, int controlType, int bits) {
    NameRule rule = Rule(std::move(name), "", controlType);
    rule.bits = bits;
    return rule;
}

NameRule Text(std::string name, std::string record, int maxLength, std::string charset = "") {
    NameRule rule = Rule(std::move(name), std::move(record), kValue);
    rule.maxLength = maxLength;
    rule.charset = std::move(charset);
    return rule;
}

/// A password: masked in the grid, digits only.
NameRule Password(std::string name) {
    NameRule rule = Text(std::move(name), "", 8, kDecimalDigits);
    rule.controlType = kMasked;
    return rule;
}

NameRule Field(std::string name, std::string record, int controlType, int bits) {
    NameRule rule = Rule(std::move(name), std::move(record), controlType);
    rule.bits = bits;
    return rule;
}

NameRule Reference(std::string name, std::string record, std::string target, bool member = false) {
    NameRule rule = Rule(std::move(name), std::move(record), kValue);
    rule.refTarget = std::move(target);
    rule.member = member;
    return rule;
}

/// Names of the GX5 memory image: device information, version, general settings,
/// DTMF settings and the fields of every list record.
std::vector<NameRule> Gx5Names() {
    std::vector<NameRule> names = {
        // Device information and version.
        Text("SerialNO", "", 16),
        Setting("datVer", kValue, 16),
        Setting("swVer", kValue, 0),
        Text("ModelNumber", "", 32),
        Text("ModelNumber2", "", 32),
        Text("hwVer", "", 2),
        Setting("freqMin", kValue, 32),
        Setting("freqMax", kValue, 32),
        Setting("SaleTerr", kValue, 16),
        Setting("machMode", kValue, 8),
        // General settings, in image order.
        Password("ReadingPassword"),
        Password("WritingPassword"),
        Password("PowerOnPassword"),
        Setting("BatterySaveMode", kChoice, 4),
        Setting("BatterySaveDealy", kChoice, 4),
        Setting("TK1LongPress", kChoice, 8),
        Setting("TK1ShortPress", kChoice, 8),
        Setting("SildeButton1LongPress", kChoice, 8),
        Setting("SildeButton1ShortPress", kChoice, 8),
        Setting("SildeButton2LongPress", kChoice, 8),
        Setting("SildeButton2ShortPress", kChoice, 8),
        Setting("LongPressDuration", kChoice, 8),
        Setting("KnobLocked", kCheck, 1),
        Setting("SildeButtonLocked", kCheck, 1),
        Setting("PannelLocked", kCheck, 1),
        Setting("funcEnBits1_WxScanOn", kCheck, 1),
        Setting("funcEnBits1_AgcEn", kCheck, 1),
        Setting("funcEnBits1_RtcPlay", kCheck, 1),
        Setting("funcEnBits1_PwrUpBat", kCheck, 1),
        Setting("funcEnBits1_BatLvlBeepEn", kCheck, 1),
        Setting("funcEnBits1_LowBatBeepEn", kCheck, 1),
        Setting("funcEnBits1_StunMode", kChoice, 2),
        Setting("VoicePromptEn", kCheck, 1),
        Setting("KeyBeepEn", kCheck, 1),
        Setting("TxEnBeepEn", kCheck, 1),
        Setting("VfoSwEn", kCheck, 1),
        Setting("CallInLight", kCheck, 1),
        Setting("RogerBeepEn", kCheck, 1),
        Setting("tailDelayTime", kValue, 8),
        Text("radioId", "", 10),
        Text("radioName", "", 16),
        Setting("micGain", kChoice, 8),
        Setting("agcGain_Threshold", kChoice, 4),
        Setting("agcGain_Gain", kChoice, 4),
        Setting("audioMode", kChoice, 8),
        Setting("autoPwrOff", kValue, 8),
        Setting("menuExitDelay", kValue, 8),
        Setting("voxDelay", kChoice, 4),
        Setting("voxThreshold", kChoice, 4),
        Setting("uiAttribute_ChnlDisp", kChoice, 2),
        Setting("uiAttribute_Band", kChoice, 5),
        Setting("stepVal", kChoice, 16),
        Setting("sysLanguage", kChoice, 8),
        Setting("BacklightBrightness", kChoice, 4),
        Setting("BacklightTime", kChoice, 4),
        Setting("noaaChnl", kChoice, 8),
        Setting("CallTone", kChoice, 8),
        // DTMF settings.
        Setting("autoRstTime", kChoice, 4),
        Setting("digitDelay", kChoice, 4),
        Setting("stunMode_Bit", kChoice, 2),
        Setting("showAni_Bit", kCheck, 1),
        Setting("sideTone_Bit", kCheck, 1),
        Setting("pttidType_Bit", kChoice, 2),
        Text("ownId", "", 10, kDtmfDigits),
        Text("stunId", "", 10, kDtmfDigits),
        Text("reviveId", "", 10, kDtmfDigits),
        Text("pttId_BOT", "", 16, kDtmfDigits),
        Text("pttId_EOT", "", 16, kDtmfDigits),
        // Channel records.
        Field("ChannelModel", "ChannelName", kChoice, 8),
        Field("attribute_pwr_lock", "ChannelName", kCheck, 1),
        Field("attribute_space_lock", "ChannelName", kCheck, 1),
        Field("attribute_tail", "ChannelName", kChoice, 2),
        Field("ChannelPower", "ChannelName", kChoice, 2),
        Field("BandWidth", "ChannelName", kChoice, 2),
        Field("RxFrequency", "ChannelName", kValue, 32),
        Field("TxFrequency", "ChannelName", kValue, 32),
        Field("CTCSSRxValue", "ChannelName", kChoice, 16),
        Field("ReceiveSquelchMode", "ChannelName", kChoice, 8),
        Field("CTCSSTxValue", "ChannelName", kChoice, 16),
        Field("txPermit_Tot", "ChannelName", kChoice, 6),
        Field("txPermit_Set", "ChannelName", kChoice, 2),
        Field("VoxEnable", "ChannelName", kCheck, 1),
        Field("DeEmpEn", "ChannelName", kCheck, 1),
        Field("ScramblerEn", "ChannelName", kCheck, 1),
        Field("TalkAroundEn", "ChannelName", kChoice, 2),
        Field("scanAuto", "ChannelName", kCheck, 1),
        Reference("scanListIndex", "ChannelName", "ScanName"),
        Reference("emgListIndex", "ChannelName", "EmergencyName"),
        Field("pttIdType", "ChannelName", kChoice, 2),
        Field("signalSysIndex", "ChannelName", kChoice, 4),
        // Zone records.
        Reference("Channel", "ZoneName", "ChannelName", true),
        // Scan list records.
        Field("chCfg_TxChnl", "ScanName", kChoice, 4),
        Field("chCfg_CtdcMode", "ScanName", kChoice, 4),
        Field("hangCfg_Hangtime", "ScanName", kChoice, 4),
        Field("hangCfg_TalkBack", "ScanName", kCheck, 1),
        Reference("TxChannel", "ScanName", "ChannelName"),
        Reference("prio1Chnl", "ScanName", "ChannelName"),
        Reference("prio2Chnl", "ScanName", "ChannelName"),
        Field("scan_mode", "ScanName", kChoice, 8),
        Reference("Channel", "ScanName", "ChannelName", true),
        // Emergency records.
        Field("emgMode", "EmergencyName", kChoice, 4),
        Field("emgType", "EmergencyName", kChoice, 4),
        Reference("jumpChnl", "EmergencyName", "ChannelName"),
        Field("sqlMode", "EmergencyName", kChoice, 2),
        Field("backTx", "EmergencyName", kCheck, 1),
        Field("localEmgAlarm", "EmergencyName", kCheck, 1),
        Field("emgCycle", "EmergencyName", kChoice, 4),
        Field("emgInterval", "EmergencyName", kChoice, 4),
        Field("txInterval", "EmergencyName", kChoice, 4),
        Field("hotMic", "EmergencyName", kChoice, 4),
        Text("emgId", "EmergencyName", 8),
        // FM and weather stations.
        Field("FmFreq", "fmName", kValue, 32),
        Field("stationSpace", "fmName", kChoice, 8),
        Field("noaaFreq", "noaaName", kValue, 32),
        Field("wxmonitor", "noaaName", kCheck, 8),
        // DTMF system records.
        Field("dtmfSignaling", "dtmfSystem", kChoice, 4),
        Field("dtmfCodeLength", "dtmfSystem", kChoice, 4),
        Field("intermediateCode", "dtmfSystem", kChoice, 4),
        Field("groupCode", "dtmfSystem", kChoice, 4),
        Field("decodeEnable", "dtmfSystem", kCheck, 1),
        Field("encodeEnable", "dtmfSystem", kCheck, 1),
    };
    for (int n = 1; n <= 3; ++n) {
        const std::string home = "home" + std::to_string(n);
        names.push_back(Setting(home + "PwrupZoneSwitch", kCheck, 4));
        names.push_back(Reference(home + "PwrupZoneIndex", "", "ZoneName"));
        names.push_back(Reference(home + "PwrupChnl", "", "ChannelName"));
    }
    for (int n = 1; n <= 10; ++n) {
        const std::string name =
            std::string("fastCallLst") + (n < 10 ? "0" : "") + std::to_string(n);
        names.push_back(Text(name, "dtmfSystem", 16, kDtmfDigits));
    }
    return names;
}

ModelRules Gx5Family(bool variantG) {
    ModelRules rules;
    rules.model = variantG ? "GX5G" : "GX5";
    rules.file = variantG ? "gx5g_v001.ysht" : "gx5_v001.ysht";
    rules.root = variantG ? "GX5Gv001" : "GX5v001";
    rules.family = variantG ? Family::Gx5g : Family::Gx5;
    rules.chapters = {"c01",   "c0101", "c0102", "c0103", "c0104", "c0105",   "c0106",   "c0107",
                      "c0108", "c0109", "c0110", "c0111", "c0112", "c011201", "c011202", "c0113"};
    rules.windows = {"c0103", "c0105", "c0106", "c0107", "c011201"};
    rules.lists = {
        {"c0104", "ZoneName", variantG ? 16 : 64, 16, 12},
        {"c0108", "EmergencyName", 8, 0, 12},
        {"c0109", "ChannelName", variantG ? 259 : 1027, 0, 12},
        {"c0110", "ScanName", 64, 16, 12},
        {"c0111", "fmName", 32, 0, 12},
        {"c011202", "noaaName", 12, 0, 12},
        {"c0113", "dtmfSystem", 4, 0, 12},
    };
    rules.names = Gx5Names();
    rules.requiredIds = {
        {"e01010001", "SerialNO"},     {"e01010002", "datVer"},      {"e01010003", "swVer"},
        {"e01010004", "ModelNumber"},  {"e01010005", "hwVer"},       {"e01010007", "freqMin"},
        {"e01010008", "freqMax"},      {"e01010009", "SaleTerr"},    {"e01010010", "machMode"},
        {"e01010011", "ModelNumber2"}, {"e01090001", "ChannelName"}, {"e01090002", "ChannelName"},
        {"e01090003", "ChannelName"},  {"e01090004", "ChannelName"}, {"e01100002", "ScanName"},
    };
    const std::vector<FrequencyRange> radio =
        variantG ? std::vector<FrequencyRange>{{136000000, 174000000}, {400000000, 480000000}}
                 : std::vector<FrequencyRange>{
                       {136000000, 174000000}, {222000000, 225000000}, {400000000, 520000000}};
    rules.frequencies = {
        {"RxFrequency", radio},
        {"TxFrequency", radio},
        {"freqMin", radio},
        {"freqMax", radio},
        {"FmFreq", {{70000000, 110000000}}},
        {"noaaFreq", {{160000000, 170000000}}},
    };
    return rules;
}

/// Channel record and settings names of one LM704/VS model, from its memory layout.
ModelRules LmVsModel(const std::string& model) {
    ModelRules rules;
    rules.model = model;
    std::string lower = model;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    rules.file = lower + "_v001.ysht";
    rules.root = lower + "_v001";
    rules.family = Family::LmVs;
    rules.chapters = {"c01", "c0101", "c0103", "c0109"};
    rules.windows = {"c0103"};
    rules.lists = {{"c0109", "ChannelName", 16, 0, 0}};
    const std::string ch = "ChannelName";
    rules.names = {Field("rxfreq", ch, kValue, 32), Field("txfreq", ch, kValue, 32),
                   Field("rx_tone", ch, kChoice, 16), Field("tx_tone", ch, kChoice, 16)};
    auto add = [&rules](std::vector<NameRule> more) {
        rules.names.insert(rules.names.end(), more.begin(), more.end());
    };
    if (model == "LM704") {
        add({Field("busy_lock", ch, kCheck, 1), Field("highpower", ch, kChoice, 1),
             Field("scan_add", ch, kCheck, 1), Field("scramble_type", ch, kCheck, 1),
             Field("compander", ch, kCheck, 1), Field("speccode", ch, kCheck, 1),
             Setting("vox_function", kCheck, 1), Setting("battery_save", kCheck, 1),
             Setting("voice", kChoice, 2), Setting("scanmode", kChoice, 1),
             Setting("squelch", kChoice, 8), Setting("key_pf1", kChoice, 8),
             Setting("tot", kChoice, 8), Setting("voxgain", kChoice, 8),
             Setting("voxdelay", kChoice, 8)});
    } else if (model == "VS31" || model == "VS58") {
        add({Field("busy_lock", ch, kCheck, 1), Field("wide", ch, kChoice, 1),
             Field("highpower", ch, kChoice, 1), Field("scan_add", ch, kCheck, 1),
             Field("scrambler", ch, kCheck, 1), Field("compander", ch, kCheck, 1),
             Setting(model == "VS31" ? "vox" : "beep_tone", kCheck, 1), Setting("save", kCheck, 1),
             Setting("voice", kChoice, 2), Setting("scan_mode", kChoice, 1),
             Setting("squelch", kChoice, 8), Setting("tot", kChoice, 8),
             Setting("voxgain", kChoice, 8), Setting("voxdelay", kChoice, 8)});
        if (model == "VS31") {
            add({Field("digit_ctc", ch, kCheck, 1)});
        }
    } else if (model == "VS46") {
        add({Field("busy_lock", ch, kCheck, 1), Field("signal", ch, kCheck, 1),
             Field("wide", ch, kChoice, 1), Field("highpower", ch, kChoice, 1),
             Field("scan_add", ch, kCheck, 1), Setting("voice", kChoice, 8),
             Setting("tot", kChoice, 8), Setting("squelch", kChoice, 8), Setting("save", kCheck, 8),
             Setting("beep", kCheck, 8), Setting("vox", kCheck, 8), Setting("voxgain", kChoice, 8),
             Setting("voxdelay", kChoice, 8), Setting("pf2key", kChoice, 8)});
    } else if (model == "VS73") {
        add({Field("busy_lock", ch, kChoice, 2), Field("compander", ch, kCheck, 1),
             Field("cdcss_type", ch, kChoice, 1), Field("wide", ch, kChoice, 1),
             Field("highpower", ch, kChoice, 2), Field("scramble_type", ch, kChoice, 3),
             Field("scan_add", ch, kCheck, 1), Setting("scramble_enable", kCheck, 8),
             Setting("voice", kChoice, 8), Setting("tot", kChoice, 8),
             Setting("tot_alert", kChoice, 8), Setting("squelch", kChoice, 8),
             Setting("battery_save", kCheck, 8), Setting("vox_function", kCheck, 8),
             Setting("voxgain", kChoice, 8), Setting("voxdelay", kChoice, 8),
             Setting("key_pf1", kChoice, 4), Setting("key_pf2", kChoice, 4),
             Setting("freq_range", kChoice, 1)});
    }
    rules.requiredIds = {{"e01090001", "ChannelName"}};
    for (int n = 2; n <= 17; ++n) {
        rules.requiredIds.emplace_back(
            "e0109" + std::string(n < 10 ? "000" : "00") + std::to_string(n), "ChannelName");
    }
    if (model == "LM704" || model == "VS73") {
        rules.requiredIds.emplace_back("e01010010", "vhf_range");
        rules.requiredIds.emplace_back("e01010011", "uhf_range");
    }
    if (model != "VS73") {
        // The VS73's limits follow its "freq_range" setting; that model checks them itself.
        rules.frequencies = {{"rxfreq", {{400000000, 470000000}}},
                             {"txfreq", {{400000000, 470000000}}}};
    }
    return rules;
}

} // namespace

const std::vector<ModelRules>& AllModels() {
    static const std::vector<ModelRules> models = {
        Gx5Family(false),  Gx5Family(true),   LmVsModel("LM704"), LmVsModel("VS31"),
        LmVsModel("VS46"), LmVsModel("VS58"), LmVsModel("VS73"),
    };
    return models;
}

const ModelRules& RulesFor(const std::string& model) {
    for (const ModelRules& rules : AllModels()) {
        if (rules.model == model) {
            return rules;
        }
    }
    throw std::invalid_argument("no template rules for " + model);
}

const std::vector<std::string>& ListChapterIds() {
    static const std::vector<std::string> ids = {"c0104", "c0108", "c0109",  "c0110",
                                                 "c0111", "c0113", "c011202"};
    return ids;
}

} // namespace vdtest::tpl
