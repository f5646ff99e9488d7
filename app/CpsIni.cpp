#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include "app/AppPaths.h"
#include "app/CpsIni.h"
#include "model/TextNumber.h"

#include <filesystem>

namespace vd {

namespace {

/// Loads a file (CSimpleIniA compares sections and keys without case); duplicated keys keep every
/// value so that reads can take the first one, as the profile functions of the radio's original
/// platform do.
void LoadInto(CSimpleIniA& ini, const std::string& path) {
    ini.SetUnicode(true);
    ini.SetMultiKey(true);
    ini.LoadFile(path.c_str()); // a missing file leaves the defaults
}

bool ReadValue(const std::string& path, const std::string& section, const std::string& key,
               std::string& value) {
    CSimpleIniA ini;
    LoadInto(ini, path);
    const char* found = ini.GetValue(section.c_str(), key.c_str(), nullptr);
    if (found == nullptr) {
        return false;
    }
    value = found;
    return true;
}

} // namespace

int CpsIni::GetInt(const std::string& section, const std::string& key, int def) {
    return GetIntFrom(AppPaths::IniPath(), section, key, def);
}

int CpsIni::GetIntFrom(const std::string& path, const std::string& section, const std::string& key,
                       int def) {
    std::string value;
    if (!ReadValue(path, section, key, value) || value.empty()) {
        return def;
    }
    return ParseDecimalInt(value);
}

std::string CpsIni::GetString(const std::string& section, const std::string& key,
                              const std::string& def) {
    std::string value;
    return ReadValue(AppPaths::IniPath(), section, key, value) ? value : def;
}

bool CpsIni::WriteString(const std::string& section, const std::string& key,
                         const std::string& value) {
    const std::string path = AppPaths::IniPath();
    CSimpleIniA ini;
    ini.SetUnicode(true);
    ini.SetSpaces(false);
    ini.LoadFile(path.c_str());
    if (ini.SetValue(section.c_str(), key.c_str(), value.c_str(), nullptr, true) < 0) {
        return false;
    }
    std::error_code ignored;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) {
        std::filesystem::create_directories(folder, ignored);
    }
    return ini.SaveFile(path.c_str(), false) >= 0;
}

bool CpsIni::WriteInt(const std::string& section, const std::string& key, int value) {
    return WriteString(section, key, std::to_string(value));
}

} // namespace vd
