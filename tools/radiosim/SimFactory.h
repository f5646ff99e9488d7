#pragma once
#include "tools/radiosim/SimConfig.h"

#include <string>
#include <string_view>

namespace vd::sim {

/// Configurations of radios with one named fault each, for tests that want a particular kind of
/// misbehaving radio without spelling out its options.
namespace radios {

/// A radio of the model that behaves.
SimConfig healthy(std::string_view model);
/// A radio that never answers.
SimConfig silent(std::string_view model);
/// A radio that ignores the first `count` requests.
SimConfig deaf(std::string_view model, unsigned count);
/// A radio that spoils its answer to block read `block` once.
SimConfig corrupting(std::string_view model, unsigned block);
/// A radio whose cable is pulled when the request after the first `count` arrives.
SimConfig hangingUp(std::string_view model, unsigned count);
/// A radio on a noisy line: junk before and zeros after every answer.
SimConfig noisy(std::string_view model);
/// A GX5-family radio that asks for `password`.
SimConfig locked(std::string_view model, std::string password);
/// A GX5-family radio that answers its first handshake with status 0xFF.
SimConfig busy(std::string_view model);
/// A GX5-family radio that reports `blocks` total blocks.
SimConfig miscounting(std::string_view model, unsigned blocks);
/// A radio whose answers are paced at `microseconds` per byte.
SimConfig slow(std::string_view model, unsigned microseconds);

} // namespace radios

} // namespace vd::sim
