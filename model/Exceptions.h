#pragma once
#include <stdexcept>
#include <string>

namespace vd {

/// The program's own failure with a short text that is shown to the user as it is
/// ("break!", "Host failed!", "answer is not OK", ...).
class ValdrenCpsException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Thrown by a handshake when the radio asks for a password. Deliberately not a
/// ValdrenCpsException, so that retry loops never swallow it.
class ValdrenPasswordException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace vd
