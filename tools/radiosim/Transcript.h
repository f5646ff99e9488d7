#pragma once
#include "tools/radiosim/SimModels.h"

#include <filesystem>
#include <fstream>
#include <span>
#include <string_view>

namespace vd::sim {

/// Which way bytes went on the cable.
enum class Direction { HostToRadio, RadioToHost };

/// The record of one radio's traffic: every request and answer in hex with direction and time,
/// and a note for everything the radio refused or ignored. Lines are flushed as they are
/// written, so the file is complete whenever the radio stops.
class Transcript {
public:
    /// A transcript that records nothing.
    Transcript() = default;
    /// A transcript written to `file` (truncated); throws std::runtime_error when it cannot be
    /// created.
    explicit Transcript(const std::filesystem::path& file);

    /// Records bytes that crossed the cable.
    void bytes(Direction direction, std::span<const uint8_t> data);
    /// Records a remark of the radio, such as why it refused a request.
    void note(std::string_view text);

private:
    void line(std::string_view tag, std::string_view text);

    std::ofstream out_;
};

/// Bytes as upper-case hex pairs separated by spaces ("52 00 18 08").
std::string hexText(std::span<const uint8_t> data);

} // namespace vd::sim
