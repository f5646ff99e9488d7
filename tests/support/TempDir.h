#pragma once
#include <filesystem>
#include <map>
#include <string>

namespace vdtest {

/// A fresh folder under the system's temporary folder, removed with everything in it
/// when the object goes out of scope. Project files ("*.vdcps") that the program wrote there
/// are first copied to the build's saved-projects folder, where a strict second XML parser
/// checks them after the suite (files the test wrote itself and left unchanged are not).
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    /// The folder's path.
    const std::filesystem::path& path() const { return path_; }
    /// A path inside the folder.
    std::filesystem::path file(const std::string& name) const { return path_ / name; }
    /// Writes text to a file inside the folder and returns its path.
    std::filesystem::path write(const std::string& name, const std::string& text) const;

private:
    void KeepSavedProjects() const;

    std::filesystem::path path_;
    mutable std::map<std::filesystem::path, std::string> written_;
};

/// Reads a whole file as bytes into a string; empty when it cannot be read.
std::string readFile(const std::filesystem::path& path);

} // namespace vdtest
