#include "cli/CliSupport.h"
#include "document/ListTable.h"

#include "app/ModelRegistry.h"
#include "document/ProjectFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace vd::cli {

std::unique_ptr<HamCpsControl> OpenProjectOrThrow(const std::string& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        throw CliError(kDataError, path + ": no such project file");
    }
    if (status.type() == std::filesystem::file_type::directory) {
        throw CliError(kDataError, path + ": is a directory, not a project file");
    }
    if (error || status.type() != std::filesystem::file_type::regular) {
        throw CliError(kDataError, path + ": not a regular file" +
                                       (error ? " (" + error.message() + ")" : std::string()));
    }
    std::string reason;
    std::unique_ptr<HamCpsControl> control = ProjectFile::Open(path, &reason);
    if (!control) {
        throw CliError(kDataError, path + ": not a project file of a known model: " + reason);
    }
    return control;
}

void NewDocumentOrThrow(CValdrenCpsDoc& doc, const std::string& model, const std::string& port) {
    if (!ModelRegistry::CreateControl(model)) {
        throw CliError(kUsageError, "unknown model: " + model + " (see 'vdcps models')");
    }
    if (!doc.NewDocument(model, port)) {
        std::string reason;
        ProjectFile::New(model, &reason);
        throw CliError(kDataError,
                       reason.empty() ? "the template of " + model + " cannot be loaded" : reason);
    }
}

HamCpsChapter ListChapterOrThrow(HamCpsControl& control, const std::string& name) {
    if (std::optional<HamCpsChapter> list = FindListChapter(control, name)) {
        return *list;
    }
    std::string known;
    for (const HamCpsChapter& list : ListChapters(control)) {
        known += (known.empty() ? "" : ", ") + list.name;
    }
    throw CliError(kUsageError, "no list called '" + name + "' (the lists: " + known + ")");
}

void SaveProjectOrThrow(HamCpsControl& control, const std::string& path) {
    std::error_code ignored;
    const bool existed = std::filesystem::exists(path, ignored);
    if (!ProjectFile::Save(control, path)) {
        const std::string reason = std::strerror(errno);
        throw CliError(kDataError, path + ": could not be saved (" + reason + ")" +
                                       (existed ? "; the previous file is unchanged" : ""));
    }
}

void ThrowUnlessSucceeded(OperationResult result, const std::string& refusal,
                          const std::string& what, const std::string& detail) {
    const std::string failed = what + " failed" + (detail.empty() ? "" : ": " + detail);
    switch (result) {
    case OperationResult::Success:
        return;
    case OperationResult::Cancelled:
        throw CliError(refusal.empty() ? kCancelled : kUsageError,
                       refusal.empty() ? what + " cancelled" : refusal);
    case OperationResult::DeviceError:
        throw CliError(kDeviceError, failed.size() > what.size() + 7
                                         ? failed
                                         : what + " failed: the serial port could not be used");
    case OperationResult::RadioError:
        throw CliError(kRadioError, failed);
    case OperationResult::DataError:
        throw CliError(kDataError, failed);
    }
}

} // namespace vd::cli
