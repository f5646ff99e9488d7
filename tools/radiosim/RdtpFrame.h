#pragma once
#include "tools/radiosim/SimModels.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace vd::sim {

/// Bytes before the payload of an RDTP frame: magic, version, reserved, payload length.
inline constexpr std::size_t kRdtpHeaderSize = 14;
/// Bytes after the payload: CRC and end mark.
inline constexpr std::size_t kRdtpTrailerSize = 3;
/// Largest payload one frame carries.
inline constexpr std::size_t kRdtpMaxPayload = 1030;

/// Wraps a payload of at most kRdtpMaxPayload bytes in one RDTP frame.
Bytes buildRdtpFrame(std::span<const uint8_t> payload);

/// The payload of a frame that buildRdtpFrame or RdtpReader produced.
std::span<const uint8_t> rdtpPayload(std::span<const uint8_t> frame);

/// One thing found in the host's byte stream.
struct RdtpItem {
    enum class Kind {
        Frame,   ///< a whole frame with a good CRC and end mark
        Junk,    ///< bytes outside any frame
        Rejected ///< a frame magic whose frame is malformed; only the magic is consumed
    };
    Kind kind;
    Bytes bytes;
    std::string reason;
};

/// Cuts the host's byte stream into frames: several frames may come in one read and one frame
/// may come in several. Bytes outside frames are handed out as junk; a malformed frame gives
/// up only its magic so that a frame hidden behind a corrupted length is still found.
class RdtpReader {
public:
    /// Adds bytes as they came from the cable.
    void feed(std::span<const uint8_t> bytes);
    /// The next complete item, or nothing while the buffered bytes may still become a frame.
    std::optional<RdtpItem> next();
    /// Whether bytes of an unfinished frame are waiting.
    bool hasPartial() const { return !buffer_.empty(); }
    /// Gives up the unfinished frame (the host stopped sending it).
    Bytes takePartial();

private:
    Bytes buffer_;
};

} // namespace vd::sim
