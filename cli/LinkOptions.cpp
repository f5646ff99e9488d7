// Options that every command talking to a radio shares.
#include "app/FastLink.h"
#include "cli/CliSupport.h"

namespace vd::cli {

void AddFastOption(CLI::App& command) {
    command.add_flag_callback(
        "--fast", [] { force_fast_link(); },
        "End each exchange as soon as the radio's answer is complete (as Device/fast_link=1 "
        "in cps.ini)");
}

} // namespace vd::cli
