#include "link/Exchange.h"

#include "link/SerialException.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <thread>

namespace vd {

namespace {

// Large enough for the longest frame of any radio in one read.
constexpr std::size_t kReadChunk = 4096;

} // namespace

bool write_request(ISerialPort& port, const std::vector<std::uint8_t>& request) {
    try {
        if (port.Write(request) == request.size()) {
            return true;
        }
        ComStat status;
        port.GetStatus(status); // a port that died during the write says so here
        return false;
    } catch (const CSerialException& error) {
        if (is_port_gone_error(error.GetErrorCode())) {
            throw;
        }
        return false;
    }
}

long read_available(ISerialPort& port, std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> gathered;
    std::array<std::uint8_t, kReadChunk> chunk{};
    for (;;) {
        const ReadResult result = port.Read(chunk);
        if (result.error != 0) {
            if (is_port_gone_error(result.error)) {
                throw CSerialException(result.error, port.GetPortPath());
            }
            return -1;
        }
        if (result.count == 0) {
            // The read time-out passed: what was gathered before it is kept, not dropped.
            break;
        }
        gathered.insert(gathered.end(), chunk.begin(), chunk.begin() + result.count);
        ComStat status;
        port.GetStatus(status);
        if (status.cbInQue == 0) {
            break;
        }
    }
    bytes.insert(bytes.end(), gathered.begin(), gathered.end());
    return static_cast<long>(gathered.size());
}

bool answer_is_complete(const std::vector<std::uint8_t>& answer, std::size_t minimumLength,
                        const std::vector<std::uint8_t>& expectedEnding) {
    if (answer.size() < minimumLength || answer.size() < expectedEnding.size()) {
        return false;
    }
    return std::equal(expectedEnding.begin(), expectedEnding.end(),
                      answer.end() - static_cast<std::ptrdiff_t>(expectedEnding.size()));
}

bool send_request_wait_answer(ISerialPort& port, const std::vector<std::uint8_t>& request,
                              unsigned pollIntervalMs, unsigned timeoutMs,
                              std::size_t minimumLength,
                              const std::vector<std::uint8_t>& expectedEnding,
                              std::vector<std::uint8_t>& answer, const Sleeper& sleep) {
    if (!write_request(port, request)) {
        return false;
    }
    const auto start = std::chrono::steady_clock::now();
    const auto timeout = std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (std::chrono::steady_clock::now() - start >= timeout) {
            return false;
        }
        if (sleep) {
            sleep(pollIntervalMs);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(pollIntervalMs));
        }
        std::vector<std::uint8_t> fresh;
        if (read_available(port, fresh) < 0) {
            continue;
        }
        answer.insert(answer.end(), fresh.begin(), fresh.end());
        if (answer_is_complete(answer, minimumLength, expectedEnding)) {
            return true;
        }
    }
}

} // namespace vd
