#pragma once
#include <spdlog/common.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vdtest {

/// The application's logger, registered for the life of the object, keeping every record's
/// level and message text.
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
    std::shared_ptr<std::vector<std::pair<spdlog::level::level_enum, std::string>>> records_;
};

} // namespace vdtest
