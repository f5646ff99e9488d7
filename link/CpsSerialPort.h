#pragma once
#include "link/ISerialPort.h"
#include "link/UniqueFd.h"

#include <cstdint>
#include <string>

namespace vd {

/// A serial port of this machine driven through termios: a UART, a USB serial adapter or a
/// pseudo-terminal. The port is held exclusively while open and closed by the destructor.
class CpsSerialPort final : public ISerialPort {
public:
    /// A closed port.
    CpsSerialPort() = default;
    ~CpsSerialPort() override;
    CpsSerialPort(const CpsSerialPort&) = delete;
    CpsSerialPort& operator=(const CpsSerialPort&) = delete;

    void Open(int portNumber, std::uint32_t baudRate, Parity parity, std::uint8_t dataBits,
              StopBits stopBits, FlowControl flowControl, bool overlapped) override;
    void Open(const std::string& deviceName, std::uint32_t baudRate, Parity parity,
              std::uint8_t dataBits, StopBits stopBits, FlowControl flowControl,
              bool overlapped) override;
    void GetTimeouts(CommTimeouts& timeouts) override;
    void SetTimeouts(const CommTimeouts& timeouts) override;
    std::size_t Write(std::span<const std::uint8_t> data) override;
    void GetStatus(ComStat& status) override;
    ReadResult Read(std::span<std::uint8_t> buffer) override;
    std::string GetPortPath() const override;
    void Setup(std::uint32_t inputQueueSize, std::uint32_t outputQueueSize) override;
    void ClearError(std::uint32_t& errors) override;
    void ClearErrorFlags(std::uint32_t flags) override;
    bool SetState(const SerialState& state) override;
    bool GetState(SerialState& state) override;
    void Close() override;

    /// True while the port is open.
    bool IsOpen() const noexcept { return static_cast<bool>(fd_); }
    /// The queue sizes last asked for with Setup (input, output).
    std::pair<std::uint32_t, std::uint32_t> QueueSizes() const noexcept {
        return {inputQueueSize_, outputQueueSize_};
    }

private:
    void RequireOpen() const;
    [[noreturn]] void Fail(int errorCode) const;
    void ProbeDevice() const;

    UniqueFd fd_;
    std::string path_;
    CommTimeouts timeouts_;
    SerialState state_;
    std::uint32_t inputQueueSize_ = 0;
    std::uint32_t outputQueueSize_ = 0;
};

} // namespace vd
