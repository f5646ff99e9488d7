#include "diag/SystemView.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vd {

namespace {

std::string group_name(gid_t gid) {
    const group* entry = ::getgrgid(gid);
    return entry != nullptr ? entry->gr_name : std::to_string(gid);
}

std::string user_name() {
    const passwd* entry = ::getpwuid(::geteuid());
    return entry != nullptr ? entry->pw_name : std::to_string(::geteuid());
}

std::vector<std::string> account_groups() {
    const passwd* entry = ::getpwuid(::geteuid());
    if (entry == nullptr) {
        return {};
    }
    int count = 64;
    std::vector<gid_t> ids(static_cast<std::size_t>(count));
    if (::getgrouplist(entry->pw_name, entry->pw_gid, ids.data(), &count) < 0) {
        ids.resize(static_cast<std::size_t>(count));
        ::getgrouplist(entry->pw_name, entry->pw_gid, ids.data(), &count);
    }
    ids.resize(static_cast<std::size_t>(std::max(count, 0)));
    std::vector<std::string> names;
    for (const gid_t id : ids) {
        names.push_back(group_name(id));
    }
    return names;
}

std::vector<std::string> session_groups() {
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> ids(static_cast<std::size_t>(std::max(count, 0)));
    if (count > 0 && ::getgroups(count, ids.data()) < 0) {
        ids.clear();
    }
    ids.push_back(::getegid());
    std::vector<std::string> names;
    for (const gid_t id : ids) {
        names.push_back(group_name(id));
    }
    return names;
}

std::vector<std::string> running_programs() {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry("/proc", error), end; !error && entry != end;
         entry.increment(error)) {
        std::ifstream comm(entry->path() / "comm");
        std::string name;
        if (std::getline(comm, name) && !name.empty()) {
            names.push_back(name);
        }
    }
    return names;
}

} // namespace

SystemView live_system() {
    SystemView view;
    view.ports = list_ports;
    view.programs = running_programs;
    view.accountGroups = account_groups;
    view.sessionGroups = session_groups;
    view.deviceGroup = [](const std::string& path) {
        struct stat status {};
        return ::stat(path.c_str(), &status) == 0 ? group_name(status.st_gid) : std::string();
    };
    view.accessError = [](const std::string& path) {
        return ::access(path.c_str(), R_OK | W_OK) == 0 ? 0 : errno;
    };
    view.holder = find_port_holder;
    view.userName = user_name;
    return view;
}

} // namespace vd
