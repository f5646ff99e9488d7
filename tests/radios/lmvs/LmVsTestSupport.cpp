#include "tests/radios/lmvs/LmVsTestSupport.h"

#include "app/Log.h"
#include "app/ModelRegistry.h"
#include "tools/radiosim/Line.h"
#include "tools/radiosim/LmVsRadio.h"
#include "tools/radiosim/Transcript.h"

#include <fmt/format.h>
#include <fmt/ranges.h>
#include <gtest/gtest.h>
#include <spdlog/sinks/ostream_sink.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <thread>

namespace vdtest {

TestIni::TestIni() {
    values_["Device"]["retry_count"] = 3;
    SetForAllModels("read_time_interval", 2);
    SetForAllModels("write_time_interval", 2);
    SetForAllModels("retry_time_interval", 10);
    SetForAllModels("timeout", 1500);
    ::setenv("VALDREN_CPS_INI", folder_.file("cps.ini").c_str(), 1);
}

TestIni::~TestIni() {
    ::unsetenv("VALDREN_CPS_INI");
}

void TestIni::Set(const std::string& section, const std::string& key, int value) {
    values_[section][key] = value;
    Write();
}

void TestIni::SetForAllModels(const std::string& key, int value) {
    for (const std::string& model : kLmVsModels) {
        values_[model][key] = value;
    }
    Write();
}

void TestIni::Write() const {
    std::string text;
    for (const auto& [section, keys] : values_) {
        text += "[" + section + "]\n";
        for (const auto& [key, value] : keys) {
            text += key + "=" + std::to_string(value) + "\n";
        }
    }
    folder_.write("cps.ini", text);
}

std::unique_ptr<vd::LmVsControl> MakeLmVsControl(const std::string& model) {
    std::unique_ptr<vd::HamCpsControl> control = vd::ModelRegistry::CreateControl(model);
    auto* lmvs = dynamic_cast<vd::LmVsControl*>(control.get());
    if (lmvs == nullptr) {
        ADD_FAILURE() << "no LM/VS control for " << model;
        return nullptr;
    }
    control.release();
    std::unique_ptr<vd::LmVsControl> owned(lmvs);
    EXPECT_TRUE(owned->ResetToTemplate()) << model;
    return owned;
}

std::string Hex(const vd::ByteVector& bytes) {
    return fmt::format("{:02X}", fmt::join(bytes, " "));
}

vd::ByteVector Ascii(const std::string& text) {
    return vd::ByteVector(text.begin(), text.end());
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

bool WaitForHostRequests(const RadioSimFiles& radio, std::size_t count) {
    const auto deadline = std::chrono::steady_clock::now() + kRadioWait;
    while (HostRequests(radio.transcript()).size() < count) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

ProgressLog::ProgressLog(vd::HamCpsControl& control) : control_(control) {
    control_.progress.connect([this](const std::string& text, int position, int total) {
        entries_.emplace_back(text, position, total);
        return cancelAt_ != 0 && entries_.size() == cancelAt_;
    });
}

ProgressLog::~ProgressLog() {
    control_.progress.disconnect_all_slots();
}

std::size_t ReplyPort::Write(std::span<const std::uint8_t> data) {
    vd::ByteVector request(data.begin(), data.end());
    requests_.push_back(request);
    const vd::ByteVector answer = respond_(request);
    waiting_.insert(waiting_.end(), answer.begin(), answer.end());
    return data.size();
}

void ReplyPort::GetStatus(vd::ComStat& status) {
    status.cbInQue = static_cast<std::uint32_t>(waiting_.size());
    status.cbOutQue = 0;
}

vd::ReadResult ReplyPort::Read(std::span<std::uint8_t> buffer) {
    const std::size_t count = std::min(buffer.size(), waiting_.size());
    std::copy_n(waiting_.begin(), count, buffer.begin());
    waiting_.erase(waiting_.begin(), waiting_.begin() + static_cast<std::ptrdiff_t>(count));
    return {count, 0};
}

void ReplyPort::ClearErrorFlags(std::uint32_t flags) {
    constexpr std::uint32_t kPurgeInput = 8;
    if ((flags & kPurgeInput) != 0) {
        waiting_.clear();
    }
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

LogCapture::LogCapture() : text_(std::make_shared<std::ostringstream>()) {
    auto sink = std::make_shared<spdlog::sinks::ostream_sink_mt>(*text_);
    sink->set_pattern("%v");
    spdlog::drop(vd::kLoggerName);
    spdlog::register_logger(std::make_shared<spdlog::logger>(vd::kLoggerName, sink));
}

LogCapture::~LogCapture() {
    spdlog::drop(vd::kLoggerName);
}

std::vector<std::string> LogCapture::lines() const {
    std::vector<std::string> lines;
    std::istringstream in(text_->str());
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace vdtest
