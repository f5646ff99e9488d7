// The five models as data: what each one sends, where it keeps its values and what it locks.
#include "radios/lmvs/LmVsModels.h"

#include "app/ModelRegistry.h"
#include "model/HamCpsElement.h"
#include "model/ReferenceTables.h"
#include "model/TextNumber.h"

namespace vd {

namespace {

template <typename Control> bool Register(const char* modelName, const char* identifier) {
    return ModelRegistry::RegisterModel(
               modelName,
               [](const std::string& name) { return std::make_unique<Control>(name); }) &&
           ModelRegistry::RegisterIdentifier(identifier, modelName);
}

const bool registered = Register<Lm704v001Control>("LM704", "LM704_v001") &&
                        Register<Vs31v001Control>("VS31", "VS31_v001") &&
                        Register<Vs46v001Control>("VS46", "VS46_v001") &&
                        Register<Vs58v001Control>("VS58", "VS58_v001") &&
                        Register<Vs73v001Control>("VS73", "VS73_v001");

using Kind = ChannelFieldKind;

constexpr FrequencyLimits kUhf{400000000, 470000000};
constexpr FrequencyLimits kVs73Vhf{136000000, 174000000};
constexpr FrequencyLimits kVs73Uhf{400000000, 480000000};

ByteVector Text(std::string_view text) {
    return ByteVector(text.begin(), text.end());
}

ByteVector WithStx(std::string_view text) {
    return Text("\x02" + std::string(text));
}

// The exchanges of the handshake after the opening.
LmVsHandshakeExchange Identify(std::size_t minimum) {
    return {0x02, minimum, false, "handshake_step2", "handshake_step2", std::nullopt, 8, true};
}
const LmVsHandshakeExchange kAckUntilAck{
    0x06, 1, true, "handshake_step3 request = 0x06", "handshake_step3", 0x06, 0, false};
const LmVsHandshakeExchange kVersion{0x05,         6, false, "handshake_step2", "handshake_step2",
                                     std::nullopt, 6, true};
const LmVsHandshakeExchange kFinalAck{
    0x06, 1, false, "handshake_step3 request = 0x06", "handshake_step3", 0x06, 0, true};
const LmVsHandshakeExchange kVs46Ack{
    0x06, 0, false, "handshake_step3 request = 0x06", "handshake_step3", 0x06, 0, false};
const LmVsHandshakeExchange kVs46Confirm{
    0x07, 0, false, "handshake_step3 request = 0x07", "handshake_step3", 0x4E, 0, true};

// The fields every channel record starts with.
std::vector<ChannelField> ChannelFields(std::initializer_list<ChannelField> more) {
    std::vector<ChannelField> fields{{"rxfreq", Kind::Frequency, 0},
                                     {"txfreq", Kind::Frequency, 4},
                                     {"rx_tone", Kind::Tone, 8},
                                     {"tx_tone", Kind::Tone, 10}};
    fields.insert(fields.end(), more);
    return fields;
}

ChannelField Bit(const char* name, std::uint8_t byte, std::uint8_t shift, std::uint8_t width = 1) {
    return {name, Kind::Bits, byte, shift, width};
}

const ChannelField kScanBit{"scan_add", Kind::ScanBit};

SettingField Whole(const char* name, std::uint8_t byte) {
    return {.name = name, .byte = byte};
}

SettingField Bits(const char* name, std::uint8_t byte, std::uint8_t shift, std::uint8_t width) {
    return {.name = name, .byte = byte, .shift = shift, .width = width};
}

// A whole byte whose values from 128 up read as negative numbers less `reduction`.
SettingField Signed(const char* name, std::uint8_t byte, int reduction) {
    return {.name = name, .byte = byte, .highReduction = reduction};
}

const std::vector<WriteRange> kVs31Ranges{{0, 8, 8}, {16, 400, 8}, {416, 640, 8}, {656, 1008, 8}};

const LmVsModelData& Lm704() {
    static const LmVsModelData data{
        .rootName = "lm704_v001",
        .templateFile = "lm704_v001.ysht",
        .link = {.className = "Lm704v001Control",
                 .section = "LM704",
                 .imageSize = 1008,
                 .readBlockSize = 8,
                 .writeRanges = {{0, 8, 8}, {16, 400, 8}, {960, 1008, 8}},
                 .setsEventChars = true,
                 .inputQueueSize = 4096,
                 .outputQueueSize = 2048,
                 .opening = {.texts = {WithStx("4XULWEN")}},
                 .handshake = {Identify(8), kAckUntilAck},
                 .readInterval = 50,
                 .writeInterval = 50,
                 .trailingAck = true,
                 .hostAcksBlocks = false,
                 .ackContentHex = false,
                 .closingByte = 0x45},
        .image = {.imageSize = 1008,
                  .channelFields =
                      ChannelFields({Bit("busy_lock", 12, 0), Bit("highpower", 12, 3),
                                     Bit("scan_add", 12, 4), Bit("scramble_type", 12, 5),
                                     Bit("compander", 12, 6), Bit("speccode", 12, 7)}),
                  .keepsUnfilledSlots = false,
                  .settingsOffset = 960,
                  .settingsSize = 10,
                  .settings = {Bits("vox_function", 0, 0, 1), Bits("battery_save", 0, 1, 1),
                               Bits("voice", 0, 2, 2), Bits("scanmode", 0, 6, 1),
                               Whole("squelch", 1), Whole("key_pf1", 2), Whole("tot", 3),
                               Whole("voxgain", 4), Whole("voxdelay", 7)}},
        .rules = {.readOnlyKeys = {"e01010010_vhf_range", "e01010011_uhf_range"},
                  .lockedChannelFields = {"rxfreq", "txfreq", "highpower"},
                  .frequencies = kUhf}};
    return data;
}

const LmVsModelData& Vs31() {
    static const LmVsModelData data{
        .rootName = "vs31_v001",
        .templateFile = "vs31_v001.ysht",
        .link = {.className = "Vs31v001Control",
                 .section = "VS31",
                 .imageSize = 1008,
                 .readBlockSize = 8,
                 .writeRanges = kVs31Ranges,
                 .setsEventChars = true,
                 .inputQueueSize = 4096,
                 .outputQueueSize = 2048,
                 .opening = {.texts = {WithStx("JEVQRIT"), WithStx("jEVQRIT")},
                             .secondAfterSilence = true},
                 .handshake = {Identify(8), kAckUntilAck, kVersion, kFinalAck},
                 .readInterval = 50,
                 .writeInterval = 50,
                 .trailingAck = false,
                 .hostAcksBlocks = true,
                 .ackContentHex = true,
                 .closingByte = 0x62},
        .image =
            {.imageSize = 1008,
             .channelFields = ChannelFields({Bit("busy_lock", 12, 0), Bit("wide", 12, 2),
                                             Bit("highpower", 12, 3), Bit("scan_add", 12, 4),
                                             Bit("scrambler", 12, 5), Bit("compander", 12, 6),
                                             Bit("digit_ctc", 12, 7)}),
             .keepsUnfilledSlots = true,
             .settingsOffset = 960,
             .settingsSize = 8,
             .settings = {Bits("vox", 0, 0, 1),
                          Bits("save", 0, 1, 1),
                          {.name = "voice", .byte = 0, .shift = 2, .width = 2, .zeroReadsAs = 2},
                          Bits("scan_mode", 0, 6, 1),
                          Whole("squelch", 1),
                          Whole("tot", 3),
                          Whole("voxgain", 4),
                          Whole("voxdelay", 7)}},
        .rules = {.readOnlyKeys = {},
                  .lockedChannelFields = {"rxfreq", "txfreq", "wide"},
                  .frequencies = kUhf}};
    return data;
}

const LmVsModelData& Vs46() {
    static const LmVsModelData data{
        .rootName = "vs46_v001",
        .templateFile = "vs46_v001.ysht",
        .link = {.className = "Vs46v001Control",
                 .section = "VS46",
                 .imageSize = 1024,
                 .readBlockSize = 64,
                 .writeRanges = {{16, 272, 16}, {288, 320, 16}, {368, 384, 16}},
                 .setsEventChars = false,
                 .inputQueueSize = 3600,
                 .outputQueueSize = 3600,
                 .opening = {.texts = {Text("MUTAKFE")}, .waitForAck = false, .exactAck = true},
                 .handshake = {Identify(0), kVs46Ack, kVs46Confirm},
                 .readInterval = 150,
                 .writeInterval = 200,
                 .trailingAck = false,
                 .hostAcksBlocks = true,
                 .ackContentHex = false,
                 .closingByte = std::nullopt},
        .image = {.imageSize = 1024,
                  .channelFields =
                      ChannelFields({Bit("busy_lock", 13, 0), Bit("signal", 13, 1),
                                     Bit("wide", 13, 4), Bit("highpower", 13, 5), kScanBit}),
                  .keepsUnfilledSlots = false,
                  .settingsOffset = 303,
                  .settingsSize = 16,
                  .settings = {Signed("voice", 0, 252), Whole("tot", 1), Whole("squelch", 5),
                               Signed("save", 6, 254), Signed("beep", 7, 254),
                               Signed("vox", 10, 254), Whole("voxgain", 11), Whole("voxdelay", 12),
                               Whole("pf2key", 15)},
                  .scanBitmapOffset = 382},
        .rules = {.readOnlyKeys = {},
                  .lockedChannelFields = {"rxfreq", "txfreq", "wide", "highpower"},
                  .frequencies = kUhf}};
    return data;
}

const LmVsModelData& Vs58() {
    static const LmVsModelData data{
        .rootName = "vs58_v001",
        .templateFile = "vs58_v001.ysht",
        .link = {.className = "Vs58v001Control",
                 .section = "VS58",
                 .imageSize = 1008,
                 .readBlockSize = 8,
                 .writeRanges = kVs31Ranges,
                 .setsEventChars = true,
                 .inputQueueSize = 4096,
                 .outputQueueSize = 2048,
                 .opening = {.texts = {WithStx("DWIXNOL"), WithStx("dWIXNOL")},
                             .secondAfterSilence = false},
                 .handshake = {Identify(8), kAckUntilAck, kVersion, kFinalAck},
                 .readInterval = 50,
                 .writeInterval = 50,
                 .trailingAck = true,
                 .hostAcksBlocks = true,
                 .ackContentHex = false,
                 .closingByte = 0x62},
        .image = {.imageSize = 1008,
                  .channelFields = ChannelFields(
                      {Bit("busy_lock", 12, 0), Bit("wide", 12, 2), Bit("highpower", 12, 3),
                       Bit("scan_add", 12, 4), Bit("scrambler", 12, 5), Bit("compander", 12, 6)}),
                  .keepsUnfilledSlots = true,
                  .settingsOffset = 960,
                  .settingsSize = 8,
                  .settings = {Bits("beep_tone", 0, 0, 1), Bits("save", 0, 1, 1),
                               Bits("voice", 0, 2, 2), Bits("scan_mode", 0, 6, 1),
                               Whole("squelch", 1), Whole("tot", 3), Whole("voxgain", 4),
                               Whole("voxdelay", 7)}},
        .rules = {.readOnlyKeys = {},
                  .lockedChannelFields = {"rxfreq", "txfreq", "wide", "highpower"},
                  .frequencies = kUhf}};
    return data;
}

const LmVsModelData& Vs73() {
    static const LmVsModelData data{
        .rootName = "vs73_v001",
        .templateFile = "vs73_v001.ysht",
        .link = {.className = "Vs73v001Control",
                 .section = "VS73",
                 .imageSize = 1024,
                 .readBlockSize = 64,
                 .writeRanges = {{16, 384, 16}},
                 .setsEventChars = true,
                 .inputQueueSize = 4096,
                 .outputQueueSize = 2048,
                 .opening = {.texts = {Text("BLENQAV")}},
                 .handshake = {Identify(8), kAckUntilAck},
                 .readInterval = 50,
                 .writeInterval = 50,
                 .trailingAck = true,
                 .hostAcksBlocks = true,
                 .ackContentHex = false,
                 .closingByte = 0x45},
        .image = {.imageSize = 1024,
                  .channelFields = ChannelFields({Bit("busy_lock", 12, 3, 2),
                                                  Bit("compander", 12, 5), Bit("cdcss_type", 13, 0),
                                                  Bit("wide", 13, 4), Bit("highpower", 13, 5, 2),
                                                  Bit("scramble_type", 15, 0, 3), kScanBit}),
                  .keepsUnfilledSlots = false,
                  .settingsOffset = 300,
                  .settingsSize = 16,
                  .settings = {Whole("scramble_enable", 0), Signed("voice", 3, 252),
                               Whole("tot", 4), Whole("tot_alert", 5), Whole("squelch", 8),
                               Signed("battery_save", 9, 254), Whole("vox_function", 13),
                               Whole("voxgain", 14), Whole("voxdelay", 15)},
                  .scanBitmapOffset = 382,
                  .keyBytes = {{"key_pf1", 285}, {"key_pf2", 286}}},
        // the band follows "freq_range" (Vs73v001Control::ValidateValue)
        .rules = {.readOnlyKeys = {"e01010010_vhf_range", "e01010011_uhf_range"},
                  .lockedChannelFields = {},
                  .frequencies = kVs73Vhf}};
    return data;
}

} // namespace

Lm704v001Control::Lm704v001Control(const std::string& modelName) : LmVsControl(modelName, Lm704()) {
    (void)registered;
}

Vs31v001Control::Vs31v001Control(const std::string& modelName) : LmVsControl(modelName, Vs31()) {}

Vs46v001Control::Vs46v001Control(const std::string& modelName) : LmVsControl(modelName, Vs46()) {}

// The general reference names, except the priority channels this radio does not have.
bool Vs46v001Control::IsReferenceName(const std::string& name) {
    return name != "prio1Chnl" && name != "prio2Chnl" && IsGenericReferenceName(name);
}

std::string Vs46v001Control::GetReferenceTarget(const std::string& name) {
    return IsReferenceName(name) ? GenericReferenceTarget(name) : std::string();
}

Vs58v001Control::Vs58v001Control(const std::string& modelName) : LmVsControl(modelName, Vs58()) {}

Vs73v001Control::Vs73v001Control(const std::string& modelName) : LmVsControl(modelName, Vs73()) {}

bool Vs73v001Control::ImportImage(const ByteVector& image) {
    if (!LmVsControl::ImportImage(image)) {
        return false;
    }
    ElementList channels;
    GetElementsByName("ChannelName", channels);
    for (const ElementPtr& channel : channels) {
        if (channel->controlType == 0) {
            continue;
        }
        ElementList fields;
        GetChildElements(channel->id, fields);
        for (const ElementPtr& field : fields) {
            if (field->name != "rxfreq") {
                continue;
            }
            const long long hz = ParseDecimal(field->inputValue);
            if (hz >= kVs73Vhf.lower && hz <= kVs73Vhf.upper) {
                SetValueByName("freq_range", "0");
                return true;
            }
            if (hz >= kVs73Uhf.lower && hz <= kVs73Uhf.upper) {
                SetValueByName("freq_range", "1");
                return true;
            }
        }
    }
    return true; // no channel tells the band: the setting stays as it was
}

// "freq_range" 0 (or absent) is the 136-174 MHz radio, any other value the 400-480 MHz one.
bool Vs73v001Control::ValidateValue(const std::string& name, std::string& kind,
                                    std::vector<long long>& lower, std::vector<long long>& upper,
                                    std::string&) {
    ElementList range;
    GetElementsByName("freq_range", range);
    const bool uhf = !range.empty() && ParseDecimal(range.front()->inputValue) != 0;
    return frequency_rule(name, uhf ? kVs73Uhf : kVs73Vhf, kind, lower, upper);
}

// Switching the band moves every channel frequency to the nearest edge of the new band. The
// new value is read from the document, which the view has already updated.
bool Vs73v001Control::OnValueChanged(const HamCpsElement& changed, const std::string&,
                                     std::vector<ElementKey>& dependents) {
    if (changed.name != "freq_range") {
        return false;
    }
    std::string kind;
    std::vector<long long> lower;
    std::vector<long long> upper;
    std::string allowed;
    if (!ValidateValue("rxfreq", kind, lower, upper, allowed)) {
        return false;
    }
    return move_channels_into_range(*this, lower, upper, dependents);
}

} // namespace vd
