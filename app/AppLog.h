#pragma once
#include <string>

namespace vd {

/// Creates the rotating log "ValdrenCpsApp.log" (1 MiB, 3 files) in folder and registers it
/// under the logger name every part looks up. A folder that cannot be written leaves the
/// program without a log rather than stopping it; returns whether the log exists.
bool InitAppLog(const std::string& folder);

/// Releases every registered logger (the program's exit).
void ShutdownAppLog();

} // namespace vd
