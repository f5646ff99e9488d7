#pragma once
#include "model/Exceptions.h"

#include <string>

namespace vd {

/// Refuses an operation that this model does not offer yet, with a message that says so.
[[noreturn]] inline void ThrowNotAvailable(const std::string& modelName, const char* operation) {
    throw ValdrenCpsException(std::string(operation) + " is not available for the " + modelName +
                                  " yet",
                              FailureKind::Data);
}

} // namespace vd
