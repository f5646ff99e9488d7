#include "tools/radiosim/Gx5Radio.h"

#include <fmt/format.h>

#include <algorithm>

namespace vd::sim {

namespace {

constexpr std::size_t kHandshakeRequestSize = 47;
constexpr std::size_t kHandshakeAnswerSize = 38;
constexpr std::size_t kIdentitySize = 32;
constexpr std::size_t kPasswordSize = 8;
constexpr std::size_t kBlockRequestSize = 8;
constexpr std::size_t kPartHeaderSize = 6;
constexpr std::size_t kRebootRequestSize = 6;
constexpr uint8_t kStatusOk = 0x00;
constexpr uint8_t kStatusWrongPassword = 0x01;
constexpr uint8_t kStatusBusy = 0xFF;

// Every request starts with a command, then u16 0 and u16 1 (write parts carry their index and
// count there instead).
constexpr uint8_t kHandshakeHead[] = {0x00, 0x00, 0x00, 0x00, 0x01, 0x00};
constexpr uint8_t kBlockReadHead[] = {0x01, 0x02, 0x00, 0x00, 0x01, 0x00};
constexpr uint8_t kRebootRequest[] = {0x6F, 0x00, 0x00, 0x00, 0x01, 0x00};
constexpr uint8_t kWritePartCommand[] = {0x01, 0x00};

uint16_t u16At(std::span<const uint8_t> bytes, std::size_t offset) {
    return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

void appendU16(Bytes& bytes, std::size_t value) {
    bytes.push_back(static_cast<uint8_t>(value));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
}

template <std::size_t N> bool startsWith(std::span<const uint8_t> bytes, const uint8_t (&head)[N]) {
    return bytes.size() >= N && std::equal(std::begin(head), std::end(head), bytes.begin());
}

// Identity bytes as readable text for the transcript.
std::string printable(std::span<const uint8_t> bytes) {
    std::string text;
    for (uint8_t byte : bytes) {
        text.push_back(byte >= 0x20 && byte < 0x7F ? static_cast<char>(byte) : '.');
    }
    return text;
}

} // namespace

Gx5Radio::Gx5Radio(const SimModel& model, Bytes image, const SimConfig& config, Line& line,
                   WriteSessionHandler onWritten)
    : model_(model), image_(std::move(image)), password_(config.password), faults_(config.faults),
      line_(line), onWritten_(std::move(onWritten)), statusFfPending_(config.faults.statusFf),
      corruptPending_(config.faults.corruptBlock.has_value()),
      losePending_(config.faults.loseWrite.has_value()) {}

void Gx5Radio::receive(std::span<const uint8_t> bytes) {
    reader_.feed(bytes);
    while (!line_.hungUp()) {
        auto item = reader_.next();
        if (!item) {
            break;
        }
        switch (item->kind) {
        case RdtpItem::Kind::Frame:
            handleFrame(item->bytes);
            break;
        case RdtpItem::Kind::Junk:
            line_.ignore(item->bytes, "not inside a frame");
            break;
        case RdtpItem::Kind::Rejected:
            line_.ignore(item->bytes, item->reason);
            break;
        }
    }
}

void Gx5Radio::dropPartialRequest() {
    line_.ignore(reader_.takePartial(), "unfinished frame dropped");
}

void Gx5Radio::handleFrame(const Bytes& frame) {
    if (line_.request(frame) != Line::Admission::Handle) {
        return;
    }
    const auto payload = rdtpPayload(frame);
    if (startsWith(payload, kHandshakeHead)) {
        handshake(payload);
    } else if (startsWith(payload, kBlockReadHead)) {
        readBlock(payload);
    } else if (startsWith(payload, kWritePartCommand)) {
        writePart(payload);
    } else if (startsWith(payload, kRebootRequest)) {
        reboot(payload);
    } else {
        refuse("unknown command");
    }
}

void Gx5Radio::handshake(std::span<const uint8_t> payload) {
    if (payload.size() != kHandshakeRequestSize) {
        refuse(fmt::format("handshake of {} bytes instead of {}", payload.size(),
                           kHandshakeRequestSize));
        return;
    }
    const auto identity = payload.subspan(6, kIdentitySize);
    if (!std::equal(identity.begin(), identity.end(), model_.identity.begin(),
                    model_.identity.end())) {
        refuse(fmt::format("identity \"{}\" is not this radio's", printable(identity)));
        return;
    }
    const uint8_t mode = payload[6 + kIdentitySize];
    if (mode > 1) {
        refuse(fmt::format("mode byte {:02X} is neither read nor write", mode));
        return;
    }
    Bytes expectedPassword(password_.begin(), password_.end());
    expectedPassword.resize(kPasswordSize, 0x00);
    const auto password = payload.subspan(6 + kIdentitySize + 1, kPasswordSize);

    uint8_t status = kStatusOk;
    if (statusFfPending_) {
        statusFfPending_ = false;
        status = kStatusBusy;
    } else if (!password_.empty() &&
               !std::equal(password.begin(), password.end(), expectedPassword.begin())) {
        status = kStatusWrongPassword;
        line_.note("wrong password");
    }
    mode_ = status != kStatusOk ? Mode::Idle : (mode == 1 ? Mode::Write : Mode::Read);
    incoming_.clear();
    partCount_ = 0;
    partsReceived_ = 0;

    Bytes answerPayload(kHandshakeAnswerSize, 0x00);
    answerPayload[1] = 0x01;
    answerPayload.back() = status;
    answer(answerPayload);
}

void Gx5Radio::readBlock(std::span<const uint8_t> payload) {
    if (payload.size() != kBlockRequestSize) {
        refuse(
            fmt::format("block read of {} bytes instead of {}", payload.size(), kBlockRequestSize));
        return;
    }
    if (mode_ == Mode::Idle) {
        refuse("block read before a handshake");
        return;
    }
    const std::size_t index = u16At(payload, 6);
    if (index >= blockCount()) {
        refuse(fmt::format("block {} does not exist ({} blocks)", index, blockCount()));
        return;
    }
    const std::size_t start = index * kGx5BlockSize;
    const std::size_t end = std::min(start + kGx5BlockSize, image_.size());
    Bytes answerPayload{0x01, 0x02};
    appendU16(answerPayload, index);
    appendU16(answerPayload, faults_.reportedBlocks.value_or(blockCount()));
    answerPayload.insert(answerPayload.end(), image_.begin() + static_cast<std::ptrdiff_t>(start),
                         image_.begin() + static_cast<std::ptrdiff_t>(end));
    const bool spoil = corruptPending_ && faults_.corruptBlock == index;
    if (spoil) {
        corruptPending_ = false;
        line_.note(fmt::format("block {} sent with a wrong CRC", index));
    }
    answer(answerPayload, spoil);
}

void Gx5Radio::writePart(std::span<const uint8_t> payload) {
    if (payload.size() <= kPartHeaderSize) {
        refuse("write part without data");
        return;
    }
    if (mode_ != Mode::Write) {
        refuse(mode_ == Mode::Idle ? "write part before a handshake"
                                   : "write part after a handshake for reading");
        return;
    }
    const std::size_t part = u16At(payload, 2);
    const std::size_t count = u16At(payload, 4);
    const auto data = payload.subspan(kPartHeaderSize);
    const std::size_t maxParts = (kGx5MaxImageSize + kGx5BlockSize - 1) / kGx5BlockSize;
    if (count == 0 || count > maxParts || part >= count) {
        refuse(fmt::format("part {} of {} does not fit a memory of {} bytes", part, count,
                           kGx5MaxImageSize));
        return;
    }
    const bool last = part + 1 == count;
    if ((!last && data.size() != kGx5BlockSize) ||
        part * kGx5BlockSize + data.size() > kGx5MaxImageSize) {
        refuse(fmt::format("part {} of {} carries {} bytes", part, count, data.size()));
        return;
    }
    // Parts come in order; the host sends a part again when it missed the acknowledgement.
    const bool repeat = partsReceived_ > 0 && part + 1 == partsReceived_;
    if (part != 0 && (count != partCount_ || (part != partsReceived_ && !repeat))) {
        refuse(fmt::format("part {} of {} out of order: expected part {} of {}", part, count,
                           partsReceived_, partCount_));
        return;
    }
    if (part == 0) {
        partCount_ = count;
    }
    incoming_.resize(part * kGx5BlockSize);
    incoming_.insert(incoming_.end(), data.begin(), data.end());
    if (losePending_ && faults_.loseWrite == part) {
        // The part is acknowledged, but the memory keeps what it held (zeros beyond its end).
        losePending_ = false;
        const std::size_t start = part * kGx5BlockSize;
        for (std::size_t i = start; i < incoming_.size(); ++i) {
            incoming_[i] = i < image_.size() ? image_[i] : 0x00;
        }
        line_.note(fmt::format("part {} acknowledged but not stored", part));
    }
    partsReceived_ = part + 1;

    Bytes ack{0x01, 0x01, 0x00, 0x00, 0x00, 0x00};
    appendU16(ack, part);
    answer(ack);
    if (last) {
        image_ = incoming_;
        line_.note(fmt::format("write session ended: {} bytes in {} parts", image_.size(), count));
        if (onWritten_) {
            onWritten_(image_);
        }
    }
}

void Gx5Radio::reboot(std::span<const uint8_t> payload) {
    if (payload.size() != kRebootRequestSize) {
        refuse(fmt::format("reboot of {} bytes instead of {}", payload.size(), kRebootRequestSize));
        return;
    }
    if (mode_ == Mode::Idle) {
        refuse("reboot outside programming mode");
        return;
    }
    mode_ = Mode::Idle;
    answer(Bytes{0x6F, 0x01, 0x00, 0x00, 0x01, 0x00});
    line_.note("rebooting: programming mode left");
}

void Gx5Radio::answer(const Bytes& payload, bool spoilCrc) {
    Bytes frame = buildRdtpFrame(payload);
    if (spoilCrc) {
        frame[frame.size() - kRdtpTrailerSize] ^= 0x5A;
    }
    line_.answer(frame);
}

void Gx5Radio::refuse(const std::string& why) {
    line_.note(fmt::format("refused: {}", why));
}

std::size_t Gx5Radio::blockCount() const {
    return (image_.size() + kGx5BlockSize - 1) / kGx5BlockSize;
}

} // namespace vd::sim
