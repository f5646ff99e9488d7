#pragma once
#include <optional>
#include <string>

namespace vd {

/// How a write guards the radio's memory; choices left unset take cps.ini's `Option` keys.
struct WriteSafety {
    std::optional<bool> backup;    ///< read and save the radio first (`backup_before_write`, on)
    std::optional<bool> verify;    ///< read back and compare (`verify_after_write`, on)
    std::string backupDir;         ///< another backup folder (empty: BackupStore::Folder())
    bool dryRun = false;           ///< read the radio and build the image, but write nothing
    bool writeFactoryData = false; ///< also write the project's read-only (factory) values
};

} // namespace vd
