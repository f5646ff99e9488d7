#pragma once
#include "model/ModelTypes.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace vd {

/// A backup could not be saved (no room, no permission): the write it guards must not start.
class BackupSaveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// One saved backup of a radio's memory.
struct BackupEntry {
    std::string path;            ///< full path of the file
    std::string model;           ///< model name from the file name ("GX5")
    std::string stamp;           ///< local date and time as "YYYY-mm-dd HH:MM:SS"
    unsigned long long size = 0; ///< bytes
};

/// The radio images saved before every write: `<folder>/<MODEL>-<YYYYmmdd-HHMMSS>.bin`, the
/// newest `Option/backup_keep` (default 50) of each model kept.
class BackupStore {
public:
    /// The backup folder: `overrideDir` when given, else `Option/backup_dir`, else `backups/`
    /// in the program's data folder (beside cps.ini, or the XDG state folder when installed).
    static std::string Folder(const std::string& overrideDir = {});
    /// Saves an image atomically under a fresh name (`-2`, `-3` when the second is taken), then
    /// deletes the model's backups beyond the newest `Option/backup_keep`. Returns the path;
    /// throws BackupSaveError with the reason.
    static std::string Save(const std::string& folder, const std::string& model,
                            const ByteVector& image);
    /// The backups of a model in a folder, newest first.
    static std::vector<BackupEntry> List(const std::string& folder, const std::string& model);
    /// The model a backup's file name starts with ("GX5G-20240131-154501.bin" gives "GX5G"),
    /// or empty text when the name has no model part.
    static std::string ModelOfFileName(const std::string& path);
};

} // namespace vd
