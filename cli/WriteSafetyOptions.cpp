#include "cli/WriteSafetyOptions.h"

namespace vd::cli {

void AddWriteSafetyOptions(CLI::App& command, WriteSafety& safety) {
    command.add_option("--backup-dir", safety.backupDir,
                       "Save the backup of the radio here (default: Option/backup_dir, else "
                       "backups/ in the program's data folder)");
    command.add_flag_callback(
        "--no-backup", [&safety] { safety.backup = false; },
        "Do not save the radio's memory before writing");
    command.add_flag_callback(
        "--no-verify", [&safety] { safety.verify = false; },
        "Do not read the radio back after writing to compare");
}

} // namespace vd::cli
