#pragma once
#include "link/ISerialPort.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace vd {

/// Waits the given number of milliseconds; the model controls pass their own Sleep so that
/// tests can drive the far end while an exchange waits.
using Sleeper = std::function<void(unsigned ms)>;

/// Writes the whole request within the port's write time-out. False when only part of it went
/// out or the port refused it; throws CSerialException when the port is gone (pulled cable),
/// so that retry loops end at once.
bool write_request(ISerialPort& port, const std::vector<std::uint8_t>& request);

/// Appends the bytes waiting on the port to `bytes`, waiting up to the port's read time-out for
/// the first one, and returns how many were appended (0 when none came). Returns -1 and appends
/// nothing when the read failed; throws CSerialException when the port is gone.
long read_available(ISerialPort& port, std::vector<std::uint8_t>& bytes);

/// The request/answer exchange of every radio protocol: writes `request`, then every
/// `pollIntervalMs` appends what has arrived to `answer` until it holds at least
/// `minimumLength` bytes and ends with `expectedEnding` (an empty ending always matches).
/// False when the request could not be written or `timeoutMs` passed first; a time-out of 0
/// writes the request and fails without reading. `answer` is only appended to.
/// Throws CSerialException when the port is gone.
bool send_request_wait_answer(ISerialPort& port, const std::vector<std::uint8_t>& request,
                              unsigned pollIntervalMs, unsigned timeoutMs,
                              std::size_t minimumLength,
                              const std::vector<std::uint8_t>& expectedEnding,
                              std::vector<std::uint8_t>& answer, const Sleeper& sleep);

/// What a fast exchange makes of the answer so far.
enum class Completion : std::uint8_t {
    Incomplete, ///< more must come
    Complete,   ///< the answer is whole
    /// Whole, but the radio may still add an optional byte: wait a short grace for it.
    CompleteUnlessMore,
};

/// Tells whether an answer is whole by the exchange's own rules; used by the fast link.
using AnswerCheck = std::function<Completion(const std::vector<std::uint8_t>&)>;

/// How an exchange waits for its answer.
struct AnswerWait {
    unsigned pollIntervalMs = 0;
    unsigned timeoutMs = 0;
    /// At a poll tick the answer is complete with at least this many bytes...
    std::size_t minimumLength = 0;
    /// ...ending in these (an empty ending always matches).
    std::vector<std::uint8_t> expectedEnding;
    /// Fast link: the port is watched between ticks and the exchange ends as soon as `whole`
    /// says the answer is complete, instead of at the next tick. The ticks keep their rule, so
    /// a fast exchange never ends later than a polled one.
    bool fast = false;
    /// Empty: whole when the tick rule holds and asks for at least one byte; an exchange that
    /// takes whatever came (no minimum, no ending) then ends at its first tick as before.
    AnswerCheck whole;
    /// How long a CompleteUnlessMore answer waits for its optional byte.
    unsigned graceMs = 0;
};

/// The request/answer exchange as `wait` says; see send_request_wait_answer. The port's
/// time-outs are the same after it as before.
bool exchange_answer(ISerialPort& port, const std::vector<std::uint8_t>& request,
                     const AnswerWait& wait, std::vector<std::uint8_t>& answer,
                     const Sleeper& sleep);

/// True when `answer` holds at least `minimumLength` bytes and its last bytes equal
/// `expectedEnding`; an empty ending matches any answer, a longer one never does.
bool answer_is_complete(const std::vector<std::uint8_t>& answer, std::size_t minimumLength,
                        const std::vector<std::uint8_t>& expectedEnding);

} // namespace vd
