#pragma once

namespace vd {

/// Whether exchanges end as soon as their answer is whole rather than at the next poll tick:
/// `Device/fast_link=1` in cps.ini, or this run's command-line choice when one was made.
bool fast_link_enabled();

/// Makes this process use the fast link whatever cps.ini says (`--fast`); cps.ini is not
/// changed.
void force_fast_link();

} // namespace vd
