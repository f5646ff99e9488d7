#include "tools/radiosim/SimFactory.h"

namespace vd::sim::radios {

SimConfig healthy(std::string_view model) {
    SimConfig config;
    config.model = std::string(model);
    return config;
}

SimConfig silent(std::string_view model) {
    SimConfig config = healthy(model);
    config.faults.silent = true;
    return config;
}

SimConfig deaf(std::string_view model, unsigned count) {
    SimConfig config = healthy(model);
    config.faults.dropFirst = count;
    return config;
}

SimConfig corrupting(std::string_view model, unsigned block) {
    SimConfig config = healthy(model);
    config.faults.corruptBlock = block;
    return config;
}

SimConfig hangingUp(std::string_view model, unsigned count) {
    SimConfig config = healthy(model);
    config.faults.hangupAfter = count;
    return config;
}

SimConfig noisy(std::string_view model) {
    SimConfig config = healthy(model);
    config.faults.garbage = true;
    return config;
}

SimConfig locked(std::string_view model, std::string password) {
    SimConfig config = healthy(model);
    config.password = std::move(password);
    return config;
}

SimConfig busy(std::string_view model) {
    SimConfig config = healthy(model);
    config.faults.statusFf = true;
    return config;
}

SimConfig miscounting(std::string_view model, unsigned blocks) {
    SimConfig config = healthy(model);
    config.faults.reportedBlocks = blocks;
    return config;
}

SimConfig slow(std::string_view model, unsigned microseconds) {
    SimConfig config = healthy(model);
    config.faults.byteDelayUs = microseconds;
    return config;
}

} // namespace vd::sim::radios
