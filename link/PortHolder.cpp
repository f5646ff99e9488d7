#include "link/PortHolder.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace vd {

namespace {

bool same_file(const struct stat& a, const struct stat& b) {
    if (S_ISCHR(a.st_mode) && S_ISCHR(b.st_mode)) {
        return a.st_rdev == b.st_rdev;
    }
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool is_number(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

std::string process_name(const std::filesystem::path& processDir) {
    std::ifstream in(processDir / "comm");
    std::string name;
    std::getline(in, name);
    return name.empty() ? "unknown program" : name;
}

bool process_has_open(const std::filesystem::path& processDir, const struct stat& device) {
    // Processes come and go while we look, and other users' are closed to us: an error ends
    // the look at this process, never the search.
    std::error_code error;
    for (std::filesystem::directory_iterator fd(processDir / "fd", error), end; !error && fd != end;
         fd.increment(error)) {
        struct stat target {};
        // stat follows the fd link to the open file itself, whatever its path is called.
        if (::stat(fd->path().c_str(), &target) == 0 && same_file(target, device)) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<PortHolder> find_port_holder(const std::string& devicePath) {
    struct stat device {};
    if (::stat(devicePath.c_str(), &device) != 0) {
        return std::nullopt;
    }
    std::error_code error;
    for (std::filesystem::directory_iterator entry("/proc", error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string pid = entry->path().filename().string();
        if (is_number(pid) && process_has_open(entry->path(), device)) {
            return PortHolder{static_cast<pid_t>(std::stol(pid)), process_name(entry->path())};
        }
    }
    return std::nullopt;
}

std::string describe_port_holder(const std::optional<PortHolder>& holder) {
    if (!holder) {
        return "in use by another program";
    }
    return "in use by " + holder->name + " (pid " + std::to_string(holder->pid) + ")";
}

} // namespace vd
