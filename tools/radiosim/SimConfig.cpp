#include "tools/radiosim/SimConfig.h"

#include <boost/algorithm/string/join.hpp>
#include <fmt/format.h>

#include <stdexcept>

namespace vd::sim {

namespace {

// A radio's password field holds 8 bytes; a longer password could never be matched.
constexpr std::size_t kMaxPasswordLength = 8;
// Block counts travel as u16 in the answers.
constexpr unsigned kMaxReportedBlocks = 0xFFFF;

} // namespace

const SimModel& modelOf(const SimConfig& config) {
    const SimModel* model = findSimModel(config.model);
    if (model == nullptr) {
        throw std::invalid_argument(fmt::format("unknown model \"{}\" (known: {})", config.model,
                                                boost::algorithm::join(simModelNames(), ", ")));
    }
    return *model;
}

void validate(const SimConfig& config) {
    const SimModel& model = modelOf(config);
    const bool gx5 = model.family == Family::Gx5;
    if (!gx5 && !config.password.empty()) {
        throw std::invalid_argument("--password applies to GX5 and GX5G only");
    }
    if (config.password.size() > kMaxPasswordLength) {
        throw std::invalid_argument("--password holds at most 8 characters");
    }
    if (!gx5 && config.faults.statusFf) {
        throw std::invalid_argument("--status-ff applies to GX5 and GX5G only");
    }
    if (config.faults.reportedBlocks) {
        if (!gx5) {
            throw std::invalid_argument("--blocks applies to GX5 and GX5G only");
        }
        if (*config.faults.reportedBlocks > kMaxReportedBlocks) {
            throw std::invalid_argument("--blocks must fit in 16 bits");
        }
    }
    if (config.trailingAck && !model.trailingAckAllowed) {
        std::vector<std::string> allowed;
        for (const auto& name : simModelNames()) {
            if (findSimModel(name)->trailingAckAllowed) {
                allowed.push_back(name);
            }
        }
        throw std::invalid_argument(fmt::format("--trailing-ack applies to {} only",
                                                boost::algorithm::join(allowed, ", ")));
    }
}

} // namespace vd::sim
