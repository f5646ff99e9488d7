#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace vd {

/// Parity of a serial line; the values are those stored in the settings and passed to Open.
enum class Parity : std::uint8_t { None = 0, Odd = 1, Even = 2, Mark = 3, Space = 4 };

/// Number of stop bits of a serial line; 1.5 exists only with 5 data bits.
enum class StopBits : std::uint8_t { One = 0, OnePointFive = 1, Two = 2 };

/// Flow control of a serial line, with the values stored in the settings.
enum class FlowControl : std::uint8_t {
    None = 0,
    CtsRts = 1,
    CtsDtr = 2,
    DsrRts = 3,
    DsrDtr = 4,
    XonXoff = 5,
};

/// Time-outs of a port in milliseconds, kept by the port and applied to its reads and writes.
/// A read waits at most ReadTotalTimeoutMultiplier x length + ReadTotalTimeoutConstant for its
/// first byte and then takes what is waiting; a write may take at most
/// WriteTotalTimeoutMultiplier x length + WriteTotalTimeoutConstant. A total of 0 means "do not
/// wait at all": no read or write ever waits without a bound.
struct CommTimeouts {
    std::uint32_t ReadIntervalTimeout = 0;
    std::uint32_t ReadTotalTimeoutMultiplier = 0;
    std::uint32_t ReadTotalTimeoutConstant = 0;
    std::uint32_t WriteTotalTimeoutMultiplier = 0;
    std::uint32_t WriteTotalTimeoutConstant = 0;
};

/// Fill levels of the port's queues in bytes.
struct ComStat {
    std::uint32_t cbInQue = 0;  ///< received bytes not read yet
    std::uint32_t cbOutQue = 0; ///< written bytes not sent yet
};

/// The line settings of a port. EofChar and EvtChar are kept by the port only: a raw line has
/// no end-of-file or event character.
struct SerialState {
    std::uint32_t baudRate = 9600;
    std::uint8_t dataBits = 8;
    Parity parity = Parity::None;
    StopBits stopBits = StopBits::One;
    FlowControl flowControl = FlowControl::None;
    char eofChar = 0;
    char evtChar = 0;
};

/// What one Read brought: the bytes stored, or the system error code (errno) that ended it.
/// A read that timed out without a byte has count 0 and error 0.
struct ReadResult {
    std::size_t count = 0;
    int error = 0;
};

/// A serial port as the radio protocols see it: it moves bytes with time-outs and knows nothing
/// of radios. Every operation but Read, GetState, SetState, GetPortPath and Close throws
/// CSerialException on failure.
class ISerialPort {
public:
    virtual ~ISerialPort() = default;

    /// Opens COM port `portNumber` (COM1 is /dev/ttyS0) and sets the line up; closes an open
    /// port first. `overlapped` is accepted for compatibility and has no meaning here.
    virtual void Open(int portNumber, std::uint32_t baudRate, Parity parity, std::uint8_t dataBits,
                      StopBits stopBits, FlowControl flowControl, bool overlapped) = 0;
    /// Opens the device at `deviceName` (such as /dev/ttyUSB0) and sets the line up.
    virtual void Open(const std::string& deviceName, std::uint32_t baudRate, Parity parity,
                      std::uint8_t dataBits, StopBits stopBits, FlowControl flowControl,
                      bool overlapped) = 0;
    /// Copies the port's time-outs into `timeouts`.
    virtual void GetTimeouts(CommTimeouts& timeouts) = 0;
    /// Sets the time-outs used by the following reads and writes.
    virtual void SetTimeouts(const CommTimeouts& timeouts) = 0;
    /// Writes `data` within the write time-out and returns how many bytes went out; fewer than
    /// asked means the time-out passed. Throws when the device fails.
    virtual std::size_t Write(std::span<const std::uint8_t> data) = 0;
    /// Copies the fill levels of the queues into `status`.
    virtual void GetStatus(ComStat& status) = 0;
    /// Waits up to the read time-out for a first byte, then stores the bytes waiting (at most
    /// the buffer's size). Never throws: failures come back in the result.
    virtual ReadResult Read(std::span<std::uint8_t> buffer) = 0;
    /// The device path of the open port; empty when closed.
    virtual std::string GetPortPath() const = 0;
    /// Records the queue sizes the caller wants; the kernel sizes its own queues.
    virtual void Setup(std::uint32_t inputQueueSize, std::uint32_t outputQueueSize) = 0;
    /// Reports and clears the line's error flags into `errors`.
    virtual void ClearError(std::uint32_t& errors) = 0;
    /// Clears the line's error flags and discards the queues named in `flags` (4: output,
    /// 8: input) so that a new exchange starts clean.
    virtual void ClearErrorFlags(std::uint32_t flags) = 0;
    /// Applies the line settings; false when the port is closed or refuses them.
    virtual bool SetState(const SerialState& state) = 0;
    /// Reads the line settings; false when the port is closed or cannot tell.
    virtual bool GetState(SerialState& state) = 0;
    /// Closes the port; does nothing when it is closed.
    virtual void Close() = 0;
};

} // namespace vd
