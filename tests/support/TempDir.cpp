#include "tests/support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace vdtest {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vdtest-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    KeepSavedProjects();
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TempDir::KeepSavedProjects() const {
#ifdef VALDREN_SAVED_PROJECTS_DIR
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path saved = VALDREN_SAVED_PROJECTS_DIR;
    for (fs::recursive_directory_iterator it(path_, error), end; !error && it != end;
         it.increment(error)) {
        if (!it->is_regular_file(error) || it->path().extension() != ".vdcps") {
            continue;
        }
        const std::string content = readFile(it->path());
        auto own = written_.find(it->path());
        if (content.empty() || (own != written_.end() && own->second == content)) {
            continue; // the test's own input, never saved by the program
        }
        fs::create_directories(saved, error);
        std::string name = (saved / ("XXXXXX-" + it->path().filename().string())).string();
        const int fd =
            mkstemps(name.data(), static_cast<int>(it->path().filename().string().size() + 1));
        if (fd >= 0) {
            close(fd);
            std::ofstream(name, std::ios::binary | std::ios::trunc) << content;
        }
    }
#endif
}

std::filesystem::path TempDir::write(const std::string& name, const std::string& text) const {
    auto target = path_ / name;
    std::filesystem::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out << text;
    written_[target] = text;
    return target;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace vdtest
