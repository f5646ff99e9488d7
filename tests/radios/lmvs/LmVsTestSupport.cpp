#include "tests/radios/lmvs/LmVsTestSupport.h"

#include "app/ModelRegistry.h"
#include "tools/radiosim/Line.h"
#include "tools/radiosim/LmVsRadio.h"
#include "tools/radiosim/Transcript.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace vdtest {

LmVsIni::LmVsIni() {
    Set("Device", "retry_count", 3);
    SetForAllModels("read_time_interval", 2);
    SetForAllModels("write_time_interval", 2);
    SetForAllModels("retry_time_interval", 10);
    SetForAllModels("timeout", 1500);
}

void LmVsIni::SetForAllModels(const std::string& key, int value) {
    for (const std::string& model : kLmVsModels) {
        Set(model, key, value);
    }
}

std::unique_ptr<vd::LmVsControl> MakeLmVsControl(const std::string& model) {
    std::unique_ptr<vd::HamCpsControl> control = vd::ModelRegistry::CreateControl(model);
    if (dynamic_cast<vd::LmVsControl*>(control.get()) == nullptr) {
        ADD_FAILURE() << "no LM/VS control for " << model;
        return nullptr;
    }
    std::unique_ptr<vd::LmVsControl> owned(static_cast<vd::LmVsControl*>(control.release()));
    EXPECT_TRUE(owned->ResetToTemplate()) << model;
    return owned;
}

vd::ByteVector Pattern(std::size_t size, unsigned seed) {
    vd::ByteVector bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 29 + seed * 7 + 1);
    }
    return bytes;
}

std::vector<std::string> HostRequests(const std::string& transcript) {
    static const std::string kTag = " host>radio ";
    std::vector<std::string> requests;
    std::istringstream lines(transcript);
    for (std::string line; std::getline(lines, line);) {
        const auto tag = line.find(kTag);
        if (tag != std::string::npos) {
            requests.push_back(line.substr(tag + kTag.size()));
        }
    }
    return requests;
}

struct SimResponder::Parts : vd::sim::ByteSink {
    Parts(const std::string& model, vd::ByteVector image, bool trailingAck)
        : config(Config(model, trailingAck)), line(*this, transcript, config.faults),
          radio(vd::sim::modelOf(config), std::move(image), config, line, nullptr) {}

    static vd::sim::SimConfig Config(const std::string& model, bool trailingAck) {
        vd::sim::SimConfig config;
        config.model = model;
        config.trailingAck = trailingAck;
        return config;
    }

    bool send(std::span<const uint8_t> bytes) override {
        answer.insert(answer.end(), bytes.begin(), bytes.end());
        return true;
    }

    vd::sim::SimConfig config;
    vd::sim::Transcript transcript;
    vd::sim::Line line;
    vd::sim::LmVsRadio radio;
    vd::ByteVector answer;
};

SimResponder::SimResponder(const std::string& model, vd::ByteVector image, bool trailingAck)
    : parts_(std::make_unique<Parts>(model, std::move(image), trailingAck)) {}

SimResponder::~SimResponder() = default;

vd::ByteVector SimResponder::operator()(const vd::ByteVector& request) {
    parts_->answer.clear();
    parts_->radio.receive(request);
    return parts_->answer;
}

} // namespace vdtest
