#pragma once
#include "app/StringTable.h"

#include <QString>

namespace vd {

/// A string-table text in the current language.
QString Text(StringId id);

/// A string-table text with its "%s" replaced by arg ("Maximum number of %s exceeded!").
QString TextWithArg(StringId id, const QString& arg);

} // namespace vd
