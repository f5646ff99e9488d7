#pragma once
#include "model/ModelTypes.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vd {

/// Bytes of an RDTP frame before its payload: magic, version, reserved bytes, payload length.
inline constexpr std::size_t kRdtpHeaderSize = 14;
/// Bytes of an RDTP frame after its payload: CRC and end mark.
inline constexpr std::size_t kRdtpTrailerSize = 3;
/// Largest payload one RDTP frame carries.
inline constexpr std::size_t kRdtpMaxPayload = 1030;
/// The smallest thing that can be an RDTP frame (header, empty payload, trailer).
inline constexpr std::size_t kRdtpMinFrameSize = kRdtpHeaderSize + kRdtpTrailerSize;
/// The byte that closes every frame.
inline constexpr uint8_t kRdtpEndMark = 0xFF;

/// Bytes of image data in one block read answer or one write part.
inline constexpr std::size_t kGx5BlockSize = 1024;
/// Bytes in front of the data of a block answer and of a write part: command, index, count.
inline constexpr std::size_t kGx5BlockHeaderSize = 6;
/// Largest number of blocks a radio may report: 256 x 1024 bytes is all the memory there is.
inline constexpr unsigned kGx5MaxBlockCount = 256;
/// Length of the model identity in the handshake request.
inline constexpr std::size_t kGx5IdentitySize = 32;
/// Password bytes in the handshake request.
inline constexpr std::size_t kGx5PasswordSize = 8;
/// Size of a whole handshake answer frame; bytes beyond it are not looked at.
inline constexpr std::size_t kGx5HandshakeAnswerSize = 55;
/// Size of a whole write acknowledgement frame; bytes beyond it are not looked at.
inline constexpr std::size_t kGx5WriteAckSize = 25;
/// Handshake status of a radio that refuses the password.
inline constexpr uint8_t kGx5StatusWrongPassword = 1;

/// Wraps a payload in RDTP frames: pieces of at most 1030 bytes, each with its own frame, one
/// after the other. An empty payload gives no frame (an empty result).
ByteVector frame_payload(std::span<const uint8_t> payload);

/// Payload of the handshake request: the model identity (padded or cut to 32 bytes), the mode
/// byte (0 read, 1 write) and the first 8 password bytes padded with zeros.
ByteVector handshake_payload(std::string_view identity, uint8_t mode,
                             std::span<const uint8_t> password);

/// Payload asking for image block `index`.
ByteVector block_read_payload(uint16_t index);

/// Payload of the whole write: one part of 1030 bytes per 1024 image bytes (the last part
/// shorter), each with its index and the part count, so that part k starts at k x 1030.
/// `partCount` must be the image's part count (size / 1024 rounded up) and fit in 16 bits.
ByteVector write_payload(std::span<const uint8_t> image, uint16_t partCount);

/// Payload asking the radio to leave programming mode.
ByteVector reboot_payload();

/// Whether `answer` is one whole frame as the radio sends it: it ends with the end mark and
/// the CRC over everything before the CRC matches.
bool rdtp_crc_ok(std::span<const uint8_t> answer);

/// Whether `answer` ends with one whole frame (leading noise allowed): the length its header
/// gives, closed by the end mark, with a good CRC.
bool ends_with_whole_frame(std::span<const uint8_t> answer);

/// `answer` without the zero bytes at both ends, aligned so that it starts with "RDTP" and cut
/// to `keep` bytes. The alignment drops one leading byte at a time and gives up (leaving the
/// rest as it is) once as many bytes were dropped as are left.
std::span<const uint8_t> align_answer(std::span<const uint8_t> answer, std::size_t keep);

/// What a handshake answer says.
enum class HandshakeVerdict {
    Accepted,      ///< the radio is in programming mode
    WrongPassword, ///< the radio wants another password
    Rejected,      ///< not a handshake answer, a refusing status or a bad CRC
};

/// Judges a handshake answer as received (noise and zero padding around the frame allowed).
HandshakeVerdict judge_handshake_answer(std::span<const uint8_t> answer);

/// Whether an answer to a block read is a whole frame with a good CRC whose payload carries
/// the block header for block `index`.
bool is_block_answer(std::span<const uint8_t> answer, uint16_t index);

/// The payload of a block answer: from the end of the header up to the CRC. Empty when the
/// answer is too short to hold a frame.
std::span<const uint8_t> block_answer_payload(std::span<const uint8_t> answer);

/// Whether a write answer (noise and zero padding allowed) acknowledges part `index` in a
/// frame with a good CRC.
bool is_write_acknowledgement(std::span<const uint8_t> answer, uint16_t index);

/// The little-endian u16 at `offset`; the caller checks that both bytes exist.
inline uint16_t read_u16(std::span<const uint8_t> bytes, std::size_t offset) {
    return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

} // namespace vd
