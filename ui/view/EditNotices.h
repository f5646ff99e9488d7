#pragma once
#include "ui/view/CellRules.h"

#include <QString>

namespace vd {

/// The ranges of a "value" rule as a person reads them: "136.000000–520.000000 MHz" for a
/// frequency, "0–255" otherwise; several ranges are joined with commas.
QString RangeText(const ValueRule& rule);

/// Says that a typed number was moved into the rule's range: "999.000000 is outside
/// 136.000000–520.000000 MHz; set to 520.000000".
QString ClampNotice(const ValueRule& rule, long long typed, long long kept);

/// Says that a frequency lies on neither the 2.5 kHz nor the 6.25 kHz raster, from which
/// every channel step of these radios is built; empty text when it does.
QString StepNotice(long long hertz);

/// Refuses text that is not a number.
QString NotANumberText(const QString& typed);

} // namespace vd
