#include "radios/gx5/Gx5Protocol.h"

#include "app/FastLink.h"
#include "app/Log.h"
#include "app/StringTable.h"
#include "link/PortSetup.h"
#include "link/RetryLoop.h"
#include "link/SerialException.h"
#include "model/Exceptions.h"
#include "radios/gx5/Gx5DumpFile.h"
#include "radios/gx5/Gx5Frame.h"
#include "radios/gx5/Gx5Settings.h"

#include <ctime>

namespace vd {

namespace {

constexpr uint32_t kBaudRate = 115200;
constexpr uint32_t kReadTimeout = 100;
constexpr uint32_t kQueueSize = 2048;

std::string now_stamp() {
    return dump_time_stamp(std::time(nullptr));
}

// The GX5 family pauses after every failed attempt, the last one too.
RetryPolicy policy(int attempts, unsigned pauseMs) {
    return {attempts, pauseMs, true};
}

// A dump that cannot be written ends the operation; it is never retried.
void rethrow_dump_failure(const ValdrenCpsException& error) {
    if (dynamic_cast<const Gx5DumpException*>(&error) != nullptr) {
        throw;
    }
}

void no_progress() {}

} // namespace

void open_gx5_port(ISerialPort& port, const std::string& portSetting) {
    PortSetup setup;
    setup.baudRate = kBaudRate;
    setup.readTimeoutMs = kReadTimeout;
    setup.writeTimeoutMs = read_gx5_timeout();
    setup.inputQueueSize = kQueueSize;
    setup.outputQueueSize = kQueueSize;
    open_port(port, portSetting, setup);
}

Gx5Protocol::Gx5Protocol(ISerialPort& port, ProgressSignal& progress, Sleeper sleep,
                         std::string_view identity)
    : port_(port), progress_(progress), sleep_(std::move(sleep)), identity_(identity),
      fast_(fast_link_enabled()) {}

bool Gx5Protocol::host_handshake(int mode, const uint8_t* password, int length) {
    const Gx5HandshakeSettings settings = read_handshake_settings();
    std::span<const uint8_t> passwordBytes;
    if (password != nullptr && length > 0) {
        passwordBytes = std::span<const uint8_t>(password, static_cast<std::size_t>(length));
    }
    return retry_attempts<ValdrenCpsException>(
        port_, policy(settings.retryCount, settings.retryPause), sleep_, no_progress,
        [&] {
            const ByteVector request = frame_payload(
                handshake_payload(identity_, static_cast<uint8_t>(mode), passwordBytes));
            if (request.empty()) {
                throw ValdrenCpsException("generate_handshake_request");
            }
            handshake_step1(request, settings);
        },
        [](const ValdrenCpsException& error) {
            rethrow_dump_failure(error);
            VD_LOG_ERROR("握手异常:{}", error.what());
        });
}

void Gx5Protocol::handshake_step1(const ByteVector& request, const Gx5HandshakeSettings& settings) {
    // Minimum length 0 and no ending: the first poll ends the exchange with whatever came.
    ByteVector answer;
    if (!exchange(request, settings.pollInterval, settings.handshakeTimeout, 0, {}, answer)) {
        throw ValdrenCpsException("handshake_step1");
    }
    switch (judge_handshake_answer(answer)) {
    case HandshakeVerdict::Accepted:
        return;
    case HandshakeVerdict::WrongPassword:
        throw ValdrenPasswordException("password error");
    case HandshakeVerdict::Rejected:
        break;
    }
    if (settings.saveRejectedAnswer) {
        save_dump(handshake_dump_name(now_stamp()), answer);
    }
    throw ValdrenCpsException("handshake_step1 is_host_answer_handshake");
}

int Gx5Protocol::ReadAll(ByteVector& image, std::string text) {
    image.clear();
    if (text.empty()) {
        text = LoadString(IDS_HOST_READ_ALL_DATA);
    }
    report_progress(text, 0, 1);

    ByteVector payload;
    if (!read_data_by_index(0, 1, payload, text)) {
        return -1;
    }
    // Without its header the first block tells nothing; with a count of 0 there is no image.
    // Either way nothing usable was read, which must not pass for a completed read.
    if (payload.size() < kGx5BlockHeaderSize) {
        return -1;
    }
    const unsigned count = read_u16(payload, 4);
    if (count == 0 || count > kGx5MaxBlockCount) {
        return -1;
    }
    image.insert(image.end(), payload.begin() + kGx5BlockHeaderSize, payload.end());

    for (unsigned index = 1; index < count; ++index) {
        payload.clear();
        if (!read_data_by_index(static_cast<uint16_t>(index), static_cast<uint16_t>(count), payload,
                                text) ||
            payload.size() < kGx5BlockHeaderSize) {
            return -1;
        }
        image.insert(image.end(), payload.begin() + kGx5BlockHeaderSize, payload.end());
    }
    return static_cast<int>(count);
}

bool Gx5Protocol::read_data_by_index(uint16_t index, uint16_t count, ByteVector& payload,
                                     const std::string& text) {
    if (index >= count) {
        return false;
    }
    const ByteVector request = frame_payload(block_read_payload(index));
    if (request.empty()) {
        return false;
    }
    const Gx5BlockReadSettings settings = read_block_read_settings();
    const bool last = index + 1 == count;
    // A block before the last fills a whole frame; the last one may be shorter.
    const std::size_t minimumLength =
        last ? 0 : kRdtpHeaderSize + kRdtpMaxPayload + kRdtpTrailerSize;

    ByteVector answer;
    const bool read = retry_attempts<ValdrenCpsException>(
        port_, policy(settings.retryCount, settings.retryPause), sleep_,
        [&] { report_progress(text, index + 1, count); },
        [&] {
            answer.clear();
            if (!exchange(request, settings.pollInterval, settings.timeout, minimumLength,
                          {kRdtpEndMark}, answer)) {
                throw ValdrenCpsException("host answer error");
            }
            // An answer too short for a frame has no payload to take, checked or not; a checked
            // one must also be the block asked for, not a late answer to an earlier request.
            if (answer.size() < kRdtpMinFrameSize ||
                (settings.checkAnswer && !is_block_answer(answer, index))) {
                throw ValdrenCpsException("answer is not OK");
            }
        },
        [](const ValdrenCpsException&) {});
    if (!read) {
        return false;
    }
    if (settings.saveAnswer) {
        save_dump(block_answer_dump_name(index, now_stamp()), answer);
    }
    const auto data = block_answer_payload(answer);
    payload.insert(payload.end(), data.begin(), data.end());
    return true;
}

int Gx5Protocol::WriteAll(const ByteVector& image, std::string text) {
    if (text.empty()) {
        text = LoadString(IDS_HOST_WRITE_ALL_DATA);
    }
    report_progress(text, 0, 1);

    const std::size_t parts = (image.size() + kGx5BlockSize - 1) / kGx5BlockSize;
    // An empty image writes nothing, which must not pass for a completed write; a part count
    // beyond 16 bits cannot be told to the radio.
    if (parts == 0 || parts > 0xFFFF) {
        return -1;
    }
    const auto count = static_cast<uint16_t>(parts);
    const ByteVector payload = write_payload(image, count);
    const std::span<const uint8_t> all(payload);
    constexpr std::size_t partSize = kGx5BlockHeaderSize + kGx5BlockSize;
    for (uint16_t index = 0; index < count; ++index) {
        const std::size_t start = static_cast<std::size_t>(index) * partSize;
        const auto part = all.subspan(start, std::min(partSize, all.size() - start));
        if (!write_data_by_index(index, count, part, text)) {
            return -1;
        }
    }
    return count;
}

bool Gx5Protocol::write_data_by_index(uint16_t index, uint16_t count, std::span<const uint8_t> part,
                                      const std::string& text) {
    const ByteVector request = frame_payload(part);
    if (request.empty()) {
        return false;
    }
    const Gx5PartWriteSettings settings = read_part_write_settings();
    bool dumped = false;
    return retry_attempts<ValdrenCpsException>(
        port_, policy(settings.retryCount, settings.retryPause), sleep_,
        [&] { report_progress(text, index + 1, count); },
        [&] {
            ByteVector answer;
            if (!exchange(request, settings.pollInterval, settings.timeout, 0, {kRdtpEndMark},
                          answer)) {
                throw ValdrenCpsException("host answer error");
            }
            if (settings.checkAnswer && !is_write_acknowledgement(answer, index)) {
                throw ValdrenCpsException("answer is not OK");
            }
        },
        [&](const ValdrenCpsException& error) {
            rethrow_dump_failure(error);
            if (settings.saveFailedRequest && !dumped) {
                dumped = true;
                save_dump(write_request_dump_name(index, now_stamp()), request);
            }
        });
}

bool Gx5Protocol::host_reboot() {
    const Gx5RebootSettings settings = read_reboot_settings();
    // Called on the document's failure paths too: a pulled cable ends it quietly (false).
    return retry_attempts<ValdrenCpsException>(
        port_, policy(settings.retryCount, settings.retryPause), sleep_, no_progress,
        [&] {
            const ByteVector request = frame_payload(reboot_payload());
            if (request.empty()) {
                throw ValdrenCpsException("generate_reboot_request");
            }
            // The radio leaves programming mode whether or not its answer arrives in time.
            ByteVector answer;
            if (!exchange(request, settings.pollInterval, settings.timeout, 0, {}, answer)) {
                throw ValdrenCpsException("reboot_step");
            }
        },
        [](const ValdrenCpsException& error) { VD_LOG_ERROR("下发重启异常:{}", error.what()); });
}

void Gx5Protocol::report_progress(const std::string& text, int position, int total) {
    if (!progress_(text, position, total)) {
        throw CancelledException();
    }
}

bool Gx5Protocol::exchange(const ByteVector& request, unsigned pollInterval, unsigned timeout,
                           std::size_t minimumLength, const ByteVector& ending,
                           ByteVector& answer) {
    AnswerWait wait;
    wait.pollIntervalMs = pollInterval;
    wait.timeoutMs = timeout;
    wait.minimumLength = minimumLength;
    wait.expectedEnding = ending;
    wait.fast = fast_;
    // Every answer of the radio is one frame: it is whole when its CRC holds over the length
    // its header gives, which an end mark inside the data cannot fake.
    wait.whole = [minimumLength, &ending](const ByteVector& bytes) {
        return answer_is_complete(bytes, minimumLength, ending) && ends_with_whole_frame(bytes)
                   ? Completion::Complete
                   : Completion::Incomplete;
    };
    return exchange_answer(port_, request, wait, answer, sleep_);
}

} // namespace vd
