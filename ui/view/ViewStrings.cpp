#include "ui/view/ViewStrings.h"

namespace vd {

QString Text(StringId id) {
    return QString::fromStdString(LoadString(id));
}

QString TextWithArg(StringId id, const QString& arg) {
    QString text = Text(id);
    const qsizetype at = text.indexOf(QLatin1String("%s"));
    if (at >= 0) {
        text.replace(at, 2, arg);
    }
    return text;
}

} // namespace vd
