#pragma once
#include "tests/support/HostLine.h"

#include <string>

namespace vdtest {

/// The identity a GX5 radio answers to.
inline const std::string kGx5Identity = "GX5  -0000000000000000000-PCB-01";

/// Sizes of the radio's answer frames: handshake, write acknowledgement, full block.
inline constexpr std::size_t kHandshakeAnswerSize = 55;
inline constexpr std::size_t kWriteAckSize = 25;
inline constexpr std::size_t kFullBlockAnswerSize = 1047;

/// A u16 as it travels, low byte first.
Bytes le16(unsigned value);
/// Whether a received frame ends with 0xFF and carries the CRC of its bytes.
bool rdtpCrcOk(const Bytes& frame);
/// The payload of a received frame.
Bytes rdtpPayloadOf(const Bytes& frame);

/// Handshake request (framed as a host frames it): identity, mode (0 read, 1 write) and up to 8
/// password bytes.
Bytes gx5Handshake(const std::string& identity, uint8_t mode, const std::string& password = "");
/// Block read request for block `index`.
Bytes gx5BlockRead(unsigned index);
/// Write part `part` of `count` carrying `data`, well formed or not.
Bytes gx5WritePart(unsigned part, unsigned count, const Bytes& data);
/// Reboot request.
Bytes gx5Reboot();

} // namespace vdtest
