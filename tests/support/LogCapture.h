#pragma once
#include <spdlog/sinks/ringbuffer_sink.h>

#include <memory>
#include <string>
#include <vector>

namespace vdtest {

/// The application's logger, registered for the life of the object, keeping the last 4096
/// records with their level and message text.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    /// The message texts so far, one per record.
    std::vector<std::string> lines() const;
    /// How many records carried exactly `text`.
    int count(const std::string& text) const;
    /// How many records were warnings (the tips a person is shown).
    int warnings() const;

private:
    std::shared_ptr<spdlog::sinks::ringbuffer_sink_mt> sink_;
};

} // namespace vdtest
