#include "app/FastLink.h"

#include "app/CpsIni.h"

#include <atomic>

namespace vd {

namespace {

std::atomic<bool> forced{false};

} // namespace

bool fast_link_enabled() {
    return forced.load() || CpsIni::GetInt("Device", "fast_link", 0) != 0;
}

void force_fast_link() {
    forced.store(true);
}

} // namespace vd
