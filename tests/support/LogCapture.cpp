#include "tests/support/LogCapture.h"

#include "app/Log.h"

#include <spdlog/sinks/base_sink.h>
#include <spdlog/spdlog.h>

#include <algorithm>
#include <mutex>

namespace vdtest {

namespace {

using Records = std::vector<std::pair<spdlog::level::level_enum, std::string>>;

// Keeps level and text of each record.
class RecordSink final : public spdlog::sinks::base_sink<std::mutex> {
public:
    explicit RecordSink(std::shared_ptr<Records> records) : records_(std::move(records)) {}

protected:
    void sink_it_(const spdlog::details::log_msg& msg) override {
        records_->emplace_back(msg.level, std::string(msg.payload.begin(), msg.payload.end()));
    }
    void flush_() override {}

private:
    std::shared_ptr<Records> records_;
};

} // namespace

LogCapture::LogCapture() : records_(std::make_shared<Records>()) {
    spdlog::drop(vd::kLoggerName);
    auto logger =
        std::make_shared<spdlog::logger>(vd::kLoggerName, std::make_shared<RecordSink>(records_));
    logger->set_level(spdlog::level::trace);
    spdlog::register_logger(logger);
}

LogCapture::~LogCapture() {
    spdlog::drop(vd::kLoggerName);
}

std::vector<std::string> LogCapture::lines() const {
    std::vector<std::string> lines;
    for (const auto& record : *records_) {
        lines.push_back(record.second);
    }
    return lines;
}

int LogCapture::count(const std::string& text) const {
    return static_cast<int>(
        std::count_if(records_->begin(), records_->end(),
                      [&](const auto& record) { return record.second == text; }));
}

int LogCapture::warnings() const {
    return static_cast<int>(
        std::count_if(records_->begin(), records_->end(),
                      [](const auto& record) { return record.first == spdlog::level::warn; }));
}

} // namespace vdtest
