#pragma once
#include <QIcon>

namespace vd {

/// The program's icon, a hand-held radio (the same picture as valdren-cps.svg, painted here
/// so that no image plugin is needed).
QIcon AppIcon();

} // namespace vd
