#pragma once
#include "document/IUserInterface.h"
#include "model/HamCpsControl.h"

#include <string>

namespace vd {

class ISerialPort;

/// One radio operation as the steps inside it see it: the model control, the open port, the
/// person, the result message being built and the sessions with the radio. A write with backup
/// and verification runs several sessions (read, write, read again) on one open port.
class DeviceSession {
public:
    virtual ~DeviceSession() = default;

    /// The document's model control.
    virtual HamCpsControl& control() = 0;
    /// The open port.
    virtual ISerialPort& port() = 0;
    /// The person the operation reports to.
    virtual IUserInterface& ui() = 0;
    /// The result message shown when the operation ends.
    virtual std::string& message() = 0;
    /// How the result message is shown.
    virtual void SetStyle(MessageStyle style) = 0;
    /// Milliseconds since the operation started.
    virtual long long ElapsedMs() const = 0;
    /// Starts a session: the handshake for reading (0) or writing (1), asking for the password
    /// when the radio wants one; throws "Host failed!" when the radio does not answer. False
    /// when the person gave no password (the radio is taken out of programming mode).
    virtual bool Handshake(int mode) = 0;
    /// Takes the radio out of programming mode; never throws.
    virtual void RebootRadio() = 0;
};

/// Adds a line to a result message: the step ("Host read all data") and its outcome
/// ("Data read completed") are two lines, which a terminal may join.
void AppendResultLine(std::string& message, const std::string& line);

} // namespace vd
