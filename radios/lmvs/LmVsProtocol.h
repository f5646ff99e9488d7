#pragma once
#include "link/Exchange.h"
#include "link/ISerialPort.h"
#include "model/ModelTypes.h"
#include "model/ProgressSignal.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vd {

/// Addresses a radio takes back on a write: blocks of `step` bytes at start, start + step, ...
/// below `end`.
struct WriteRange {
    std::uint32_t start;
    std::uint32_t end;
    std::uint32_t step;
};

/// How a model answers the opening of the handshake.
struct LmVsOpening {
    /// The opening texts: the first, and for some models a second one tried in the same attempt
    /// when the first was not acknowledged with exactly 0x06.
    std::vector<ByteVector> texts;
    /// The exchange waits for an answer ending in 0x06; without it the first poll ends it.
    bool waitForAck = true;
    /// With a single opening: the answer must be exactly 0x06, not merely end with it.
    bool exactAck = false;
    /// With two openings: the second is tried also when the first got no answer at all.
    bool secondAfterSilence = false;
};

/// One single-byte exchange of the handshake after the opening, with the answer it wants.
struct LmVsHandshakeExchange {
    std::uint8_t request;
    /// Bytes the exchange waits for; 0 takes what the first poll brought.
    std::size_t minimum;
    /// The exchange waits until the answer ends in 0x06.
    bool waitForAck;
    /// Failure text when no complete answer came.
    std::string failure;
    /// Start of the failure text of a wrong answer ("handshake_step2").
    std::string step;
    /// The answer must be exactly this byte...
    std::optional<std::uint8_t> exactByte;
    /// ...or else exactly this long.
    std::size_t exactLength;
    /// A wrong answer is reported with all its bytes in hex rather than its first byte.
    bool hexContent;
};

/// Everything that tells one model's link from another's.
struct LmVsLinkData {
    /// Class name that qualifies the failure texts of block transfers.
    std::string className;
    /// cps.ini section of the model's timing keys.
    std::string section;
    std::uint32_t imageSize;
    std::uint8_t readBlockSize;
    /// The parts of the image written back, in the order they are written.
    std::vector<WriteRange> writeRanges;
    /// The line's end-of-file and event characters are set to 0x1A when the port opens.
    bool setsEventChars;
    std::uint32_t inputQueueSize;
    std::uint32_t outputQueueSize;
    LmVsOpening opening;
    /// The exchanges after the opening: the identification first, then the confirmations.
    std::vector<LmVsHandshakeExchange> handshake;
    /// Default poll intervals of block reads and block writes in ms.
    unsigned readInterval;
    unsigned writeInterval;
    /// Block read answers may carry one 0x06 after the data.
    bool trailingAck;
    /// The host acknowledges every block read with 0x06 and wants 0x06 back.
    bool hostAcksBlocks;
    /// A wrong answer to that acknowledgement is reported in hex rather than by its first byte.
    bool ackContentHex;
    /// The byte that ends a write session; none for a model that has none.
    std::optional<std::uint8_t> closingByte{};
};

/// The unframed byte protocol of the LM704 and VS radios: handshake into programming mode,
/// block reads by index, block writes over the model's write ranges, and the closing byte.
/// Failed attempts are logged and retried as cps.ini says; a cancel from the progress signal
/// ends a transfer with ValdrenCpsException "break!".
class LmVsProtocol {
public:
    /// A link for one model; `progress` and `sleep` belong to the control and must outlive it.
    LmVsProtocol(const LmVsLinkData& data, ProgressSignal& progress, Sleeper sleep);

    /// Opens `device` (a port setting: "COM3", "3" or a path) at 9600 baud and sets the
    /// model's queues and time-outs. Throws CSerialException.
    void OpenPort(ISerialPort& port, const std::string& device);
    /// Puts the radio into programming mode; false when every attempt failed.
    bool host_handshake(ISerialPort& port);
    /// Replaces `image` by the radio's image, read block by block; the block count, or -1 when
    /// a block could not be read (the blocks read before the failure stay in `image`).
    int ReadAll(ISerialPort& port, ByteVector& image, std::string text);
    /// Writes the model's write ranges of `image` and ends the session; the block count, or -1
    /// when a block could not be written. Throws ValdrenCpsException, sending nothing, for an
    /// image that is not exactly the model's size.
    int WriteAll(ISerialPort& port, const ByteVector& image, std::string text);

    /// Number of blocks a whole read takes.
    std::uint16_t ReadBlockCount() const;

private:
    struct Timing;

    std::uint16_t WriteBlockCount() const;
    Timing ReadTiming(const char* pollKey, unsigned pollDefault) const;
    template <typename BeforeAttempt, typename Attempt>
    bool Retry(ISerialPort& port, const Timing& timing, const char* logText, const char* where,
               BeforeAttempt before, Attempt attempt);
    /// One exchange; with the fast link it ends once the answer holds `wholeLength` bytes
    /// (and, with `optionalAck`, after a short grace for one more 0x06).
    bool Exchange(ISerialPort& port, const ByteVector& request, unsigned pollMs, unsigned timeoutMs,
                  std::size_t minimum, bool waitForAck, ByteVector& answer,
                  std::size_t wholeLength = 0, bool optionalAck = false);
    void HandshakeOpening(ISerialPort& port, unsigned pollMs, unsigned timeoutMs);
    void RunHandshakeExchange(ISerialPort& port, const LmVsHandshakeExchange& exchange,
                              unsigned pollMs, unsigned timeoutMs);
    bool ReadBlock(ISerialPort& port, std::uint16_t index, ByteVector& block,
                   const std::string& text);
    void ReadBlockAttempt(ISerialPort& port, unsigned pollMs, unsigned timeoutMs,
                          std::uint16_t index, ByteVector& block);
    void AcknowledgeBlock(ISerialPort& port, unsigned pollMs, unsigned timeoutMs,
                          const std::string& operation);
    bool WriteBlock(ISerialPort& port, std::uint16_t index, std::uint16_t count,
                    std::uint32_t address, const ByteVector& block, const std::string& text);
    void WriteBlockAttempt(ISerialPort& port, unsigned pollMs, unsigned timeoutMs,
                           std::uint32_t address, const ByteVector& block);
    bool WaveHand(ISerialPort& port);
    void Emit(const std::string& text, int position, int total);
    std::string Qualified(const char* operation) const;

    const LmVsLinkData& data_;
    ProgressSignal& progress_;
    Sleeper sleep_;
    bool fast_ = false;
    /// Whether this connection's radio ends its block answers with 0x06; unknown before the
    /// first block.
    std::optional<bool> trailingAckSeen_;
};

/// The progress text of a read when the caller gives none.
inline constexpr const char* kHostReadAllData = "Host read all data";
/// The progress text of a write when the caller gives none.
inline constexpr const char* kHostWriteAllData = "Host write all data";

/// Bytes as the failure texts show them: two upper-case hex digits and " \x" per byte.
std::string answer_hex_text(const ByteVector& bytes);

} // namespace vd
