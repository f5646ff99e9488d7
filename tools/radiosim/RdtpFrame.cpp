#include "tools/radiosim/RdtpFrame.h"

#include "radios/gx5/Crc16Arc.h"

#include <fmt/format.h>

#include <algorithm>
#include <stdexcept>

namespace vd::sim {

namespace {

constexpr uint8_t kMagic[] = {'R', 'D', 'T', 'P'};
constexpr uint8_t kEndMark = 0xFF;

uint16_t readU16(const Bytes& bytes, std::size_t offset) {
    return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

// Length of the longest tail of `bytes` that could be the start of a magic.
std::size_t magicPrefixAtEnd(const Bytes& bytes) {
    for (std::size_t keep = std::min<std::size_t>(bytes.size(), sizeof(kMagic) - 1); keep > 0;
         --keep) {
        if (std::equal(bytes.end() - static_cast<std::ptrdiff_t>(keep), bytes.end(), kMagic)) {
            return keep;
        }
    }
    return 0;
}

} // namespace

Bytes buildRdtpFrame(std::span<const uint8_t> payload) {
    if (payload.size() > kRdtpMaxPayload) {
        throw std::invalid_argument("RDTP payload too long");
    }
    const uint8_t header[kRdtpHeaderSize] = {kMagic[0],
                                             kMagic[1],
                                             kMagic[2],
                                             kMagic[3],
                                             0x01,
                                             0x00,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             0,
                                             static_cast<uint8_t>(payload.size()),
                                             static_cast<uint8_t>(payload.size() >> 8)};
    Bytes frame;
    frame.reserve(kRdtpHeaderSize + payload.size() + kRdtpTrailerSize);
    frame.insert(frame.end(), std::begin(header), std::end(header));
    frame.insert(frame.end(), payload.begin(), payload.end());
    const uint16_t crc = crc16_arc(frame.data(), static_cast<uint16_t>(frame.size()));
    frame.push_back(static_cast<uint8_t>(crc));
    frame.push_back(static_cast<uint8_t>(crc >> 8));
    frame.push_back(kEndMark);
    return frame;
}

std::span<const uint8_t> rdtpPayload(std::span<const uint8_t> frame) {
    return frame.subspan(kRdtpHeaderSize, frame.size() - kRdtpHeaderSize - kRdtpTrailerSize);
}

void RdtpReader::feed(std::span<const uint8_t> bytes) {
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
}

Bytes RdtpReader::takePartial() {
    Bytes partial;
    partial.swap(buffer_);
    return partial;
}

std::optional<RdtpItem> RdtpReader::next() {
    if (buffer_.empty()) {
        return std::nullopt;
    }
    auto magic = std::search(buffer_.begin(), buffer_.end(), std::begin(kMagic), std::end(kMagic));
    std::size_t junk = static_cast<std::size_t>(magic - buffer_.begin());
    if (magic == buffer_.end()) {
        junk = buffer_.size() - magicPrefixAtEnd(buffer_);
    }
    if (junk > 0) {
        RdtpItem item{RdtpItem::Kind::Junk, Bytes(buffer_.begin(), buffer_.begin() + junk), {}};
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(junk));
        return item;
    }
    if (buffer_.size() < kRdtpHeaderSize) {
        return std::nullopt;
    }

    auto reject = [this](std::string reason) {
        RdtpItem item{RdtpItem::Kind::Rejected, Bytes(std::begin(kMagic), std::end(kMagic)),
                      std::move(reason)};
        buffer_.erase(buffer_.begin(), buffer_.begin() + sizeof(kMagic));
        return item;
    };
    const bool reservedZero = std::all_of(buffer_.begin() + 6, buffer_.begin() + 12,
                                          [](uint8_t byte) { return byte == 0; });
    if (readU16(buffer_, 4) != 1 || !reservedZero) {
        return reject("frame header is not 01 00 + 6 zero bytes");
    }
    const std::size_t length = readU16(buffer_, 12);
    if (length > kRdtpMaxPayload) {
        return reject(fmt::format("payload length {} exceeds {}", length, kRdtpMaxPayload));
    }
    const std::size_t frameSize = kRdtpHeaderSize + length + kRdtpTrailerSize;
    if (buffer_.size() < frameSize) {
        return std::nullopt;
    }
    const std::size_t crcOffset = kRdtpHeaderSize + length;
    if (buffer_[frameSize - 1] != kEndMark) {
        return reject(fmt::format("end mark {:02X} instead of FF", buffer_[frameSize - 1]));
    }
    const uint16_t expected = crc16_arc(buffer_.data(), static_cast<uint16_t>(crcOffset));
    const uint16_t carried = readU16(buffer_, crcOffset);
    if (carried != expected) {
        return reject(fmt::format("CRC {:04X} instead of {:04X}", carried, expected));
    }
    RdtpItem item{RdtpItem::Kind::Frame, Bytes(buffer_.begin(), buffer_.begin() + frameSize), {}};
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(frameSize));
    return item;
}

} // namespace vd::sim
