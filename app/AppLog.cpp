#include "app/AppLog.h"

#include "app/Log.h"

#include <filesystem>
#include <spdlog/sinks/rotating_file_sink.h>

namespace vd {

bool InitAppLog(const std::string& folder) {
    if (spdlog::get(kLoggerName)) {
        return true;
    }
    try {
        std::filesystem::create_directories(folder);
        auto logger = spdlog::rotating_logger_mt(
            kLoggerName, (std::filesystem::path(folder) / "ValdrenCpsApp.log").string(), 1048576, 3,
            false);
        logger->set_pattern("[%Y-%m-%d %H:%M:%S.%e][%l][%s,%!,%#]:%v");
        logger->flush_on(spdlog::level::warn);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void ShutdownAppLog() {
    spdlog::shutdown();
}

} // namespace vd
