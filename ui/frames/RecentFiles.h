#pragma once
#include <QStringList>

namespace vd {

/// The most recently used project files, newest first, kept in the program's settings.
class RecentFiles {
public:
    /// Number of entries the File menu shows.
    static constexpr int kCount = 4;

    /// The stored list, without files that no longer exist.
    static QStringList Load();
    /// Puts path first (once) and stores the list.
    static void Add(const QString& path);
    /// Drops path from the list (it could not be opened).
    static void Remove(const QString& path);
};

} // namespace vd
