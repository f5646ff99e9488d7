#pragma once
#include <spdlog/spdlog.h>

namespace vd {

/// Name under which the application's rotating log is registered.
inline constexpr const char* kLoggerName = "ValdrenCpsApp";

} // namespace vd

/// Logs through the application's logger with the source location, and only when that
/// logger exists (a tool or a test may run without one).
#define VD_LOG(level, ...)                                                                         \
    do {                                                                                           \
        if (auto vdLogger_ = spdlog::get(::vd::kLoggerName)) {                                     \
            SPDLOG_LOGGER_CALL(vdLogger_, level, __VA_ARGS__);                                     \
        }                                                                                          \
    } while (0)

#define VD_LOG_ERROR(...) VD_LOG(spdlog::level::err, __VA_ARGS__)
#define VD_LOG_WARN(...) VD_LOG(spdlog::level::warn, __VA_ARGS__)
#define VD_LOG_INFO(...) VD_LOG(spdlog::level::info, __VA_ARGS__)
