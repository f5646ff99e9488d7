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

using Clock = std::chrono::steady_clock;

/// Restores the port's time-outs when a fast exchange ends, however it ends.
class TimeoutsRestorer {
public:
    explicit TimeoutsRestorer(ISerialPort& port) : port_(port) { port_.GetTimeouts(saved_); }
    ~TimeoutsRestorer() {
        try {
            port_.SetTimeouts(saved_);
        } catch (const CSerialException&) {
            // the port is gone: the next operation on it says so
        }
    }
    TimeoutsRestorer(const TimeoutsRestorer&) = delete;
    TimeoutsRestorer& operator=(const TimeoutsRestorer&) = delete;

    /// Lets the next read wait for its first byte at most until `until`.
    void WaitAtMost(Clock::time_point until) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now());
        CommTimeouts timeouts = saved_;
        timeouts.ReadTotalTimeoutMultiplier = 0;
        timeouts.ReadTotalTimeoutConstant =
            static_cast<std::uint32_t>(std::max<long long>(left.count(), 0));
        port_.SetTimeouts(timeouts);
    }

private:
    ISerialPort& port_;
    CommTimeouts saved_;
};

Completion default_completion(const AnswerWait& wait, const std::vector<std::uint8_t>& answer) {
    const bool asksForBytes = wait.minimumLength > 0 || !wait.expectedEnding.empty();
    return asksForBytes && answer_is_complete(answer, wait.minimumLength, wait.expectedEnding)
               ? Completion::Complete
               : Completion::Incomplete;
}

// The polled exchange's ticks, with the port watched (poll on its descriptor through Read)
// in between, so a whole answer ends the exchange when its last byte is in.
bool fast_exchange(ISerialPort& port, const std::vector<std::uint8_t>& request,
                   const AnswerWait& wait, std::vector<std::uint8_t>& answer) {
    if (!write_request(port, request)) {
        return false;
    }
    TimeoutsRestorer timeouts(port);
    const auto whole = [&] {
        return wait.whole ? wait.whole(answer) : default_completion(wait, answer);
    };
    const auto start = Clock::now();
    const auto timeout = std::chrono::milliseconds(wait.timeoutMs);
    for (;;) {
        if (Clock::now() - start >= timeout) {
            return false;
        }
        const auto tick = Clock::now() + std::chrono::milliseconds(wait.pollIntervalMs);
        bool inGrace = false;
        auto graceEnd = tick;
        for (;;) {
            timeouts.WaitAtMost(inGrace ? std::min(graceEnd, tick) : tick);
            const std::size_t before = answer.size();
            read_available(port, answer); // a failed read is looked at again at the tick
            if (answer.size() != before || !inGrace) {
                const Completion state = whole();
                if (state == Completion::Complete) {
                    return true;
                }
                inGrace = state == Completion::CompleteUnlessMore;
                if (inGrace) {
                    graceEnd = Clock::now() + std::chrono::milliseconds(wait.graceMs);
                }
            }
            const auto now = Clock::now();
            if (inGrace && now >= graceEnd) {
                return true;
            }
            if (now >= tick) {
                break;
            }
        }
        if (answer_is_complete(answer, wait.minimumLength, wait.expectedEnding)) {
            return true;
        }
    }
}

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
    AnswerWait wait;
    wait.pollIntervalMs = pollIntervalMs;
    wait.timeoutMs = timeoutMs;
    wait.minimumLength = minimumLength;
    wait.expectedEnding = expectedEnding;
    return exchange_answer(port, request, wait, answer, sleep);
}

bool exchange_answer(ISerialPort& port, const std::vector<std::uint8_t>& request,
                     const AnswerWait& wait, std::vector<std::uint8_t>& answer,
                     const Sleeper& sleep) {
    if (wait.fast) {
        return fast_exchange(port, request, wait, answer);
    }
    const unsigned pollIntervalMs = wait.pollIntervalMs;
    const unsigned timeoutMs = wait.timeoutMs;
    const std::size_t minimumLength = wait.minimumLength;
    const std::vector<std::uint8_t>& expectedEnding = wait.expectedEnding;
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
