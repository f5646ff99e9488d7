#pragma once
#include <string>
#include <vector>

namespace vd::cli {

/// Checks, before anything is read or written, that every output path can be written:
/// no output names an input or another output, an existing file is replaced only with
/// force, and the folder exists and takes new files. Throws CliError with the reason.
void CheckOutputPaths(const std::vector<std::string>& outputs,
                      const std::vector<std::string>& inputs, bool force);

} // namespace vd::cli
