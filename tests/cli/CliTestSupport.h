#pragma once
#include "tests/support/ChildProcess.h"
#include "tests/support/FastIni.h"
#include "tests/support/TempDir.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace vdtest {

/// cps.ini sections with short poll intervals: reads and writes otherwise wait 50 to 200 ms a
/// block. Tests that cancel a transfer half-way keep the default pace.
inline std::string QuickTransfers() {
    std::string ini;
    for (const char* section : {"GX5", "LM704", "VS31", "VS46", "VS58", "VS73"}) {
        ini += std::string("[") + section + "]\nread_time_interval=5\nwrite_time_interval=5\n";
    }
    return ini;
}

/// How often `part` occurs in `text`.
inline std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

/// Runs the vdcps of this build with a cps.ini of the test's own (short retry timings).
class VdcpsRunner {
public:
    explicit VdcpsRunner(const TempDir& dir, const std::string& extraIni = "")
        : ini_(dir.write("cps.ini", FastIni() + extraIni).string()) {}

    static std::string Program() { return std::string(std::getenv("VALDREN_BIN_DIR")) + "/vdcps"; }

    /// The arguments with --config put in front.
    std::vector<std::string> Args(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--config", ini_});
        return args;
    }

    /// Runs vdcps to its end; the exit code.
    int Run(const std::vector<std::string>& args) {
        return RunProgram(Program(), Args(args), &out, &err);
    }

    /// Makes a new project of `model` at `project` (over an old one) and the image a radio of
    /// that model holds for it at `image`; false when vdcps failed (see `err`).
    bool NewWithImage(const std::string& model, const std::string& project,
                      const std::string& image) {
        return Run({"new", model, "-o", project, "--force"}) == 0 &&
               Run({"export-bin", project, "-o", image, "--content", "1", "--force"}) == 0;
    }

    std::string out;
    std::string err;

private:
    std::string ini_;
};

} // namespace vdtest
