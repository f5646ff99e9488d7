#pragma once
#include "tests/support/TempDir.h"

#include <map>
#include <string>

namespace vdtest {

/// A cps.ini of the test's own, named through VALDREN_CPS_INI for as long as the object lives,
/// so that dumps and other files the program puts beside it land in the same folder.
class TestIni {
public:
    /// Section -> key -> value.
    using Values = std::map<std::string, std::map<std::string, std::string>>;

    /// Writes `values` (may be none) to a fresh cps.ini.
    explicit TestIni(Values values = {});
    ~TestIni();
    TestIni(const TestIni&) = delete;
    TestIni& operator=(const TestIni&) = delete;

    /// Changes or adds the keys of `values` and rewrites the file.
    void set(const Values& values);
    /// Changes or adds one key and rewrites the file.
    void set(const std::string& section, const std::string& key, const std::string& value) {
        set({{section, {{key, value}}}});
    }
    /// Replaces the whole file with `text`, as a person might have written it.
    void writeText(const std::string& text) const { folder_.write("cps.ini", text); }
    /// The folder of the file.
    const TempDir& folder() const { return folder_; }

private:
    TempDir folder_;
    Values values_;
};

} // namespace vdtest
