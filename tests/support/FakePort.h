#pragma once
#include "link/ISerialPort.h"
#include "link/SerialException.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <vector>

namespace vdtest {

/// A port without a line, for the cases a real line cannot produce on demand. A radio played
/// by a function answers each request written, and the reads deliver that answer at once; or
/// scripted steps say what each read delivers (bytes, a time-out or an error) and what the
/// input queue reports after it. Reads never wait, so nothing depends on timing.
class FakePort final : public vd::ISerialPort {
public:
    using Bytes = std::vector<std::uint8_t>;
    using Responder = std::function<Bytes(const Bytes& request)>;
    /// One scripted Read: the bytes it delivers, or `error`; `waitingAfter` is the queue's count.
    struct Step {
        Bytes bytes;
        int error = 0;
        std::uint32_t waitingAfter = 0;
    };

    explicit FakePort(Responder respond = {}) : respond_(std::move(respond)) {}

    std::deque<Step> steps;            ///< what the next reads do before any answer
    std::size_t writeLimit = SIZE_MAX; ///< Write takes at most this many bytes
    int writeError = 0;                ///< when set, Write throws with this code

    /// Every request written, in order.
    const std::vector<Bytes>& requests() const { return requests_; }
    /// Puts bytes in the input queue as if they had just arrived.
    void deliver(const Bytes& bytes) {
        waiting_.insert(waiting_.end(), bytes.begin(), bytes.end());
    }

    std::size_t Write(std::span<const std::uint8_t> data) override {
        if (writeError != 0) {
            throw vd::CSerialException(writeError, "fake");
        }
        const Bytes request(data.begin(), data.begin() + std::min(writeLimit, data.size()));
        requests_.push_back(request);
        if (respond_) {
            deliver(respond_(request));
        }
        return request.size();
    }
    void GetStatus(vd::ComStat& status) override {
        status.cbInQue = static_cast<std::uint32_t>(waiting_.size()) + scriptedWaiting_;
        status.cbOutQue = 0;
    }
    vd::ReadResult Read(std::span<std::uint8_t> buffer) override {
        if (!steps.empty()) {
            const Step step = steps.front();
            steps.pop_front();
            scriptedWaiting_ = step.waitingAfter;
            deliver(step.bytes);
            if (step.error != 0) {
                return {0, step.error};
            }
        } else {
            scriptedWaiting_ = 0;
        }
        const std::size_t count = std::min(buffer.size(), waiting_.size());
        std::copy_n(waiting_.begin(), count, buffer.begin());
        waiting_.erase(waiting_.begin(), waiting_.begin() + static_cast<std::ptrdiff_t>(count));
        return {count, 0};
    }
    void ClearErrorFlags(std::uint32_t flags) override {
        if ((flags & 8U) != 0) { // purge of the input
            waiting_.clear();
        }
    }
    void Open(int, std::uint32_t, vd::Parity, std::uint8_t, vd::StopBits, vd::FlowControl,
              bool) override {}
    void Open(const std::string&, std::uint32_t, vd::Parity, std::uint8_t, vd::StopBits,
              vd::FlowControl, bool) override {}
    void GetTimeouts(vd::CommTimeouts& timeouts) override { timeouts = timeouts_; }
    void SetTimeouts(const vd::CommTimeouts& timeouts) override { timeouts_ = timeouts; }
    std::string GetPortPath() const override { return "fake"; }
    void Setup(std::uint32_t, std::uint32_t) override {}
    void ClearError(std::uint32_t& errors) override { errors = 0; }
    bool SetState(const vd::SerialState&) override { return true; }
    bool GetState(vd::SerialState&) override { return true; }
    void Close() override {}

private:
    Responder respond_;
    std::vector<Bytes> requests_;
    std::deque<std::uint8_t> waiting_;
    std::uint32_t scriptedWaiting_ = 0;
    vd::CommTimeouts timeouts_;
};

} // namespace vdtest
