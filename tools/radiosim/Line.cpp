#include "tools/radiosim/Line.h"

#include <fmt/format.h>

namespace vd::sim {

Line::Line(ByteSink& sink, Transcript& transcript, const Faults& faults)
    : sink_(sink), transcript_(transcript), faults_(faults) {}

Line::Admission Line::request(std::span<const uint8_t> bytes) {
    transcript_.bytes(Direction::HostToRadio, bytes);
    if (hungUp_) {
        return Admission::HangUp;
    }
    ++requests_;
    if (faults_.hangupAfter && requests_ > *faults_.hangupAfter) {
        transcript_.note(fmt::format("cable pulled after {} requests", *faults_.hangupAfter));
        hungUp_ = true;
        return Admission::HangUp;
    }
    if (requests_ <= faults_.dropFirst) {
        transcript_.note(fmt::format("request {} dropped", requests_));
        return Admission::Drop;
    }
    return Admission::Handle;
}

void Line::answer(std::span<const uint8_t> bytes) {
    if (hungUp_) {
        return;
    }
    if (faults_.silent) {
        transcript_.note(fmt::format("silent: not sent {}", hexText(bytes)));
        return;
    }
    Bytes out(bytes.begin(), bytes.end());
    if (faults_.garbage) {
        out.insert(out.begin(), std::begin(kGarbagePrefix), std::end(kGarbagePrefix));
        out.insert(out.end(), kGarbageZeroCount, 0x00);
    }
    transcript_.bytes(Direction::RadioToHost, out);
    if (!sink_.send(out)) {
        transcript_.note("the host does not read: answer lost");
    }
}

void Line::ignore(std::span<const uint8_t> bytes, std::string_view why) {
    transcript_.note(fmt::format("ignored {}: {}", hexText(bytes), why));
}

void Line::note(std::string_view text) {
    transcript_.note(text);
}

} // namespace vd::sim
