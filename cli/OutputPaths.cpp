#include "cli/OutputPaths.h"

#include "cli/CliSupport.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace vd::cli {

namespace {

namespace fs = std::filesystem;

/// Whether two paths name the same file (also through links), or would once written.
bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    if (fs::exists(a, error) && fs::exists(b, error)) {
        return fs::equivalent(a, b, error);
    }
    return fs::weakly_canonical(a, error) == fs::weakly_canonical(b, error);
}

void CheckOne(const std::string& path, bool force) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::directory) {
        throw CliError(kDataError, path + ": is a directory");
    }
    if (fs::exists(status) && !force) {
        throw CliError(kDataError, path + " exists; use --force to replace it");
    }
    const fs::path parent = fs::path(path).parent_path();
    const std::string folder = parent.empty() ? std::string(".") : parent.string();
    if (::access(folder.c_str(), W_OK) != 0) {
        throw CliError(kDataError, path + ": cannot be written (" + std::strerror(errno) + ")");
    }
}

} // namespace

void CheckOutputPaths(const std::vector<std::string>& outputs,
                      const std::vector<std::string>& inputs, bool force) {
    for (size_t i = 0; i < outputs.size(); ++i) {
        if (outputs[i].empty()) {
            continue;
        }
        for (const std::string& input : inputs) {
            if (SameFile(outputs[i], input)) {
                throw CliError(kUsageError, outputs[i] + ": is the input file; choose another");
            }
        }
        for (size_t k = 0; k < i; ++k) {
            if (!outputs[k].empty() && SameFile(outputs[i], outputs[k])) {
                throw CliError(kUsageError, outputs[i] + ": named for two outputs");
            }
        }
        CheckOne(outputs[i], force);
    }
}

} // namespace vd::cli
