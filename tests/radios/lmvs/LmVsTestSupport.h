#pragma once
#include "link/ISerialPort.h"
#include "model/ModelTypes.h"
#include "radios/lmvs/LmVsControl.h"
#include "tests/support/RadioSim.h"
#include "tests/support/TempDir.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace vdtest {

/// The five models of the family, as the registry names them.
inline const std::vector<std::string> kLmVsModels{"LM704", "VS31", "VS46", "VS58", "VS73"};

/// A cps.ini of the test's own, named through VALDREN_CPS_INI for as long as it exists. It
/// starts with short poll and retry intervals for every model and a time-out that a healthy
/// simulated radio never comes near.
class TestIni {
public:
    TestIni();
    ~TestIni();
    TestIni(const TestIni&) = delete;
    TestIni& operator=(const TestIni&) = delete;

    /// Sets one key and rewrites the file.
    void Set(const std::string& section, const std::string& key, int value);
    /// Sets one key in every model's section.
    void SetForAllModels(const std::string& key, int value);

private:
    void Write() const;

    TempDir folder_;
    std::map<std::string, std::map<std::string, int>> values_;
};

/// A control of the model with its template loaded; fails the test when there is none.
std::unique_ptr<vd::LmVsControl> MakeLmVsControl(const std::string& model);

/// Bytes as upper-case hex pairs separated by spaces, as the simulator's transcript has them.
std::string Hex(const vd::ByteVector& bytes);
/// The bytes of an ASCII text.
vd::ByteVector Ascii(const std::string& text);
/// A reproducible image of `size` bytes that no codec rule treats specially.
vd::ByteVector Pattern(std::size_t size, unsigned seed);

/// The host's requests in a simulator transcript, in order, as hex text.
std::vector<std::string> HostRequests(const std::string& transcript);
/// Waits until the radio has recorded at least `count` requests of the host; false when the
/// generous bound for a simulated radio passed first.
bool WaitForHostRequests(const RadioSimFiles& radio, std::size_t count);

/// Records every progress emission of a control, and can ask for a cancel at one of them.
class ProgressLog {
public:
    using Entry = std::tuple<std::string, int, int>;
    explicit ProgressLog(vd::HamCpsControl& control);
    ~ProgressLog();
    ProgressLog(const ProgressLog&) = delete;
    ProgressLog& operator=(const ProgressLog&) = delete;

    /// The emissions so far.
    const std::vector<Entry>& entries() const { return entries_; }
    /// Cancels at the emission with this number (1 is the first); 0 never cancels.
    void cancelAt(std::size_t emission) { cancelAt_ = emission; }

private:
    vd::HamCpsControl& control_;
    std::vector<Entry> entries_;
    std::size_t cancelAt_ = 0;
};

/// A radio played by a function: every request written is passed to `respond`, and what it
/// returns is what the following reads deliver. Reads never wait, so an exchange without an
/// answer runs into its time-out at once; nothing depends on a real line's timing.
class ReplyPort final : public vd::ISerialPort {
public:
    using Responder = std::function<vd::ByteVector(const vd::ByteVector& request)>;

    explicit ReplyPort(Responder respond) : respond_(std::move(respond)) {}

    /// Every request written, in order.
    const std::vector<vd::ByteVector>& requests() const { return requests_; }

    void Open(int, std::uint32_t, vd::Parity, std::uint8_t, vd::StopBits, vd::FlowControl,
              bool) override {}
    void Open(const std::string&, std::uint32_t, vd::Parity, std::uint8_t, vd::StopBits,
              vd::FlowControl, bool) override {}
    void GetTimeouts(vd::CommTimeouts& timeouts) override { timeouts = timeouts_; }
    void SetTimeouts(const vd::CommTimeouts& timeouts) override { timeouts_ = timeouts; }
    /// Puts bytes in the input queue as if they had just arrived.
    void Deliver(const vd::ByteVector& bytes) {
        waiting_.insert(waiting_.end(), bytes.begin(), bytes.end());
    }

    std::size_t Write(std::span<const std::uint8_t> data) override;
    void GetStatus(vd::ComStat& status) override;
    vd::ReadResult Read(std::span<std::uint8_t> buffer) override;
    std::string GetPortPath() const override { return "reply"; }
    void Setup(std::uint32_t, std::uint32_t) override {}
    void ClearError(std::uint32_t& errors) override { errors = 0; }
    void ClearErrorFlags(std::uint32_t flags) override;
    bool SetState(const vd::SerialState&) override { return true; }
    bool GetState(vd::SerialState&) override { return true; }
    void Close() override {}

private:
    Responder respond_;
    std::vector<vd::ByteVector> requests_;
    std::deque<std::uint8_t> waiting_;
    vd::CommTimeouts timeouts_;
};

/// The simulated radio of a model answering in-process, without a pseudo-terminal: for tests
/// that alter single answers on a ReplyPort.
class SimResponder {
public:
    /// A radio holding `image`; `trailingAck` ends its block answers with 0x06.
    SimResponder(const std::string& model, vd::ByteVector image, bool trailingAck = false);
    ~SimResponder();
    SimResponder(const SimResponder&) = delete;
    SimResponder& operator=(const SimResponder&) = delete;

    /// The radio's answer to one request.
    vd::ByteVector operator()(const vd::ByteVector& request);

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace vdtest

namespace vdtest {

/// The application's logger, registered for the life of the object, writing only the message
/// text of each record to a string.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    /// The records so far, one per line.
    std::vector<std::string> lines() const;

private:
    std::shared_ptr<std::ostringstream> text_;
};

} // namespace vdtest
