#include "radios/gx5/Gx5Frame.h"

#include "radios/gx5/Crc16Arc.h"

#include <algorithm>
#include <array>

namespace vd {

namespace {

constexpr std::array<uint8_t, 4> kMagic{'R', 'D', 'T', 'P'};
constexpr uint16_t kVersion = 1;
constexpr std::size_t kReservedSize = 6;
// The payload length sits after magic, version and the reserved bytes.
constexpr std::size_t kLengthOffset = 12;

// Every request but a write part carries the command, then u16 0 and u16 1.
constexpr uint16_t kSingleIndex = 0;
constexpr uint16_t kSingleCount = 1;

// Where the answers carry what the host checks, counted from the start of the frame.
constexpr std::size_t kAnswerCommandOffset = kRdtpHeaderSize;
constexpr std::size_t kBlockIndexOffset = kRdtpHeaderSize + 2;
constexpr std::size_t kAckIndexOffset = kRdtpHeaderSize + 6;
// Position of the handshake status byte, counted back from the end of the frame.
constexpr std::size_t kStatusFromEnd = 4;
constexpr uint8_t kLastStatus = 0xFF;

void append_u16(ByteVector& bytes, uint16_t value) {
    bytes.push_back(static_cast<uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
}

ByteVector command_head(uint8_t first, uint8_t second, uint16_t index, uint16_t count) {
    ByteVector head{first, second};
    append_u16(head, index);
    append_u16(head, count);
    return head;
}

void append_frame(ByteVector& out, std::span<const uint8_t> piece) {
    const std::size_t start = out.size();
    out.insert(out.end(), kMagic.begin(), kMagic.end());
    append_u16(out, kVersion);
    out.insert(out.end(), kReservedSize, 0x00);
    append_u16(out, static_cast<uint16_t>(piece.size()));
    out.insert(out.end(), piece.begin(), piece.end());
    // A frame is at most 14 + 1030 bytes, so its length always fits the CRC routine's.
    const uint16_t crc = crc16_arc(out.data() + start, static_cast<uint16_t>(out.size() - start));
    append_u16(out, crc);
    out.push_back(kRdtpEndMark);
}

bool starts_with_magic(std::span<const uint8_t> bytes) {
    return bytes.size() >= kMagic.size() && std::equal(kMagic.begin(), kMagic.end(), bytes.begin());
}

} // namespace

ByteVector frame_payload(std::span<const uint8_t> payload) {
    ByteVector out;
    for (std::size_t offset = 0; offset < payload.size(); offset += kRdtpMaxPayload) {
        append_frame(out,
                     payload.subspan(offset, std::min(kRdtpMaxPayload, payload.size() - offset)));
    }
    return out;
}

ByteVector handshake_payload(std::string_view identity, uint8_t mode,
                             std::span<const uint8_t> password) {
    ByteVector payload = command_head(0x00, 0x00, kSingleIndex, kSingleCount);
    const std::size_t identityStart = payload.size();
    payload.insert(payload.end(), identity.begin(),
                   identity.begin() +
                       static_cast<std::ptrdiff_t>(std::min(identity.size(), kGx5IdentitySize)));
    payload.resize(identityStart + kGx5IdentitySize, 0x00);
    payload.push_back(mode);
    const std::size_t passwordStart = payload.size();
    payload.insert(payload.end(), password.begin(),
                   password.begin() +
                       static_cast<std::ptrdiff_t>(std::min(password.size(), kGx5PasswordSize)));
    payload.resize(passwordStart + kGx5PasswordSize, 0x00);
    return payload;
}

ByteVector block_read_payload(uint16_t index) {
    ByteVector payload = command_head(0x01, 0x02, kSingleIndex, kSingleCount);
    append_u16(payload, index);
    return payload;
}

ByteVector write_payload(std::span<const uint8_t> image, uint16_t partCount) {
    ByteVector payload;
    payload.reserve(image.size() + static_cast<std::size_t>(partCount) * kGx5BlockHeaderSize);
    for (uint16_t part = 0; part < partCount; ++part) {
        const std::size_t start = static_cast<std::size_t>(part) * kGx5BlockSize;
        const std::size_t end = std::min(start + kGx5BlockSize, image.size());
        const ByteVector head = command_head(0x01, 0x00, part, partCount);
        payload.insert(payload.end(), head.begin(), head.end());
        if (start < end) {
            payload.insert(payload.end(), image.begin() + static_cast<std::ptrdiff_t>(start),
                           image.begin() + static_cast<std::ptrdiff_t>(end));
        }
    }
    return payload;
}

ByteVector reboot_payload() {
    return command_head(0x6F, 0x00, kSingleIndex, kSingleCount);
}

bool rdtp_crc_ok(std::span<const uint8_t> answer) {
    if (answer.size() < kRdtpTrailerSize || answer.back() != kRdtpEndMark) {
        return false;
    }
    const std::size_t covered = answer.size() - kRdtpTrailerSize;
    // The CRC routine counts in 16 bits; no frame is that long, so a longer answer is noise.
    if (covered > 0xFFFF) {
        return false;
    }
    return crc16_arc(answer.data(), static_cast<uint16_t>(covered)) == read_u16(answer, covered);
}

std::span<const uint8_t> align_answer(std::span<const uint8_t> answer, std::size_t keep) {
    const auto isZero = [](uint8_t byte) { return byte == 0x00; };
    const auto first = std::find_if_not(answer.begin(), answer.end(), isZero);
    const auto last = std::find_if_not(answer.rbegin(), answer.rend(), isZero).base();
    std::span<const uint8_t> copy =
        first < last ? answer.subspan(static_cast<std::size_t>(first - answer.begin()),
                                      static_cast<std::size_t>(last - first))
                     : std::span<const uint8_t>();
    std::size_t removed = 0;
    while (!starts_with_magic(copy) && removed < copy.size()) {
        copy = copy.subspan(1);
        ++removed;
    }
    return copy.first(std::min(copy.size(), keep));
}

bool ends_with_whole_frame(std::span<const uint8_t> answer) {
    const auto copy = align_answer(answer, answer.size());
    if (!starts_with_magic(copy) || copy.size() < kRdtpHeaderSize ||
        copy.data() + copy.size() != answer.data() + answer.size()) {
        return false;
    }
    return copy.size() == kRdtpHeaderSize + read_u16(copy, kLengthOffset) + kRdtpTrailerSize &&
           rdtp_crc_ok(copy);
}

HandshakeVerdict judge_handshake_answer(std::span<const uint8_t> answer) {
    const auto copy = align_answer(answer, kGx5HandshakeAnswerSize);
    if (copy.size() < kRdtpMinFrameSize || !starts_with_magic(copy) ||
        copy[kAnswerCommandOffset] != 0x00 || copy[kAnswerCommandOffset + 1] != 0x01) {
        return HandshakeVerdict::Rejected;
    }
    const uint8_t status = copy[copy.size() - kStatusFromEnd];
    if (status == kGx5StatusWrongPassword) {
        return HandshakeVerdict::WrongPassword;
    }
    if (status < kLastStatus && rdtp_crc_ok(copy)) {
        return HandshakeVerdict::Accepted;
    }
    return HandshakeVerdict::Rejected;
}

bool is_block_answer(std::span<const uint8_t> answer, uint16_t index) {
    return answer.size() >= kRdtpMinFrameSize + kGx5BlockHeaderSize && rdtp_crc_ok(answer) &&
           read_u16(answer, kBlockIndexOffset) == index;
}

std::span<const uint8_t> block_answer_payload(std::span<const uint8_t> answer) {
    if (answer.size() < kRdtpMinFrameSize) {
        return {};
    }
    return answer.subspan(kRdtpHeaderSize, answer.size() - kRdtpMinFrameSize);
}

bool is_write_acknowledgement(std::span<const uint8_t> answer, uint16_t index) {
    const auto copy = align_answer(answer, kGx5WriteAckSize);
    // The part index sits in bytes 20 and 21, so a shorter copy cannot acknowledge anything.
    return copy.size() >= kAckIndexOffset + 2 && starts_with_magic(copy) &&
           copy[kAnswerCommandOffset] == 0x01 && copy[kAnswerCommandOffset + 1] == 0x01 &&
           read_u16(copy, kAckIndexOffset) == index && rdtp_crc_ok(copy);
}

} // namespace vd
