#pragma once
#include "tests/support/ChildProcess.h"
#include "tests/support/FastIni.h"
#include "tests/support/TempDir.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace vdtest {

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

    std::string out;
    std::string err;

private:
    std::string ini_;
};

} // namespace vdtest
