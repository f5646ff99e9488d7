#include "radios/gx5/Gx5DumpFile.h"

#include "app/AppPaths.h"

#include <fmt/chrono.h>
#include <fmt/format.h>

#include <fstream>
#include <system_error>

namespace vd {

std::string dump_time_stamp(std::time_t when) {
    return fmt::format("{:%Y-%m-%d_%H}", fmt::localtime(when));
}

std::string handshake_dump_name(const std::string& stamp) {
    return fmt::format("shandshake_fail_{}.rdtp", stamp);
}

std::string block_answer_dump_name(unsigned blockIndex, const std::string& stamp) {
    return fmt::format("HostAnswerByIndex{}_{}.rdtp", blockIndex, stamp);
}

std::string write_request_dump_name(unsigned partIndex, const std::string& stamp) {
    return fmt::format("WriteAllDataByIndex{}_fail_{}.rdtp", partIndex, stamp);
}

std::filesystem::path dump_folder() {
    return std::filesystem::path(AppPaths::DataDir()) / "error";
}

std::filesystem::path save_dump(const std::string& name, std::span<const uint8_t> bytes) {
    const std::filesystem::path folder = dump_folder();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        throw Gx5DumpException(
            fmt::format("cannot create the folder {}: {}", folder.string(), error.message()));
    }
    const std::filesystem::path file = folder / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw Gx5DumpException(fmt::format("cannot write the file {}", file.string()));
    }
    return file;
}

} // namespace vd
