#include "model/HamCpsControl.h"

namespace vd {

HamCpsControl::~HamCpsControl() = default;

} // namespace vd
