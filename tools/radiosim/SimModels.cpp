#include "tools/radiosim/SimModels.h"

#include <algorithm>
#include <array>

namespace vd::sim {

namespace {

Bytes text(std::string_view chars) {
    return Bytes(chars.begin(), chars.end());
}

Bytes withStx(std::string_view chars) {
    return text("\x02" + std::string(chars));
}

// The identification answer is not interpreted by hosts; these radios report their model and
// a firmware mark, padded to 8 bytes.
Bytes identification(std::string_view model) {
    Bytes bytes = text(model);
    bytes.resize(8, 0x00);
    return bytes;
}

const HandshakeStep kAck{0x06, {0x06}};

const std::vector<WriteRange> kRangesLm704{{0, 8, 8}, {16, 400, 8}, {960, 1008, 8}};
const std::vector<WriteRange> kRangesVs31Vs58{
    {0, 8, 8}, {16, 400, 8}, {416, 640, 8}, {656, 1008, 8}};
const std::vector<WriteRange> kRangesVs46{{16, 272, 16}, {288, 320, 16}, {368, 384, 16}};
const std::vector<WriteRange> kRangesVs73{{16, 384, 16}};

const std::array<SimModel, 7>& table() {
    static const std::array<SimModel, 7> models{{
        {.name = "GX5",
         .family = Family::Gx5,
         .imageSize = 55070,
         .identity = "GX5  -0000000000000000000-PCB-01"},
        {.name = "GX5G",
         .family = Family::Gx5,
         .imageSize = 55070,
         .identity = "GX5G -0000000000000000000-PCB-01"},
        {.name = "LM704",
         .family = Family::LmVs,
         .imageSize = 1008,
         .openings = {withStx("4XULWEN")},
         .handshake = {{0x02, identification("LM704")}, kAck},
         .readBlockSize = 8,
         .hostAcksBlocks = false,
         .trailingAckAllowed = true,
         .writeRanges = kRangesLm704,
         .closingByte = 0x45},
        {.name = "VS31",
         .family = Family::LmVs,
         .imageSize = 1008,
         .openings = {withStx("JEVQRIT"), withStx("jEVQRIT")},
         .handshake = {{0x02, identification("VS31")},
                       kAck,
                       {0x05, {0x56, 0x33, 0x31, 0x01, 0x00, 0x00}},
                       kAck},
         .readBlockSize = 8,
         .hostAcksBlocks = true,
         .trailingAckAllowed = false,
         .writeRanges = kRangesVs31Vs58,
         .closingByte = 0x62},
        {.name = "VS46",
         .family = Family::LmVs,
         .imageSize = 1024,
         .openings = {text("MUTAKFE")},
         .handshake = {{0x02, identification("VS46")}, kAck, {0x07, {0x4E}}},
         .readBlockSize = 64,
         .hostAcksBlocks = true,
         .trailingAckAllowed = false,
         .writeRanges = kRangesVs46,
         .closingByte = std::nullopt},
        {.name = "VS58",
         .family = Family::LmVs,
         .imageSize = 1008,
         .openings = {withStx("DWIXNOL"), withStx("dWIXNOL")},
         .handshake = {{0x02, identification("VS58")},
                       kAck,
                       {0x05, {0x56, 0x35, 0x38, 0x01, 0x00, 0x00}},
                       kAck},
         .readBlockSize = 8,
         .hostAcksBlocks = true,
         .trailingAckAllowed = true,
         .writeRanges = kRangesVs31Vs58,
         .closingByte = 0x62},
        {.name = "VS73",
         .family = Family::LmVs,
         .imageSize = 1024,
         .openings = {text("BLENQAV")},
         .handshake = {{0x02, identification("VS73")}, kAck},
         .readBlockSize = 64,
         .hostAcksBlocks = true,
         .trailingAckAllowed = true,
         .writeRanges = kRangesVs73,
         .closingByte = 0x45},
    }};
    return models;
}

} // namespace

const SimModel* findSimModel(std::string_view name) {
    const auto& models = table();
    auto found = std::find_if(models.begin(), models.end(),
                              [name](const SimModel& model) { return model.name == name; });
    return found == models.end() ? nullptr : &*found;
}

std::vector<std::string> simModelNames() {
    std::vector<std::string> names;
    for (const auto& model : table()) {
        names.push_back(model.name);
    }
    return names;
}

std::optional<uint32_t> writeBlockSizeAt(const SimModel& model, uint32_t address) {
    for (const WriteRange& range : model.writeRanges) {
        if (address >= range.start && address + range.step <= range.end &&
            (address - range.start) % range.step == 0) {
            return range.step;
        }
    }
    return std::nullopt;
}

uint32_t lastWriteBlockAddress(const SimModel& model) {
    if (model.writeRanges.empty()) {
        return 0;
    }
    const WriteRange& last = model.writeRanges.back();
    return last.start + ((last.end - last.start) / last.step - 1) * last.step;
}

} // namespace vd::sim
