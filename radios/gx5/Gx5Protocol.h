#pragma once
#include "link/Exchange.h"
#include "link/ISerialPort.h"
#include "model/ModelTypes.h"
#include "model/ProgressSignal.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vd {

struct Gx5HandshakeSettings;

/// Sets a port up for the GX5 family: 115200 baud 8N1 without flow control, reads that wait
/// 100 ms for a first byte, writes that may take "timeout" ms, cleared error state and queues.
/// `portSetting` is the port as cps.ini names it ("/dev/ttyUSB0", "COM11", "11").
/// Throws CSerialException when the port cannot be opened or set up.
void open_gx5_port(ISerialPort& port, const std::string& portSetting);

/// One run of the GX5 family protocol on an open port: the handshake into programming mode,
/// block reads and part writes of the memory image, and the reboot out of programming mode.
/// Failed exchanges are retried as cps.ini says; only the result reaches the caller, except
/// for a cancel ("break!"), a refused password and an unwritable dump file.
class Gx5Protocol {
public:
    /// @param port      the open port; it must outlive the object
    /// @param progress  told before every block or part; a cancel stops the transfer
    /// @param sleep     every wait of the protocol (polls and retry pauses) goes through it
    /// @param identity  the 32-byte model identity the radio checks in the handshake
    Gx5Protocol(ISerialPort& port, ProgressSignal& progress, Sleeper sleep,
                std::string_view identity);

    /// Puts the radio into programming mode (mode 0 read, 1 write) with the password's first 8
    /// bytes (none when `password` is null or `length` is not positive). False when every
    /// attempt failed or the port failed; throws ValdrenPasswordException ("password error")
    /// at once when the radio refuses the password.
    bool host_handshake(int mode, const uint8_t* password, int length);

    /// Replaces `image` by the radio's memory image, read block by block; the number of blocks,
    /// or -1 when a block could not be read or the radio reported no usable block count (the
    /// blocks read before the failure stay in `image`).
    int ReadAll(ByteVector& image, std::string text);

    /// Writes `image` in parts of 1024 bytes; the number of parts, or -1 when a part was not
    /// acknowledged or there was nothing to write.
    int WriteAll(const ByteVector& image, std::string text);

    /// Asks the radio to leave programming mode; false when the request could not be sent.
    bool host_reboot();

private:
    void handshake_step1(const ByteVector& request, const Gx5HandshakeSettings& settings);
    bool read_data_by_index(uint16_t index, uint16_t count, ByteVector& payload,
                            const std::string& text);
    bool write_data_by_index(uint16_t index, uint16_t count, std::span<const uint8_t> part,
                             const std::string& text);
    void report_progress(const std::string& text, int position, int total);
    bool exchange(const ByteVector& request, unsigned pollInterval, unsigned timeout,
                  std::size_t minimumLength, const ByteVector& ending, ByteVector& answer);

    ISerialPort& port_;
    ProgressSignal& progress_;
    Sleeper sleep_;
    std::string identity_;
    bool fast_;
};

} // namespace vd
