#pragma once
#include "tools/radiosim/SimModels.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vd::sim {

/// Faults a simulated radio or its cable can show, so that hosts can be tested against them.
struct Faults {
    /// Ignore the first N requests as if they never arrived.
    unsigned dropFirst = 0;
    /// One answer to this block read is spoiled once (GX5: wrong CRC; LM/VS: wrong header byte).
    std::optional<unsigned> corruptBlock;
    /// GX5 family: the first handshake is answered with status 0xFF.
    bool statusFf = false;
    /// Junk bytes before and zero bytes after every answer.
    bool garbage = false;
    /// GX5 family: the total block count the radio reports in its block answers.
    std::optional<unsigned> reportedBlocks;
    /// Never answer anything.
    bool silent = false;
    /// Answer this many requests; when the next one arrives the cable is pulled.
    std::optional<unsigned> hangupAfter;
    /// Pause after every byte sent, like a real line (87 us at 115200 baud, 1042 at 9600).
    unsigned byteDelayUs = 0;
    /// Write part (GX5) or block (LM/VS) K of a write session is acknowledged but not stored,
    /// once: the memory keeps what it held there.
    std::optional<unsigned> loseWrite;
};

/// Everything one simulated radio is started with.
struct SimConfig {
    /// Model name as in the model table ("GX5", "LM704", ...).
    std::string model;
    /// Memory image the radio holds; empty for a blank image of the model's size.
    std::filesystem::path imageFile;
    /// Where the image is saved as the host wrote it when a write session ends; empty: not saved.
    std::filesystem::path saveWritten;
    /// Where every request and answer is recorded; empty: no transcript.
    std::filesystem::path transcriptFile;
    /// Where the device path is written once the radio is ready; empty: nowhere.
    std::filesystem::path readyFile;
    /// GX5 family: the password the radio asks for; empty: none.
    std::string password;
    /// LM704, VS58, VS73: block answers end with 0x06.
    bool trailingAck = false;
    /// Stop after the first write session has ended.
    bool once = false;
    Faults faults;
};

/// The model a configuration names; throws std::invalid_argument for an unknown model.
const SimModel& modelOf(const SimConfig& config);

/// Checks that the options fit together and fit the model; throws std::invalid_argument with a
/// message for the user otherwise.
void validate(const SimConfig& config);

} // namespace vd::sim
