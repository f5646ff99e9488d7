#pragma once
#include "link/Exchange.h"
#include "link/ISerialPort.h"
#include "link/PortSetup.h"
#include "link/SerialException.h"

#include <chrono>
#include <thread>

namespace vd {

/// How often an operation of a radio protocol is tried and how it pauses after a failure.
struct RetryPolicy {
    int attempts = 3;
    unsigned pauseMs = 1000;
    /// Pause after the last failed attempt too, not only between attempts.
    bool pauseAfterLast = false;
};

/// Waits `ms` through `sleep`, or on the clock when there is no sleeper.
inline void pause_for(const Sleeper& sleep, unsigned ms) {
    if (sleep) {
        sleep(ms);
    } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

/// The retry loop of every radio protocol: runs `attempt` until it returns, at most
/// `policy.attempts` times, and tells whether one did.
///
/// Every attempt starts from an empty input queue: the late rest of a failed attempt's answer
/// would otherwise be taken for the start of the next answer and spoil every retry. `before`
/// runs ahead of each attempt outside the failure handling, so a cancel it throws (a progress
/// report) ends the loop at once. An attempt fails by throwing `Failure`: `failed` is told
/// (it may log, or rethrow with `throw;` what must not be retried), then the loop pauses.
/// A CSerialException means the port is gone and ends the loop with false at once, since
/// another attempt cannot help; every other exception passes through.
template <typename Failure, typename Before, typename Attempt, typename Failed>
bool retry_attempts(ISerialPort& port, const RetryPolicy& policy, const Sleeper& sleep,
                    Before&& before, Attempt&& attempt, Failed&& failed) {
    for (int left = policy.attempts; left > 0; --left) {
        before();
        try {
            port.ClearErrorFlags(kPurgeInput);
            attempt();
            return true;
        } catch (const CSerialException&) {
            return false;
        } catch (const Failure& error) {
            failed(error);
        }
        if (left > 1 || policy.pauseAfterLast) {
            pause_for(sleep, policy.pauseMs);
        }
    }
    return false;
}

} // namespace vd
