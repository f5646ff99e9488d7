#pragma once
#include <string>

namespace vd {

/// Where the program finds its templates and keeps cps.ini, its log and its dump files.
///
/// When a `template` folder stands beside the executable (the build tree, a portable copy)
/// everything lives beside the executable. Otherwise (installed under a prefix) templates
/// come from <prefix>/share/valdren-cps/template, and cps.ini, the log and the dumps go to
/// the user's XDG config and state folders. VALDREN_CPS_TEMPLATE_DIR and VALDREN_CPS_INI
/// name other places.
class AppPaths {
public:
    /// Folder of the running executable, with a trailing '/'.
    static std::string ModuleDir();
    /// Folder holding the model templates.
    static std::string TemplateDir();
    /// Full path of one template file.
    static std::string TemplatePath(const std::string& fileName);
    /// Path of cps.ini.
    static std::string IniPath();
    /// Makes every later cps.ini access use this file (the command line's --config).
    static void SetIniPath(const std::string& path);
    /// Folder for the log and the "error" dump folder (created on demand by their writers);
    /// the folder of an explicitly named cps.ini.
    static std::string DataDir();

private:
    static bool IsPortable();
};

} // namespace vd
