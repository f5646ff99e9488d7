#pragma once
#include "tools/radiosim/SimModels.h"

#include <functional>
#include <span>

namespace vd::sim {

/// Called with the radio's memory when a write session has ended.
using WriteSessionHandler = std::function<void(const Bytes& image)>;

/// The radio's side of one protocol family: takes the host's bytes as they arrive, checks them
/// like a radio would and answers through its line.
class Radio {
public:
    virtual ~Radio() = default;

    /// Handles bytes that came from the host.
    virtual void receive(std::span<const uint8_t> bytes) = 0;
    /// Whether bytes of an unfinished request are waiting for the rest.
    virtual bool hasPartialRequest() const = 0;
    /// Forgets an unfinished request: a radio stops waiting when the host falls silent mid-way.
    virtual void dropPartialRequest() = 0;
};

} // namespace vd::sim
