#include "tools/radiosim/Transcript.h"

#include <fmt/chrono.h>
#include <fmt/format.h>
#include <fmt/ranges.h>

#include <chrono>
#include <stdexcept>

namespace vd::sim {

Transcript::Transcript(const std::filesystem::path& file)
    : out_(file, std::ios::binary | std::ios::trunc) {
    if (!out_) {
        throw std::runtime_error(fmt::format("cannot create the transcript \"{}\"", file.string()));
    }
}

void Transcript::bytes(Direction direction, std::span<const uint8_t> data) {
    line(direction == Direction::HostToRadio ? "host>radio" : "radio>host", hexText(data));
}

void Transcript::note(std::string_view text) {
    line("note", text);
}

void Transcript::line(std::string_view tag, std::string_view text) {
    if (!out_.is_open()) {
        return;
    }
    const auto now = std::chrono::system_clock::now();
    const auto micros =
        std::chrono::duration_cast<std::chrono::microseconds>(now.time_since_epoch()).count() %
        1000000;
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    out_ << fmt::format("{:%H:%M:%S}.{:06} {} {}\n", fmt::localtime(seconds), micros, tag, text);
    out_.flush();
}

std::string hexText(std::span<const uint8_t> data) {
    return fmt::format("{:02X}", fmt::join(data, " "));
}

} // namespace vd::sim
