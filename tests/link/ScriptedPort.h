#pragma once
#include "link/ISerialPort.h"
#include "link/SerialException.h"

#include <algorithm>
#include <deque>
#include <vector>

namespace vdtest {

/// A port that plays a script: each Read takes the next step (bytes, a time-out or an error)
/// and GetStatus reports what the step said was still waiting. For the cases a real line
/// cannot produce on demand, such as a read that times out after the queue reported bytes.
class ScriptedPort final : public vd::ISerialPort {
public:
    /// One Read: the bytes it delivers, or `error`; `waitingAfter` is GetStatus's input count.
    struct Step {
        std::vector<std::uint8_t> bytes;
        int error = 0;
        std::uint32_t waitingAfter = 0;
    };

    std::deque<Step> steps;            ///< what the next reads do; empty: time-outs
    std::size_t writeLimit = SIZE_MAX; ///< Write takes at most this many bytes
    int writeError = 0;                ///< when set, Write throws with this code
    std::vector<std::uint8_t> written; ///< everything written
    std::uint32_t waiting = 0;         ///< GetStatus's current input count

    void Open(int, std::uint32_t, vd::Parity, std::uint8_t, vd::StopBits, vd::FlowControl,
              bool) override {}
    void Open(const std::string&, std::uint32_t, vd::Parity, std::uint8_t, vd::StopBits,
              vd::FlowControl, bool) override {}
    void GetTimeouts(vd::CommTimeouts&) override {}
    void SetTimeouts(const vd::CommTimeouts&) override {}
    std::size_t Write(std::span<const std::uint8_t> data) override {
        if (writeError != 0) {
            throw vd::CSerialException(writeError, "scripted");
        }
        const std::size_t taken = std::min(writeLimit, data.size());
        written.insert(written.end(), data.begin(), data.begin() + taken);
        return taken;
    }
    void GetStatus(vd::ComStat& status) override { status.cbInQue = waiting; }
    vd::ReadResult Read(std::span<std::uint8_t> buffer) override {
        if (steps.empty()) {
            waiting = 0;
            return {};
        }
        Step step = steps.front();
        steps.pop_front();
        waiting = step.waitingAfter;
        if (step.error != 0) {
            return {0, step.error};
        }
        const std::size_t count = std::min(buffer.size(), step.bytes.size());
        std::copy_n(step.bytes.begin(), count, buffer.begin());
        return {count, 0};
    }
    std::string GetPortPath() const override { return "scripted"; }
    void Setup(std::uint32_t, std::uint32_t) override {}
    void ClearError(std::uint32_t& errors) override { errors = 0; }
    void ClearErrorFlags(std::uint32_t) override {}
    bool SetState(const vd::SerialState&) override { return true; }
    bool GetState(vd::SerialState&) override { return true; }
    void Close() override {}
};

} // namespace vdtest
