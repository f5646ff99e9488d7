#include "tests/support/TestIni.h"

#include <cstdlib>

namespace vdtest {

TestIni::TestIni(Values values) {
    ::setenv("VALDREN_CPS_INI", folder_.file("cps.ini").c_str(), 1);
    set(values);
}

TestIni::~TestIni() {
    ::unsetenv("VALDREN_CPS_INI");
}

void TestIni::set(const Values& values) {
    for (const auto& [section, keys] : values) {
        for (const auto& [key, value] : keys) {
            values_[section][key] = value;
        }
    }
    std::string text;
    for (const auto& [section, keys] : values_) {
        text += "[" + section + "]\n";
        for (const auto& [key, value] : keys) {
            text += key + "=" + value + "\n";
        }
    }
    writeText(text);
}

} // namespace vdtest
