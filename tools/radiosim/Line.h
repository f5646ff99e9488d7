#pragma once
#include "tools/radiosim/SimConfig.h"
#include "tools/radiosim/Transcript.h"

#include <span>
#include <string_view>

namespace vd::sim {

/// Where the radio's answer bytes go: the pseudo-terminal, or a buffer when a radio is examined
/// without one.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    /// Sends bytes to the host; false when they could not be delivered.
    virtual bool send(std::span<const uint8_t> bytes) = 0;
};

/// The radio's end of the cable: every request passes it before the radio acts, every answer on
/// its way out. It applies the cable's faults (dropped requests, silence, noise, a pulled plug)
/// and records everything in the transcript, so that the radios only speak their protocol.
class Line {
public:
    /// What the radio does with a request that reached it.
    enum class Admission { Handle, Drop, HangUp };

    /// A line writing to `sink` and recording in `transcript`; both must outlive the line.
    Line(ByteSink& sink, Transcript& transcript, const Faults& faults);

    /// Records a complete request and decides whether the radio acts on it.
    Admission request(std::span<const uint8_t> bytes);
    /// Sends an answer, shaped by the line's faults.
    void answer(std::span<const uint8_t> bytes);
    /// Records bytes the radio did not accept as a request, and why.
    void ignore(std::span<const uint8_t> bytes, std::string_view why);
    /// Records a remark of the radio.
    void note(std::string_view text);
    /// Whether the cable has been pulled; nothing more is read or sent then.
    bool hungUp() const { return hungUp_; }

private:
    ByteSink& sink_;
    Transcript& transcript_;
    Faults faults_;
    unsigned requests_ = 0;
    bool hungUp_ = false;
};

/// Junk a noisy line puts in front of every answer (it holds a false start of a frame magic).
inline constexpr uint8_t kGarbagePrefix[] = {0xA5, 0x52, 0x44, 0x5A, 0x13};
/// Number of zero bytes a noisy line puts after every answer.
inline constexpr std::size_t kGarbageZeroCount = 3;

} // namespace vd::sim
