#pragma once
#include <stdexcept>
#include <string>

namespace vd {

/// What kind of failure an exception reports; callers choose their reaction (and vdcps its
/// exit status) by this, never by the text.
enum class FailureKind {
    Radio,     ///< the radio or the exchange with it failed
    Cancelled, ///< the person asked to stop
    Data,      ///< a value, an image or a file could not be used
};

/// The program's own failure with a short text that is shown to the user as it is
/// ("break!", "Host failed!", "answer is not OK", ...), and the kind of failure it is.
class ValdrenCpsException : public std::runtime_error {
public:
    explicit ValdrenCpsException(const std::string& message, FailureKind kind = FailureKind::Radio)
        : std::runtime_error(message), kind_(kind) {}
    /// The kind of failure.
    FailureKind kind() const { return kind_; }

private:
    FailureKind kind_;
};

/// The cancel of a long operation ("break!").
class CancelledException : public ValdrenCpsException {
public:
    CancelledException() : ValdrenCpsException("break!", FailureKind::Cancelled) {}
};

/// Thrown by a handshake when the radio asks for a password. Deliberately not a
/// ValdrenCpsException, so that retry loops never swallow it.
class ValdrenPasswordException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace vd
