#include "ui/table/ListViewChoice.h"

#include <QSettings>

namespace vd {

namespace {

/// The chapter the table is shown for by default.
constexpr const char* kChannelChapter = "Channel";

QString Key(const std::string& chapterName) {
    return QStringLiteral("ListView/") + QString::fromStdString(chapterName);
}

} // namespace

bool IsTableChosen(const std::string& chapterName) {
    const QString shown = QSettings().value(Key(chapterName)).toString();
    if (shown.isEmpty()) {
        return chapterName == kChannelChapter;
    }
    return shown == QLatin1String("table");
}

void ChooseTable(const std::string& chapterName, bool table) {
    QSettings().setValue(Key(chapterName),
                         table ? QStringLiteral("table") : QStringLiteral("grid"));
}

} // namespace vd
