#pragma once
#include <functional>
#include <optional>
#include <string>

namespace vd {

/// Told before each model is tried; returning false stops the search.
using DetectProgress = std::function<bool(const std::string& model)>;

/// Finds which radio is on the cable at `portSetting` (a path or "COMn"): tries each model's
/// handshake in turn, at that model's own line settings, and takes the radio out of
/// programming mode again as a cancelled session does. No block is read. The model whose
/// handshake was answered (a radio that asks for a password answered too), or nothing.
/// Throws CSerialException when the port cannot be opened at all.
std::optional<std::string> detect_radio(const std::string& portSetting,
                                        const DetectProgress& progress = {});

} // namespace vd
