#include "radios/lmvs/LmVsProtocol.h"

#include "app/CpsIni.h"
#include "app/FastLink.h"
#include "app/Log.h"
#include "link/PortSetup.h"
#include "link/RetryLoop.h"
#include "model/Exceptions.h"

#include <fmt/format.h>

#include <algorithm>

namespace vd {

namespace {

constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kReadCommand = 0x52;  // 'R'
constexpr std::uint8_t kWriteCommand = 0x57; // 'W'
constexpr std::size_t kBlockHeaderSize = 4;
constexpr std::uint32_t kBaudRate = 9600;
constexpr char kLineEventChar = 0x1A;
constexpr unsigned kWaveHandPollMs = 200;
// How long the fast link waits after the first whole block of a session for the 0x06 some
// radios add: ten characters at 9600 baud, as a loaded machine may see the byte late.
constexpr unsigned kTrailingAckGraceMs = 10;

constexpr int kDefaultRetryCount = 3;
constexpr unsigned kDefaultHandshakeInterval = 300;
constexpr unsigned kDefaultRetryInterval = 1000;
constexpr unsigned kDefaultTimeout = 1000;

unsigned NonNegative(int value) {
    return value < 0 ? 0U : static_cast<unsigned>(value);
}

ByteVector BlockHeader(std::uint8_t command, std::uint32_t address, std::uint8_t length) {
    return {command, static_cast<std::uint8_t>(address >> 8 & 0xFF),
            static_cast<std::uint8_t>(address & 0xFF), length};
}

std::string FirstByteText(const ByteVector& answer) {
    return std::to_string(answer.empty() ? 0 : answer.front());
}

} // namespace

std::string answer_hex_text(const ByteVector& bytes) {
    std::string text;
    for (std::uint8_t byte : bytes) {
        text += fmt::format("{:02X} \\x", byte);
    }
    return text;
}

struct LmVsProtocol::Timing {
    int retries;
    unsigned pollMs;
    unsigned retryMs;
    unsigned timeoutMs;
};

LmVsProtocol::LmVsProtocol(const LmVsLinkData& data, ProgressSignal& progress, Sleeper sleep)
    : data_(data), progress_(progress), sleep_(std::move(sleep)) {}

LmVsProtocol::Timing LmVsProtocol::ReadTiming(const char* pollKey, unsigned pollDefault) const {
    Timing timing{};
    timing.retries = CpsIni::GetInt("Device", "retry_count", kDefaultRetryCount);
    timing.pollMs =
        pollKey == nullptr
            ? pollDefault
            : NonNegative(CpsIni::GetInt(data_.section, pollKey, static_cast<int>(pollDefault)));
    timing.retryMs = NonNegative(CpsIni::GetInt(data_.section, "retry_time_interval",
                                                static_cast<int>(kDefaultRetryInterval)));
    timing.timeoutMs =
        NonNegative(CpsIni::GetInt(data_.section, "timeout", static_cast<int>(kDefaultTimeout)));
    return timing;
}

template <typename BeforeAttempt, typename Attempt>
bool LmVsProtocol::Retry(ISerialPort& port, const Timing& timing, const char* logText,
                         const char* where, BeforeAttempt before, Attempt attempt) {
    return retry_attempts<ValdrenCpsException>(
        port, RetryPolicy{timing.retries, timing.retryMs, false}, sleep_, before, attempt,
        [&](const ValdrenCpsException& error) {
            if (auto logger = spdlog::get(kLoggerName)) {
                logger->log(spdlog::source_loc{__FILE__, __LINE__, where}, spdlog::level::err,
                            fmt::runtime(logText), error.what());
            }
        });
}

bool LmVsProtocol::Exchange(ISerialPort& port, const ByteVector& request, unsigned pollMs,
                            unsigned timeoutMs, std::size_t minimum, bool waitForAck,
                            ByteVector& answer, std::size_t wholeLength, bool optionalAck) {
    AnswerWait wait;
    wait.pollIntervalMs = pollMs;
    wait.timeoutMs = timeoutMs;
    wait.minimumLength = minimum;
    if (waitForAck) {
        wait.expectedEnding = {kAck};
    }
    wait.fast = fast_;
    wait.graceMs = kTrailingAckGraceMs;
    const std::size_t need = std::max(minimum, wholeLength);
    wait.whole = [need, waitForAck, optionalAck](const ByteVector& bytes) {
        // An exchange that takes whatever came, knowing no length, keeps its tick.
        if ((need == 0 && !waitForAck) || bytes.size() < need ||
            (waitForAck && (bytes.empty() || bytes.back() != kAck))) {
            return Completion::Incomplete;
        }
        return optionalAck && bytes.size() == need ? Completion::CompleteUnlessMore
                                                   : Completion::Complete;
    };
    return exchange_answer(port, request, wait, answer, sleep_);
}

void LmVsProtocol::Emit(const std::string& text, int position, int total) {
    if (!progress_(text, position, total)) {
        throw CancelledException();
    }
}

std::string LmVsProtocol::Qualified(const char* operation) const {
    return data_.className + "::" + operation;
}

std::uint16_t LmVsProtocol::ReadBlockCount() const {
    return static_cast<std::uint16_t>(data_.imageSize / data_.readBlockSize);
}

std::uint16_t LmVsProtocol::WriteBlockCount() const {
    std::uint32_t count = 0;
    for (const WriteRange& range : data_.writeRanges) {
        count += (range.end - range.start) / range.step;
    }
    return static_cast<std::uint16_t>(count);
}

void LmVsProtocol::OpenPort(ISerialPort& port, const std::string& device) {
    fast_ = fast_link_enabled();
    trailingAckSeen_.reset();
    const unsigned timeout =
        NonNegative(CpsIni::GetInt(data_.section, "timeout", static_cast<int>(kDefaultTimeout)));
    PortSetup setup;
    setup.baudRate = kBaudRate;
    setup.readTimeoutMs = timeout;
    setup.writeTimeoutMs = timeout;
    setup.inputQueueSize = data_.inputQueueSize;
    setup.outputQueueSize = data_.outputQueueSize;
    setup.eventChar = data_.setsEventChars ? kLineEventChar : 0;
    open_port(port, device, setup);
}

bool LmVsProtocol::host_handshake(ISerialPort& port) {
    const Timing timing = ReadTiming("read_time_interval", kDefaultHandshakeInterval);
    return Retry(
        port, timing, "握手异常:{}", __func__, [] {},
        [&] {
            HandshakeOpening(port, timing.pollMs, timing.timeoutMs);
            // The identification, then the confirmations.
            for (const LmVsHandshakeExchange& exchange : data_.handshake) {
                RunHandshakeExchange(port, exchange, timing.pollMs, timing.timeoutMs);
            }
        });
}

void LmVsProtocol::HandshakeOpening(ISerialPort& port, unsigned pollMs, unsigned timeoutMs) {
    const LmVsOpening& opening = data_.opening;
    const ByteVector ack{kAck};
    ByteVector answer;
    const bool answered =
        Exchange(port, opening.texts.front(), pollMs, timeoutMs, 0, opening.waitForAck, answer, 1);
    if (opening.texts.size() == 1) {
        if (!answered || (opening.exactAck && answer != ack)) {
            throw ValdrenCpsException("handshake_step1");
        }
        return;
    }
    if (answer == ack) {
        return;
    }
    if (!answered && !opening.secondAfterSilence) {
        throw ValdrenCpsException("handshake_step1");
    }
    answer.clear();
    if (!Exchange(port, opening.texts[1], pollMs, timeoutMs, 0, opening.waitForAck, answer, 1) ||
        answer != ack) {
        throw ValdrenCpsException("handshake_step1");
    }
}

void LmVsProtocol::RunHandshakeExchange(ISerialPort& port, const LmVsHandshakeExchange& exchange,
                                        unsigned pollMs, unsigned timeoutMs) {
    ByteVector answer;
    const std::size_t wanted = exchange.exactByte ? 1 : exchange.exactLength;
    if (!Exchange(port, {exchange.request}, pollMs, timeoutMs, exchange.minimum,
                  exchange.waitForAck, answer, wanted)) {
        throw ValdrenCpsException(exchange.failure);
    }
    const bool right = exchange.exactByte ? answer == ByteVector{*exchange.exactByte}
                                          : answer.size() == exchange.exactLength;
    if (!right) {
        throw ValdrenCpsException(
            fmt::format("{} answer size = {} content = {}", exchange.step, answer.size(),
                        exchange.hexContent ? answer_hex_text(answer) : FirstByteText(answer)));
    }
}

int LmVsProtocol::ReadAll(ISerialPort& port, ByteVector& image, std::string text) {
    if (text.empty()) {
        text = kHostReadAllData;
    }
    image.clear();
    Emit(text, 0, 1);
    const std::uint16_t count = ReadBlockCount();
    for (std::uint16_t index = 0; index < count; ++index) {
        ByteVector block;
        if (!ReadBlock(port, index, block, text)) {
            return -1;
        }
        image.insert(image.end(), block.begin(), block.end());
    }
    return count;
}

bool LmVsProtocol::ReadBlock(ISerialPort& port, std::uint16_t index, ByteVector& block,
                             const std::string& text) {
    const Timing timing = ReadTiming("read_time_interval", data_.readInterval);
    const int total = ReadBlockCount();
    return Retry(
        port, timing, "数据读取异常:{}", "host_read_data_by_index",
        [&] { Emit(text, index + 1, total); },
        [&] { ReadBlockAttempt(port, timing.pollMs, timing.timeoutMs, index, block); });
}

void LmVsProtocol::ReadBlockAttempt(ISerialPort& port, unsigned pollMs, unsigned timeoutMs,
                                    std::uint16_t index, ByteVector& block) {
    const std::string operation = Qualified("read_data_by_index");
    const std::uint8_t blockSize = data_.readBlockSize;
    const auto address = static_cast<std::uint16_t>(blockSize * index);
    const ByteVector request = BlockHeader(kReadCommand, address, blockSize);
    const std::size_t expected = blockSize + kBlockHeaderSize;
    // Whether the radio adds the 0x06 is learnt from the first block: the fast link then knows
    // how long every later answer is and waits no grace.
    const std::size_t wholeLength = trailingAckSeen_.value_or(false) ? expected + 1 : expected;
    const bool optionalAck = data_.trailingAck && !trailingAckSeen_.has_value();
    ByteVector answer;
    if (!Exchange(port, request, pollMs, timeoutMs, expected, false, answer, wholeLength,
                  optionalAck)) {
        throw ValdrenCpsException(operation);
    }
    if (answer.empty()) {
        throw ValdrenCpsException(fmt::format("{} not data", operation));
    }
    if (answer.size() < kBlockHeaderSize || answer[0] != kWriteCommand || answer[1] != request[1] ||
        answer[2] != request[2] || answer[3] != blockSize) {
        throw ValdrenCpsException(fmt::format("{} read data error", operation));
    }
    const bool acked = data_.trailingAck && answer.size() > expected;
    if (acked) {
        if (answer.back() != kAck) {
            throw ValdrenCpsException(
                fmt::format("{} answer data error {}", operation, answer.back()));
        }
        answer.pop_back();
    }
    // Bytes beyond the block would shift every later block of the image.
    if (answer.size() != expected) {
        throw ValdrenCpsException(fmt::format("{} answer data error {}", operation, answer.back()));
    }
    if (data_.hostAcksBlocks) {
        AcknowledgeBlock(port, pollMs, timeoutMs, operation);
    }
    // Only a complete attempt fills the block, so a retry never appends a second copy.
    block.assign(answer.begin() + kBlockHeaderSize, answer.end());
    if (data_.trailingAck) {
        trailingAckSeen_ = acked;
    }
}

void LmVsProtocol::AcknowledgeBlock(ISerialPort& port, unsigned pollMs, unsigned timeoutMs,
                                    const std::string& operation) {
    ByteVector answer;
    if (!Exchange(port, {kAck}, pollMs, timeoutMs, 1, false, answer)) {
        throw ValdrenCpsException(operation);
    }
    if (answer != ByteVector{kAck}) {
        throw ValdrenCpsException(
            fmt::format("{} answer size = {} content = {}", operation, answer.size(),
                        data_.ackContentHex ? answer_hex_text(answer) : FirstByteText(answer)));
    }
}

int LmVsProtocol::WriteAll(ISerialPort& port, const ByteVector& image, std::string text) {
    if (image.size() != data_.imageSize) {
        throw ValdrenCpsException(
            fmt::format("The image holds {} bytes, the radio {}: nothing was written", image.size(),
                        data_.imageSize));
    }
    if (text.empty()) {
        text = kHostWriteAllData;
    }
    Emit(text, 0, 1);
    const std::uint16_t count = WriteBlockCount();
    std::uint16_t index = 0;
    for (const WriteRange& range : data_.writeRanges) {
        for (std::uint32_t address = range.start; address + range.step <= range.end;
             address += range.step) {
            const ByteVector block(image.begin() + address, image.begin() + address + range.step);
            if (!WriteBlock(port, index, count, address, block, text)) {
                return -1;
            }
            ++index;
        }
    }
    if (data_.closingByte) {
        WaveHand(port);
    }
    return count;
}

bool LmVsProtocol::WriteBlock(ISerialPort& port, std::uint16_t index, std::uint16_t count,
                              std::uint32_t address, const ByteVector& block,
                              const std::string& text) {
    const Timing timing = ReadTiming("write_time_interval", data_.writeInterval);
    return Retry(
        port, timing, "数据写入异常:{}", "host_write_data_by_index",
        [&] { Emit(text, index + 1, count); },
        [&] { WriteBlockAttempt(port, timing.pollMs, timing.timeoutMs, address, block); });
}

void LmVsProtocol::WriteBlockAttempt(ISerialPort& port, unsigned pollMs, unsigned timeoutMs,
                                     std::uint32_t address, const ByteVector& block) {
    const std::string operation = Qualified("write_data_by_index");
    const ByteVector header =
        BlockHeader(kWriteCommand, address, static_cast<std::uint8_t>(block.size()));
    ByteVector request;
    request.reserve(header.size() + block.size());
    request.insert(request.end(), header.begin(), header.end());
    request.insert(request.end(), block.begin(), block.end());
    ByteVector answer;
    if (!Exchange(port, request, pollMs, timeoutMs, 1, false, answer)) {
        throw ValdrenCpsException(operation);
    }
    if (answer.empty()) {
        throw ValdrenCpsException(fmt::format("{} not data", operation));
    }
    if (answer.front() != kAck) {
        throw ValdrenCpsException(fmt::format("{} data error", operation));
    }
}

bool LmVsProtocol::WaveHand(ISerialPort& port) {
    if (!data_.closingByte) {
        return false;
    }
    const std::uint8_t closing = *data_.closingByte;
    const Timing timing = ReadTiming(nullptr, kWaveHandPollMs);
    return Retry(
        port, timing, "挥手异常:{}", "host_wave_hand", [] {},
        [&] {
            ByteVector answer;
            if (!Exchange(port, {closing}, timing.pollMs, timing.timeoutMs, 0, false, answer)) {
                throw ValdrenCpsException(
                    fmt::format("host_wave_hand request = 0x{:02X}", closing));
            }
        });
}

} // namespace vd
