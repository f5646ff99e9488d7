#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace vd::gx5 {

/// Writable bytes of the image or of one of its records.
using Bytes = std::span<uint8_t>;
/// Read-only bytes of the image or of one of its records.
using ConstBytes = std::span<const uint8_t>;

/// Stores the low bits of value in bits shift .. shift+width-1 of one byte, leaving the
/// byte's other bits as they are.
void PutBits(Bytes bytes, size_t offset, unsigned shift, unsigned width, uint64_t value);
/// Reads bits shift .. shift+width-1 of one byte.
unsigned GetBits(ConstBytes bytes, size_t offset, unsigned shift, unsigned width);

/// Stores the low 16 bits of value, least significant byte first.
void PutU16(Bytes bytes, size_t offset, uint64_t value);
/// Reads a little-endian 16-bit value.
unsigned GetU16(ConstBytes bytes, size_t offset);
/// Stores the low 32 bits of value, least significant byte first.
void PutU32(Bytes bytes, size_t offset, uint64_t value);
/// Reads a little-endian 32-bit value.
uint32_t GetU32(ConstBytes bytes, size_t offset);
/// Stores the low 16 bits of value, most significant byte first (the tone codes).
void PutU16Be(Bytes bytes, size_t offset, uint64_t value);
/// Reads a big-endian 16-bit value.
unsigned GetU16Be(ConstBytes bytes, size_t offset);

/// The radio's single-byte form of a UTF-8 text: ASCII characters stay, every other
/// character (and every byte that is not valid UTF-8) becomes one '?'. The radio's
/// character set has nothing beyond ASCII that a UTF-8 text could be mapped to safely.
std::string ToRadioCharacters(const std::string& utf8);
/// Stores a text in a field of width bytes: radio characters, cut to the width, padded
/// with zero bytes; a full field has no terminator.
void PutText(Bytes bytes, size_t offset, size_t width, const std::string& utf8);
/// Reads a text field: it ends at the first zero byte or at the width; bytes that are not
/// printable ASCII read as '?' so that the stored text is always printable UTF-8.
std::string GetText(ConstBytes bytes, size_t offset, size_t width);

} // namespace vd::gx5
