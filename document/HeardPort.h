#pragma once
#include "link/ISerialPort.h"

namespace vd {

/// A port that remembers whether anything came back on it, so that a failed handshake can
/// tell "no answer at all" (cable, power) from "an answer of another kind" (model).
class HeardPort : public ISerialPort {
public:
    explicit HeardPort(ISerialPort& port) : port_(port) {}

    /// Bytes received since the port was made.
    std::size_t BytesHeard() const { return heard_; }

    void Open(int portNumber, std::uint32_t baudRate, Parity parity, std::uint8_t dataBits,
              StopBits stopBits, FlowControl flowControl, bool overlapped) override {
        port_.Open(portNumber, baudRate, parity, dataBits, stopBits, flowControl, overlapped);
    }
    void Open(const std::string& deviceName, std::uint32_t baudRate, Parity parity,
              std::uint8_t dataBits, StopBits stopBits, FlowControl flowControl,
              bool overlapped) override {
        port_.Open(deviceName, baudRate, parity, dataBits, stopBits, flowControl, overlapped);
    }
    void GetTimeouts(CommTimeouts& timeouts) override { port_.GetTimeouts(timeouts); }
    void SetTimeouts(const CommTimeouts& timeouts) override { port_.SetTimeouts(timeouts); }
    std::size_t Write(std::span<const std::uint8_t> data) override { return port_.Write(data); }
    void GetStatus(ComStat& status) override { port_.GetStatus(status); }
    ReadResult Read(std::span<std::uint8_t> buffer) override {
        const ReadResult result = port_.Read(buffer);
        heard_ += result.count;
        return result;
    }
    std::string GetPortPath() const override { return port_.GetPortPath(); }
    void Setup(std::uint32_t inputQueueSize, std::uint32_t outputQueueSize) override {
        port_.Setup(inputQueueSize, outputQueueSize);
    }
    void ClearError(std::uint32_t& errors) override { port_.ClearError(errors); }
    void ClearErrorFlags(std::uint32_t flags) override { port_.ClearErrorFlags(flags); }
    bool SetState(const SerialState& state) override { return port_.SetState(state); }
    bool GetState(SerialState& state) override { return port_.GetState(state); }
    void Close() override { port_.Close(); }

private:
    ISerialPort& port_;
    std::size_t heard_ = 0;
};

} // namespace vd
