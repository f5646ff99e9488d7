#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vd::sim {

/// Bytes as they travel on the cable or sit in the radio's memory.
using Bytes = std::vector<uint8_t>;

/// The two protocol families a simulated radio can speak.
enum class Family { Gx5, LmVs };

/// Addresses the radio lets the host write: blocks of `step` bytes from `start` up to below `end`.
struct WriteRange {
    uint32_t start;
    uint32_t end;
    uint32_t step;
};

/// One exchange of the LM/VS handshake after the opening: the host's byte and the radio's answer.
struct HandshakeStep {
    uint8_t request;
    Bytes answer;
};

/// Largest memory image a GX5-family radio holds.
inline constexpr std::size_t kGx5MaxImageSize = 65466;
/// Size of the image blocks a GX5-family radio sends and receives.
inline constexpr std::size_t kGx5BlockSize = 1024;

/// Everything that tells one simulated model from another; the seven models are rows of one table.
struct SimModel {
    std::string name{};
    Family family = Family::Gx5;
    /// Size of the memory a radio fresh from the factory holds.
    std::size_t imageSize = 0;

    /// GX5 family: the 32-byte identity the host must present in its handshake.
    std::string identity{};

    /// LM/VS family: the opening strings the radio acknowledges with 0x06.
    std::vector<Bytes> openings{};
    /// LM/VS family: the exchanges that follow the opening, in order.
    std::vector<HandshakeStep> handshake{};
    /// LM/VS family: bytes per block read.
    uint8_t readBlockSize = 0;
    /// LM/VS family: the host acknowledges every block read with 0x06 and waits for 0x06.
    bool hostAcksBlocks = false;
    /// LM/VS family: the model's hosts accept a 0x06 after the data of a block read.
    bool trailingAckAllowed = false;
    /// LM/VS family: where the host may write, in the order it writes.
    std::vector<WriteRange> writeRanges{};
    /// LM/VS family: the byte that ends a write session; none for a model without one.
    std::optional<uint8_t> closingByte{};
};

/// The model of that name (case-sensitive: "GX5", "VS31", ...), or nullptr.
const SimModel* findSimModel(std::string_view name);

/// Every model name the simulator knows, in the order of the table.
std::vector<std::string> simModelNames();

/// Size of the write block that starts at `address`, or nothing when no write block starts there.
std::optional<uint32_t> writeBlockSizeAt(const SimModel& model, uint32_t address);

/// Address of the last block of the model's last write range (the end of a write session for a
/// model without closing byte).
uint32_t lastWriteBlockAddress(const SimModel& model);

} // namespace vd::sim
