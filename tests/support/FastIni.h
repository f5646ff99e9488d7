#pragma once
#include <string>

namespace vdtest {

/// cps.ini text with short retries and time-outs for every model, so that a failing radio
/// fails a test fast; everything else keeps its default.
inline std::string FastIni() {
    std::string ini = "[Device]\nretry_count=2\nhandshake_retry_count=2\nretry_time_interval=10\n";
    for (const char* section : {"GX5", "LM704", "VS31", "VS46", "VS58", "VS73"}) {
        ini += std::string("[") + section + "]\ntimeout=400\nretry_time_interval=10\n";
    }
    return ini;
}

} // namespace vdtest
