#include "tools/radiosim/LmVsRadio.h"

#include <fmt/format.h>

#include <algorithm>

namespace vd::sim {

namespace {

constexpr uint8_t kRead = 0x52;  // 'R'
constexpr uint8_t kWrite = 0x57; // 'W'
constexpr uint8_t kAck = 0x06;
constexpr std::size_t kBlockHeaderSize = 4;

uint32_t addressOf(const Bytes& request) {
    return static_cast<uint32_t>(request[1] << 8 | request[2]);
}

} // namespace

LmVsRadio::LmVsRadio(const SimModel& model, Bytes image, const SimConfig& config, Line& line,
                     WriteSessionHandler onWritten)
    : model_(model), image_(std::move(image)), trailingAck_(config.trailingAck),
      faults_(config.faults), line_(line), onWritten_(std::move(onWritten)),
      corruptPending_(config.faults.corruptBlock.has_value()),
      losePending_(config.faults.loseWrite.has_value()) {}

void LmVsRadio::receive(std::span<const uint8_t> bytes) {
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    while (!buffer_.empty() && !line_.hungUp() && takeRequest()) {
    }
    flushJunk();
}

void LmVsRadio::dropPartialRequest() {
    line_.ignore(consume(buffer_.size()), "unfinished request dropped");
}

// Takes one request, or one byte of junk, from the front of the buffer; false while the
// buffered bytes may still grow into a request.
bool LmVsRadio::takeRequest() {
    bool maybeOpening = false;
    for (const Bytes& candidate : model_.openings) {
        const std::size_t common = std::min(candidate.size(), buffer_.size());
        if (!std::equal(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(common),
                        candidate.begin())) {
            continue;
        }
        if (common == candidate.size()) {
            opening(consume(candidate.size()));
            return true;
        }
        maybeOpening = true;
    }
    const uint8_t first = buffer_.front();
    // A lone 0x02 is the identification request even where the opening starts with 0x02: the
    // host writes an opening whole, so its bytes arrive together.
    if (inHandshake() && first == model_.handshake[*stage_].request &&
        !(maybeOpening && buffer_.size() > 1)) {
        handshakeStep(consume(1));
        return true;
    }
    if (maybeOpening) {
        return false;
    }
    if (first == kRead) {
        if (buffer_.size() < kBlockHeaderSize) {
            return false;
        }
        readBlock(consume(kBlockHeaderSize));
        return true;
    }
    if (first == kWrite) {
        if (buffer_.size() < kBlockHeaderSize || buffer_.size() < kBlockHeaderSize + buffer_[3]) {
            return false;
        }
        writeBlock(consume(kBlockHeaderSize + buffer_[3]));
        return true;
    }
    if (programming() && first == kAck) {
        hostAck(consume(1));
        return true;
    }
    if (programming() && model_.closingByte == first) {
        closing(consume(1));
        return true;
    }
    const Bytes junk = consume(1);
    junk_.insert(junk_.end(), junk.begin(), junk.end());
    return true;
}

Bytes LmVsRadio::consume(std::size_t count) {
    Bytes taken(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(count));
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(count));
    return taken;
}

void LmVsRadio::flushJunk() {
    if (!junk_.empty()) {
        line_.ignore(junk_, programming() ? "no such request" : "not expected now");
        junk_.clear();
    }
}

bool LmVsRadio::admitted(const Bytes& request) {
    flushJunk();
    return line_.request(request) == Line::Admission::Handle;
}

bool LmVsRadio::programming() const {
    return stage_ && *stage_ == model_.handshake.size();
}

bool LmVsRadio::inHandshake() const {
    return stage_ && *stage_ < model_.handshake.size();
}

void LmVsRadio::opening(const Bytes& request) {
    if (!admitted(request)) {
        return;
    }
    // An opening starts the handshake over from any state: a host that gave up mid-way retries
    // from its first step.
    stage_ = 0;
    blockAckPending_ = false;
    blocksWritten_ = 0;
    line_.answer(Bytes{kAck});
}

void LmVsRadio::handshakeStep(const Bytes& request) {
    if (!admitted(request)) {
        return;
    }
    line_.answer(model_.handshake[*stage_].answer);
    ++*stage_;
    if (programming()) {
        line_.note("programming mode");
    }
}

void LmVsRadio::readBlock(const Bytes& request) {
    if (!admitted(request)) {
        return;
    }
    if (!programming()) {
        refuse("block read outside programming mode");
        return;
    }
    const uint32_t address = addressOf(request);
    const std::size_t size = request[3];
    if (size != model_.readBlockSize || address % size != 0 || address + size > image_.size()) {
        refuse(fmt::format("the {} reads {} bytes at a multiple of {} below {}", model_.name,
                           model_.readBlockSize, model_.readBlockSize, image_.size()));
        return;
    }
    if (blockAckPending_) {
        line_.note("the block before was not acknowledged");
    }
    Bytes answer = request;
    answer[0] = kWrite;
    answer.insert(answer.end(), image_.begin() + address, image_.begin() + address + size);
    if (trailingAck_) {
        answer.push_back(kAck);
    }
    const std::size_t block = address / size;
    if (corruptPending_ && faults_.corruptBlock == block) {
        corruptPending_ = false;
        answer[2] ^= 0xFF;
        line_.note(fmt::format("block {} sent with a wrong address byte", block));
    }
    blockAckPending_ = model_.hostAcksBlocks;
    line_.answer(answer);
}

void LmVsRadio::hostAck(const Bytes& request) {
    if (!admitted(request)) {
        return;
    }
    if (!blockAckPending_) {
        refuse(model_.hostAcksBlocks
                   ? "no block waits for an acknowledgement"
                   : fmt::format("the {} expects no acknowledgement", model_.name));
        return;
    }
    blockAckPending_ = false;
    line_.answer(Bytes{kAck});
}

void LmVsRadio::writeBlock(const Bytes& request) {
    if (!admitted(request)) {
        return;
    }
    if (!programming()) {
        refuse("block write outside programming mode");
        return;
    }
    const uint32_t address = addressOf(request);
    const std::size_t size = request[3];
    const auto expected = writeBlockSizeAt(model_, address);
    if (!expected) {
        refuse(fmt::format("address {:04X} is not writable on the {}", address, model_.name));
        return;
    }
    if (size != *expected) {
        refuse(fmt::format("{} bytes at {:04X}; the {} writes {} there", size, address, model_.name,
                           *expected));
        return;
    }
    if (losePending_ && faults_.loseWrite == blocksWritten_) {
        losePending_ = false;
        line_.note(
            fmt::format("block {} at {:04X} acknowledged but not stored", blocksWritten_, address));
    } else {
        std::copy(request.begin() + kBlockHeaderSize, request.end(), image_.begin() + address);
    }
    ++blocksWritten_;
    line_.answer(Bytes{kAck});
    if (!model_.closingByte && address == lastWriteBlockAddress(model_)) {
        endWriteSession();
    }
}

void LmVsRadio::closing(const Bytes& request) {
    if (!admitted(request)) {
        return;
    }
    // The radio leaves programming mode without an answer.
    stage_.reset();
    blockAckPending_ = false;
    endWriteSession();
}

void LmVsRadio::endWriteSession() {
    line_.note("write session ended");
    if (onWritten_) {
        onWritten_(image_);
    }
}

void LmVsRadio::refuse(const std::string& why) {
    line_.note(fmt::format("refused: {}", why));
}

} // namespace vd::sim
