#include "radios/gx5/Gx5FieldTables.h"

#include "model/TextNumber.h"

#include <array>

namespace vd::gx5 {

namespace {

constexpr FieldSpec Byte(const char* name, uint16_t offset) {
    return {name, offset, FieldKind::Bits, 0, 8};
}
constexpr FieldSpec Bits(const char* name, uint16_t offset, uint8_t shift, uint8_t width) {
    return {name, offset, FieldKind::Bits, shift, width};
}
constexpr FieldSpec U16(const char* name, uint16_t offset) {
    return {name, offset, FieldKind::U16};
}
constexpr FieldSpec U32(const char* name, uint16_t offset) {
    return {name, offset, FieldKind::U32};
}
constexpr FieldSpec Tone(const char* name, uint16_t offset) {
    return {name, offset, FieldKind::Tone};
}
constexpr FieldSpec Text(const char* name, uint16_t offset, uint8_t width) {
    return {name, offset, FieldKind::Text, 0, width};
}

/// Bit 12 of a tone code means nothing to the radio and must go out clear.
constexpr uint64_t kToneMask = 0xEFFF;

constexpr std::array kDeviceInfo = {
    Text("hwVer", 32, 2), Text("SerialNO", 34, 16), U32("freqMin", 50),
    U32("freqMax", 54),   U16("SaleTerr", 58),      Byte("machMode", 60),
};

constexpr std::array kSettings = {
    Text("ReadingPassword", 0, 8),
    Text("WritingPassword", 8, 8),
    Text("PowerOnPassword", 16, 8),
    Bits("BatterySaveMode", 25, 0, 4),
    Bits("BatterySaveDealy", 25, 4, 4),
    Byte("TK1LongPress", 26),
    Byte("TK1ShortPress", 27),
    Byte("SildeButton1LongPress", 28),
    Byte("SildeButton1ShortPress", 29),
    Byte("SildeButton2LongPress", 30),
    Byte("SildeButton2ShortPress", 31),
    Byte("LongPressDuration", 32),
    Bits("KnobLocked", 33, 7, 1),
    Bits("SildeButtonLocked", 33, 6, 1),
    Bits("PannelLocked", 33, 5, 1),
    Bits("funcEnBits1_WxScanOn", 34, 7, 1),
    Bits("funcEnBits1_AgcEn", 34, 6, 1),
    Bits("funcEnBits1_RtcPlay", 34, 5, 1),
    Bits("funcEnBits1_PwrUpBat", 34, 4, 1),
    Bits("funcEnBits1_BatLvlBeepEn", 34, 3, 1),
    Bits("funcEnBits1_LowBatBeepEn", 34, 2, 1),
    Bits("funcEnBits1_StunMode", 34, 0, 2),
    Bits("VoicePromptEn", 35, 7, 1),
    Bits("KeyBeepEn", 35, 6, 1),
    Bits("TxEnBeepEn", 35, 5, 1),
    Bits("VfoSwEn", 35, 4, 1),
    Bits("CallInLight", 35, 3, 1),
    Bits("RogerBeepEn", 35, 2, 1),
    Bits("home1PwrupZoneSwitch", 37, 4, 4), // bits 12-15 of the u16 at 36
    Byte("tailDelayTime", 40),
    Text("radioId", 41, 10),
    Text("radioName", 51, 16),
    Byte("micGain", 67),
    Bits("agcGain_Threshold", 68, 0, 4),
    Bits("agcGain_Gain", 68, 4, 4),
    Byte("audioMode", 69),
    Byte("autoPwrOff", 70),
    Byte("menuExitDelay", 71),
    Bits("voxDelay", 72, 0, 4),
    Bits("voxThreshold", 72, 4, 4),
    Bits("uiAttribute_ChnlDisp", 73, 0, 2),
    Bits("uiAttribute_Band", 73, 2, 5),
    Bits("home2PwrupZoneSwitch", 75, 4, 4),
    Bits("home3PwrupZoneSwitch", 79, 4, 4),
    U16("stepVal", 82),
    Byte("sysLanguage", 84),
    Bits("BacklightBrightness", 85, 4, 4),
    Bits("BacklightTime", 85, 0, 4),
    Byte("noaaChnl", 86),
    Byte("CallTone", 87),
};

constexpr std::array kPowerUp = {
    PowerUpSpec{"home1PwrupZoneIndex", "home1PwrupChnl", 36, 38},
    PowerUpSpec{"home2PwrupZoneIndex", "home2PwrupChnl", 74, 76},
    PowerUpSpec{"home3PwrupZoneIndex", "home3PwrupChnl", 78, 80},
};

constexpr std::array kChannel = {
    Byte("ChannelModel", 14),
    Bits("attribute_pwr_lock", 15, 7, 1),
    Bits("attribute_space_lock", 15, 6, 1),
    Bits("attribute_tail", 15, 4, 2),
    Bits("ChannelPower", 15, 2, 2),
    Bits("BandWidth", 15, 0, 2),
    U32("RxFrequency", 16),
    U32("TxFrequency", 20),
    Tone("CTCSSRxValue", 24),
    Byte("ReceiveSquelchMode", 26),
    Tone("CTCSSTxValue", 27),
    Bits("txPermit_Tot", 29, 0, 6),
    Bits("txPermit_Set", 29, 6, 2),
    Bits("VoxEnable", 30, 7, 1),
    Bits("DeEmpEn", 30, 6, 1),
    Bits("ScramblerEn", 30, 5, 1),
    Bits("TalkAroundEn", 30, 3, 2),
    Bits("scanAuto", 32, 7, 1),
    Bits("pttIdType", 34, 4, 2),
    Bits("signalSysIndex", 34, 0, 4),
};

constexpr std::array kScanList = {
    Bits("chCfg_TxChnl", 14, 4, 4),
    Bits("chCfg_CtdcMode", 14, 0, 4),
    Bits("hangCfg_Hangtime", 15, 4, 4),
    Bits("hangCfg_TalkBack", 15, 3, 1),
    Byte("scan_mode", 23),
};

constexpr std::array kEmergency = {
    Bits("emgMode", 14, 0, 4),     Bits("emgType", 14, 4, 4),       Bits("sqlMode", 17, 4, 2),
    Bits("backTx", 17, 6, 1),      Bits("localEmgAlarm", 17, 7, 1), Bits("emgCycle", 18, 0, 4),
    Bits("emgInterval", 18, 4, 4), Bits("txInterval", 19, 0, 4),    Bits("hotMic", 19, 4, 4),
    Text("emgId", 20, 8),
};

constexpr std::array kFm = {U32("FmFreq", 14), Byte("stationSpace", 18)};

constexpr std::array kNoaa = {U32("noaaFreq", 14), Byte("wxmonitor", 18)};

constexpr std::array kDtmfSettings = {
    Bits("autoRstTime", 0, 4, 4), Bits("digitDelay", 0, 0, 4),   Bits("stunMode_Bit", 1, 6, 2),
    Bits("showAni_Bit", 1, 5, 1), Bits("sideTone_Bit", 1, 4, 1), Bits("pttidType_Bit", 1, 2, 2),
    Text("ownId", 2, 10),         Text("stunId", 12, 10),        Text("reviveId", 22, 10),
    Text("pttId_BOT", 32, 16),    Text("pttId_EOT", 48, 16),
};

constexpr std::array kDtmfSystem = {
    Bits("dtmfSignaling", 14, 0, 4),    Bits("dtmfCodeLength", 14, 4, 4),
    Bits("intermediateCode", 15, 0, 4), Bits("groupCode", 15, 4, 4),
    Text("fastCallLst01", 16, 16),      Text("fastCallLst02", 32, 16),
    Text("fastCallLst03", 48, 16),      Text("fastCallLst04", 64, 16),
    Text("fastCallLst05", 80, 16),      Text("fastCallLst06", 96, 16),
    Text("fastCallLst07", 112, 16),     Text("fastCallLst08", 128, 16),
    Text("fastCallLst09", 144, 16),     Text("fastCallLst10", 160, 16),
    Bits("decodeEnable", 176, 0, 1),    Bits("encodeEnable", 176, 1, 1),
};

} // namespace

void EncodeField(Bytes bytes, const FieldSpec& field, const std::string& value) {
    if (field.kind == FieldKind::Text) {
        PutText(bytes, field.offset, field.width, value);
        return;
    }
    // negative text wraps into the field like any other out-of-range number: only the
    // field's own bits are ever written
    const auto number = static_cast<uint64_t>(ParseDecimal(value));
    switch (field.kind) {
    case FieldKind::Bits:
        PutBits(bytes, field.offset, field.shift, field.width, number);
        break;
    case FieldKind::U16:
        PutU16(bytes, field.offset, number);
        break;
    case FieldKind::U32:
        PutU32(bytes, field.offset, number);
        break;
    case FieldKind::Tone:
        PutU16Be(bytes, field.offset, number & kToneMask);
        break;
    case FieldKind::Text:
        break;
    }
}

std::string DecodeField(ConstBytes bytes, const FieldSpec& field) {
    switch (field.kind) {
    case FieldKind::Bits:
        return DecimalText(GetBits(bytes, field.offset, field.shift, field.width));
    case FieldKind::U16:
        return DecimalText(GetU16(bytes, field.offset));
    case FieldKind::U32:
        return DecimalText(GetU32(bytes, field.offset));
    case FieldKind::Tone:
        return DecimalText(GetU16Be(bytes, field.offset));
    case FieldKind::Text:
        return GetText(bytes, field.offset, field.width);
    }
    return {};
}

FieldTable DeviceInfoFields() {
    return kDeviceInfo;
}
FieldTable SettingsFields() {
    return kSettings;
}
FieldTable ChannelFields() {
    return kChannel;
}
FieldTable ScanListFields() {
    return kScanList;
}
FieldTable EmergencyFields() {
    return kEmergency;
}
FieldTable FmFields() {
    return kFm;
}
FieldTable NoaaFields() {
    return kNoaa;
}
FieldTable DtmfSettingsFields() {
    return kDtmfSettings;
}
FieldTable DtmfSystemFields() {
    return kDtmfSystem;
}
std::span<const PowerUpSpec> PowerUpFields() {
    return kPowerUp;
}

} // namespace vd::gx5
