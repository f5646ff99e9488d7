#include "cli/CliSupport.h"

#include "document/ProjectFile.h"

#include <filesystem>

namespace vd::cli {

std::unique_ptr<HamCpsControl> OpenProjectOrThrow(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        throw CliError(kDataError, path + ": no such project file");
    }
    std::unique_ptr<HamCpsControl> control = ProjectFile::Open(path);
    if (!control) {
        throw CliError(kDataError, path + ": not a project file of a known model (malformed XML, "
                                          "a template, or an unknown root element)");
    }
    return control;
}

void SaveProjectOrThrow(HamCpsControl& control, const std::string& path) {
    if (!ProjectFile::Save(control, path)) {
        throw CliError(kDataError, path + ": could not be saved (the previous file is unchanged)");
    }
}

void ThrowUnlessSucceeded(OperationResult result, const std::string& refusal,
                          const std::string& what) {
    switch (result) {
    case OperationResult::Success:
        return;
    case OperationResult::Cancelled:
        throw CliError(refusal.empty() ? kCancelled : kUsageError,
                       refusal.empty() ? what + " cancelled" : refusal);
    case OperationResult::DeviceError:
        throw CliError(kDeviceError, what + " failed: the serial port could not be used");
    case OperationResult::RadioError:
        throw CliError(kRadioError, what + " failed");
    case OperationResult::DataError:
        throw CliError(kDataError, what + " failed");
    }
}

} // namespace vd::cli
