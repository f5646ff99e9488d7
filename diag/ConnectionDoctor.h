#pragma once
#include "diag/SystemView.h"

#include <string>
#include <vector>

namespace vd {

/// One finding of the connection doctor: what was checked, and for a problem how to fix it.
struct DoctorCheck {
    bool ok = false;
    std::string text;
    std::string fix; ///< empty when ok
};

/// Checks what keeps a programming cable from working: the ports present, the services known to
/// grab USB serial adapters and, when `portSetting` names a port, whether it exists, whether
/// this user may open it, whether another program holds it, whether it opens with each radio
/// family's line settings and, with `detect`, which radio answers on it.
std::vector<DoctorCheck> run_connection_checks(const std::string& portSetting,
                                               const SystemView& system, bool detect);

/// One line: "OK       text" or "PROBLEM  text Fix: fix".
std::string format_check(const DoctorCheck& check);

} // namespace vd
