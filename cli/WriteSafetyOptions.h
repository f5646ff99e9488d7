#pragma once
#include "document/WriteSafety.h"

#include <CLI/CLI.hpp>

namespace vd::cli {

/// Adds the options every writing command shares: --backup-dir, --no-backup and --no-verify.
void AddWriteSafetyOptions(CLI::App& command, WriteSafety& safety);

} // namespace vd::cli
