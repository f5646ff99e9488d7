#pragma once
#include "link/CpsSerialPort.h"
#include "model/ModelTypes.h"
#include "radios/gx5/Gx5v001Control.h"
#include "tests/support/LogCapture.h"
#include "tests/support/RadioSim.h"
#include "tests/support/TestIni.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
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
    std::vector<std::string> dumpNames() const;

    TestIni ini_{kFastLink};
    const TempDir& folder_ = ini_.folder();
    LogCapture log_;
};

/// A radio, a control with its port open on it, the progress it reported, and (unless `mode` is
/// empty) a handshake for reading (0) or writing (1) done.
struct Session {
    explicit Session(vd::sim::SimConfig config, std::optional<int> mode = 0);

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
vd::ByteVector patternImage(std::size_t size);

/// A healthy radio of `model` holding `image`; the image file is kept in `folder`.
vd::sim::SimConfig radioHolding(const std::string& model, const vd::ByteVector& image,
                                const TempDir& folder);

/// Number of requests in the radio's transcript that start with `payload`'s frame head
/// (magic, version, length and the first payload bytes).
int requestCount(const RadioSimFiles& radio, const vd::ByteVector& payloadHead,
                 std::size_t payloadLength);

/// Waits (bounded) until the transcript holds `count` such requests; false on time-out.
bool waitForRequests(const RadioSimFiles& radio, const vd::ByteVector& payloadHead,
                     std::size_t payloadLength, int count);

/// The head of a handshake request payload (command and index/count), 47 bytes long.
vd::ByteVector handshakeHead();
/// Size of a handshake request payload.
inline constexpr std::size_t kHandshakePayloadSize = 47;

} // namespace vdtest
