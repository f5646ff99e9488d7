#include "radios/gx5/Gx5Bytes.h"

#include <stdexcept>

namespace vd::gx5 {

namespace {

/// Every access names its run of bytes; one outside it is a layout mistake in this code,
/// never something an image can cause, so it fails loudly instead of touching memory.
void Check(size_t size, size_t offset, size_t length) {
    if (offset > size || length > size - offset) {
        throw std::out_of_range("GX5 image access outside its bytes");
    }
}

uint8_t Mask(unsigned width) {
    return width >= 8 ? uint8_t{0xFF} : static_cast<uint8_t>((1u << width) - 1);
}

} // namespace

void PutBits(Bytes bytes, size_t offset, unsigned shift, unsigned width, uint64_t value) {
    Check(bytes.size(), offset, 1);
    const uint8_t mask = static_cast<uint8_t>(Mask(width) << shift);
    const uint8_t bits = static_cast<uint8_t>((value & Mask(width)) << shift);
    bytes[offset] = static_cast<uint8_t>((bytes[offset] & ~mask) | bits);
}

unsigned GetBits(ConstBytes bytes, size_t offset, unsigned shift, unsigned width) {
    Check(bytes.size(), offset, 1);
    return (bytes[offset] >> shift) & Mask(width);
}

void PutU16(Bytes bytes, size_t offset, uint64_t value) {
    Check(bytes.size(), offset, 2);
    bytes[offset] = static_cast<uint8_t>(value);
    bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

unsigned GetU16(ConstBytes bytes, size_t offset) {
    Check(bytes.size(), offset, 2);
    return bytes[offset] | (unsigned{bytes[offset + 1]} << 8);
}

void PutU32(Bytes bytes, size_t offset, uint64_t value) {
    Check(bytes.size(), offset, 4);
    for (size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

uint32_t GetU32(ConstBytes bytes, size_t offset) {
    Check(bytes.size(), offset, 4);
    uint32_t value = 0;
    for (size_t i = 4; i > 0; --i) {
        value = (value << 8) | bytes[offset + i - 1];
    }
    return value;
}

void PutU16Be(Bytes bytes, size_t offset, uint64_t value) {
    Check(bytes.size(), offset, 2);
    bytes[offset] = static_cast<uint8_t>(value >> 8);
    bytes[offset + 1] = static_cast<uint8_t>(value);
}

unsigned GetU16Be(ConstBytes bytes, size_t offset) {
    Check(bytes.size(), offset, 2);
    return (unsigned{bytes[offset]} << 8) | bytes[offset + 1];
}

std::string ToRadioCharacters(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out.push_back(static_cast<char>(lead));
            ++i;
            continue;
        }
        size_t length = 1;
        if (lead >= 0xC0 && lead < 0xE0) {
            length = 2;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            length = 3;
        } else if (lead >= 0xF0 && lead < 0xF8) {
            length = 4;
        }
        // one '?' per character: the lead byte and the continuation bytes that follow it
        ++i;
        for (size_t k = 1; k < length && i < utf8.size(); ++k, ++i) {
            if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
                break;
            }
        }
        out.push_back('?');
    }
    return out;
}

void PutText(Bytes bytes, size_t offset, size_t width, const std::string& utf8) {
    Check(bytes.size(), offset, width);
    const std::string text = ToRadioCharacters(utf8);
    for (size_t i = 0; i < width; ++i) {
        bytes[offset + i] = i < text.size() ? static_cast<uint8_t>(text[i]) : uint8_t{0};
    }
}

std::string GetText(ConstBytes bytes, size_t offset, size_t width) {
    Check(bytes.size(), offset, width);
    std::string text;
    for (size_t i = 0; i < width && bytes[offset + i] != 0; ++i) {
        const uint8_t byte = bytes[offset + i];
        // what the display cannot show (control bytes, 0x7F, anything beyond ASCII) reads
        // as '?', so the stored text is printable UTF-8 that a project file can hold
        text.push_back(byte >= 0x20 && byte < 0x7F ? static_cast<char>(byte) : '?');
    }
    return text;
}

} // namespace vd::gx5
