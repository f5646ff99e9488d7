#include "ui/frames/RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace vd {

namespace {

const QString kKey = QStringLiteral("RecentFileList");

void Store(const QStringList& files) {
    QSettings().setValue(kKey, files);
}

} // namespace

QStringList RecentFiles::Load() {
    QStringList files;
    for (const QString& file : QSettings().value(kKey).toStringList()) {
        if (QFileInfo::exists(file) && !files.contains(file) && files.size() < kCount) {
            files << file;
        }
    }
    return files;
}

void RecentFiles::Add(const QString& path) {
    QStringList files = QSettings().value(kKey).toStringList();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kCount) {
        files.removeLast();
    }
    Store(files);
}

void RecentFiles::Remove(const QString& path) {
    QStringList files = QSettings().value(kKey).toStringList();
    files.removeAll(path);
    Store(files);
}

} // namespace vd
