#pragma once
#include <string>

namespace vd {

/// The program's settings file cps.ini (sections and keys case-insensitive). Every read
/// opens the file afresh, so a setting changed by hand applies to the next operation; a
/// missing file or key gives the default.
class CpsIni {
public:
    /// Integer read: the value's leading decimal number (0 when it has none), or def when
    /// the key is absent or empty.
    static int GetInt(const std::string& section, const std::string& key, int def);
    /// Text read, or def when the key is absent.
    static std::string GetString(const std::string& section, const std::string& key,
                                 const std::string& def);
    /// Writes one key and keeps the rest of the file; false when the file cannot be written.
    static bool WriteString(const std::string& section, const std::string& key,
                            const std::string& value);
    /// Writes an integer as decimal text.
    static bool WriteInt(const std::string& section, const std::string& key, int value);

    /// The same reads on another file in INI form (the GX5 tuning file).
    static int GetIntFrom(const std::string& path, const std::string& section,
                          const std::string& key, int def);
};

} // namespace vd
