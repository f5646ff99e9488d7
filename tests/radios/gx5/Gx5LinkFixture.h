#pragma once
#include "link/CpsSerialPort.h"
#include "model/ModelTypes.h"
#include "radios/gx5/Gx5DumpFile.h"
#include "radios/gx5/Gx5v001Control.h"
#include "tests/support/LogCapture.h"
#include "tests/support/RadioSim.h"
#include "tests/support/TestIni.h"
#include "tools/radiosim/SimFactory.h"
#include "tools/radiosim/Transcript.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace vdtest {

/// Pauses of the link as the tests' cps.ini sets them: every one differs from the others, so
/// that the recorded waits tell retry pauses from polls.
inline constexpr unsigned kHandshakePoll = 50;
inline constexpr unsigned kReadPoll = 5;
inline constexpr unsigned kWritePoll = 7;
inline constexpr unsigned kRetryPause = 13;       ///< handshake, block read, part write
inline constexpr unsigned kRebootRetryPause = 17; ///< reboot

/// A GX5 control that records every wait it is asked for (and still waits).
class RecordingGx5 : public vd::Gx5v001Control {
public:
    RecordingGx5() : vd::Gx5v001Control("GX5") {}

    void Sleep(unsigned ms) override {
        waits.push_back(ms);
        vd::Gx5v001Control::Sleep(ms);
    }

    /// How many of the recorded waits lasted `ms`.
    long count(unsigned ms) const { return std::count(waits.begin(), waits.end(), ms); }

    std::vector<unsigned> waits;
};

/// Quick enough that retries cost little, long enough that a loaded machine's radio thread
/// always answers in time.
inline const TestIni::Values kFastLink{
    {"Device",
     {{"handshake_retry_count", "3"},
      {"handshake_read_time_interval", std::to_string(kHandshakePoll)},
      {"retry_time_interval", std::to_string(kRebootRetryPause)},
      {"retry_count", "3"}}},
    {"GX5",
     {{"timeout", "5000"},
      {"retry_time_interval", std::to_string(kRetryPause)},
      {"read_time_interval", std::to_string(kReadPoll)},
      {"write_time_interval", std::to_string(kWritePoll)}}},
};

/// A cps.ini of the test's own with short waits (the dumps go beside it), the application's
/// log captured.
class Gx5LinkTest : public ::testing::Test {
protected:
    /// Changes or adds settings of cps.ini.
    void setIni(const TestIni::Values& values) { ini_.set(values); }
    /// Number of log records that are exactly `text`.
    int logCount(const std::string& text) const { return log_.count(text); }
    /// The dump files written so far, by name.
    std::vector<std::string> dumpNames() const {
        std::vector<std::string> names;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(vd::dump_folder(), error)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TestIni ini_{kFastLink};
    const TempDir& folder_ = ini_.folder();
    LogCapture log_;
};

/// A radio, a control with its port open on it, the progress it reported, and (unless `mode` is
/// empty) a handshake for reading (0) or writing (1) done.
struct Session {
    explicit Session(vd::sim::SimConfig config, std::optional<int> mode = 0)
        : radio(std::move(config)) {
        control.OpenPort(port, radio.devicePath());
        control.progress.connect([this](const std::string& text, int position, int total) {
            reports.push_back({text, position, total});
            return cancelAt && position == *cancelAt;
        });
        handshakeOk = mode && control.host_handshake(port, *mode, nullptr, 0);
    }

    /// One progress report.
    struct Report {
        std::string text;
        int position;
        int total;
    };

    RadioSimThread radio;
    RecordingGx5 control;
    vd::CpsSerialPort port;
    std::vector<Report> reports;
    std::optional<int> cancelAt;
    bool handshakeOk = false;
};

/// An image of `size` bytes with a pattern that differs from block to block. It holds no 0xFF,
/// so that no answer cut short by the line looks complete.
inline vd::ByteVector patternImage(std::size_t size) {
    vd::ByteVector image(size);
    for (std::size_t i = 0; i < size; ++i) {
        image[i] = static_cast<uint8_t>((i * 31 + i / 1024 * 7 + 1) % 0xFF);
    }
    return image;
}

/// Number of requests in the radio's transcript that start with `payload`'s frame head
/// (magic, version, reserved bytes, length and the first payload bytes).
inline int requestCount(const RadioSimFiles& radio, const vd::ByteVector& payloadHead,
                        std::size_t payloadLength) {
    vd::ByteVector head{'R', 'D', 'T', 'P', 0x01, 0x00, 0, 0, 0, 0, 0, 0};
    head.push_back(static_cast<uint8_t>(payloadLength & 0xFF));
    head.push_back(static_cast<uint8_t>(payloadLength >> 8));
    head.insert(head.end(), payloadHead.begin(), payloadHead.end());
    const std::string needle = "host>radio " + vd::sim::hexText(head);
    const std::string transcript = radio.transcript();
    int count = 0;
    for (auto at = transcript.find(needle); at != std::string::npos;
         at = transcript.find(needle, at + 1)) {
        ++count;
    }
    return count;
}

/// Waits (bounded) until the transcript holds `count` such requests; false on time-out.
inline bool waitForRequests(const RadioSimFiles& radio, const vd::ByteVector& payloadHead,
                            std::size_t payloadLength, int count) {
    const auto deadline = std::chrono::steady_clock::now() + kRadioWait;
    while (requestCount(radio, payloadHead, payloadLength) < count) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

} // namespace vdtest
