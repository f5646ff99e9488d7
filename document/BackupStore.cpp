#include "document/BackupStore.h"

#include "app/AppPaths.h"
#include "app/CpsIni.h"
#include "document/ImageFile.h"
#include "model/Exceptions.h"

#include <fmt/chrono.h>
#include <fmt/format.h>
#include <mutex>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <regex>

namespace vd {

namespace fs = std::filesystem;

namespace {

constexpr int kDefaultKeep = 50;

// MODEL-YYYYmmdd-HHMMSS.bin, with -N when several backups fell in the same second.
const std::regex& BackupName() {
    static const std::regex name(R"(^([A-Za-z0-9]+)-(\d{8})-(\d{6})(?:-(\d+))?\.bin$)");
    return name;
}

struct ParsedName {
    std::string model;
    std::string date;
    std::string time;
    int sequence = 1;
};

bool Parse(const std::string& fileName, ParsedName& out) {
    std::smatch match;
    if (!std::regex_match(fileName, match, BackupName())) {
        return false;
    }
    out.model = match[1];
    out.date = match[2];
    out.time = match[3];
    out.sequence = match[4].matched ? std::stoi(match[4]) : 1;
    return true;
}

// Newest first: by date and time, then by sequence within the same second.
bool Newer(const std::pair<ParsedName, BackupEntry>& a,
           const std::pair<ParsedName, BackupEntry>& b) {
    const auto key = [](const ParsedName& n) { return std::tie(n.date, n.time, n.sequence); };
    return key(a.first) > key(b.first);
}

std::vector<std::pair<ParsedName, BackupEntry>> Scan(const std::string& folder,
                                                     const std::string& model) {
    std::vector<std::pair<ParsedName, BackupEntry>> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        ParsedName name;
        if (!entry.is_regular_file(error) || !Parse(entry.path().filename().string(), name) ||
            name.model != model) {
            continue;
        }
        BackupEntry backup;
        backup.path = entry.path().string();
        backup.model = name.model;
        backup.stamp =
            fmt::format("{}-{}-{} {}:{}:{}", name.date.substr(0, 4), name.date.substr(4, 2),
                        name.date.substr(6, 2), name.time.substr(0, 2), name.time.substr(2, 2),
                        name.time.substr(4, 2));
        backup.size = entry.file_size(error);
        found.emplace_back(std::move(name), std::move(backup));
    }
    std::sort(found.begin(), found.end(), Newer);
    return found;
}

} // namespace

std::string BackupStore::Folder(const std::string& overrideDir) {
    if (!overrideDir.empty()) {
        return overrideDir;
    }
    const std::string configured = CpsIni::GetString("Option", "backup_dir", "");
    if (!configured.empty()) {
        return configured;
    }
    return (fs::path(AppPaths::DataDir()) / "backups").string();
}

std::string BackupStore::Save(const std::string& folder, const std::string& model,
                              const ByteVector& image) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        throw BackupSaveError(
            fmt::format("the backup folder {} cannot be made ({})", folder, error.message()));
    }
    // radios written at once (a fleet) save in the same second: the name is chosen and the
    // file written under one lock, so that no backup takes another's name
    static std::mutex saving;
    const std::lock_guard<std::mutex> lock(saving);
    const std::string stem =
        fmt::format("{}-{:%Y%m%d-%H%M%S}", model, fmt::localtime(std::time(nullptr)));
    fs::path path = fs::path(folder) / (stem + ".bin");
    for (int sequence = 2; fs::exists(path, error); ++sequence) {
        path = fs::path(folder) / fmt::format("{}-{}.bin", stem, sequence);
    }
    try {
        WriteImageFile(path.string(), image);
    } catch (const ValdrenCpsException& e) {
        throw BackupSaveError(std::string("the backup cannot be saved: ") + e.what());
    }
    // Only a backup that is safely on disk makes room: older ones go after it.
    const int keep = CpsIni::GetInt("Option", "backup_keep", kDefaultKeep);
    const auto backups = Scan(folder, model);
    for (std::size_t i = static_cast<std::size_t>(std::max(keep, 1)); i < backups.size(); ++i) {
        fs::remove(backups[i].second.path, error);
    }
    return path.string();
}

std::vector<BackupEntry> BackupStore::List(const std::string& folder, const std::string& model) {
    std::vector<BackupEntry> list;
    for (auto& [name, entry] : Scan(folder, model)) {
        list.push_back(std::move(entry));
    }
    return list;
}

std::string BackupStore::ModelOfFileName(const std::string& path) {
    ParsedName name;
    return Parse(fs::path(path).filename().string(), name) ? name.model : std::string();
}

} // namespace vd
