#include "tests/support/LogCapture.h"

#include "app/Log.h"

#include <spdlog/spdlog.h>

#include <algorithm>

namespace vdtest {

LogCapture::LogCapture() : sink_(std::make_shared<spdlog::sinks::ringbuffer_sink_mt>(4096)) {
    spdlog::drop(vd::kLoggerName);
    auto logger = std::make_shared<spdlog::logger>(vd::kLoggerName, sink_);
    logger->set_level(spdlog::level::trace);
    spdlog::register_logger(logger);
}

LogCapture::~LogCapture() {
    spdlog::drop(vd::kLoggerName);
}

std::vector<std::string> LogCapture::lines() const {
    std::vector<std::string> lines;
    for (const auto& record : sink_->last_raw()) {
        lines.emplace_back(record.payload.begin(), record.payload.end());
    }
    return lines;
}

int LogCapture::count(const std::string& text) const {
    const auto all = lines();
    return static_cast<int>(std::count(all.begin(), all.end(), text));
}

int LogCapture::warnings() const {
    const auto records = sink_->last_raw();
    return static_cast<int>(std::count_if(records.begin(), records.end(), [](const auto& record) {
        return record.level == spdlog::level::warn;
    }));
}

} // namespace vdtest
