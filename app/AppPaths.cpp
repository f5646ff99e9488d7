#include "app/AppPaths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace vd {

namespace {

std::string& IniOverride() {
    static std::string path;
    return path;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::filesystem::path XdgFolder(const char* variable, const char* fallbackBelowHome) {
    std::string base = Environment(variable);
    if (base.empty()) {
        const std::string home = Environment("HOME");
        base = (std::filesystem::path(home.empty() ? "/tmp" : home) / fallbackBelowHome).string();
    }
    return std::filesystem::path(base) / "valdren-cps";
}

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

} // namespace

std::string AppPaths::ModuleDir() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return "./";
    }
    return WithSlash(exe.parent_path().string());
}

bool AppPaths::IsPortable() {
    std::error_code error;
    return std::filesystem::is_directory(ModuleDir() + "template", error);
}

std::string AppPaths::TemplateDir() {
    const std::string fromEnvironment = Environment("VALDREN_CPS_TEMPLATE_DIR");
    if (!fromEnvironment.empty()) {
        return WithSlash(fromEnvironment);
    }
    if (IsPortable()) {
        return ModuleDir() + "template/";
    }
    const std::filesystem::path prefix =
        std::filesystem::path(ModuleDir()).parent_path().parent_path();
    return WithSlash((prefix / "share" / "valdren-cps" / "template").string());
}

std::string AppPaths::TemplatePath(const std::string& fileName) {
    return TemplateDir() + fileName;
}

std::string AppPaths::IniPath() {
    if (!IniOverride().empty()) {
        return IniOverride();
    }
    const std::string fromEnvironment = Environment("VALDREN_CPS_INI");
    if (!fromEnvironment.empty()) {
        return fromEnvironment;
    }
    if (IsPortable()) {
        return ModuleDir() + "cps.ini";
    }
    return (XdgFolder("XDG_CONFIG_HOME", ".config") / "cps.ini").string();
}

void AppPaths::SetIniPath(const std::string& path) {
    IniOverride() = path;
}

std::string AppPaths::DataDir() {
    // a cps.ini named explicitly brings its log and dumps along
    if (!IniOverride().empty() || !Environment("VALDREN_CPS_INI").empty()) {
        const std::filesystem::path folder = std::filesystem::path(IniPath()).parent_path();
        return WithSlash(folder.empty() ? std::string(".") : folder.string());
    }
    if (IsPortable()) {
        return ModuleDir();
    }
    return WithSlash(XdgFolder("XDG_STATE_HOME", ".local/state").string());
}

} // namespace vd
