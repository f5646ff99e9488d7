#pragma once
#include "model/ModelTypes.h"
#include "radios/lmvs/LmVsControl.h"
#include "tests/support/FakePort.h"
#include "tests/support/HostLine.h"
#include "tests/support/LogCapture.h"
#include "tests/support/ModelHelpers.h"
#include "tests/support/RadioSim.h"
#include "tests/support/TestIni.h"
#include "tools/radiosim/Transcript.h"

#include <memory>
#include <string>
#include <vector>

namespace vdtest {

/// The five models of the family, as the registry names them.
inline const std::vector<std::string> kLmVsModels{"LM704", "VS31", "VS46", "VS58", "VS73"};

/// A test's cps.ini with short poll and retry intervals for every model and a time-out that a
/// healthy simulated radio never comes near.
class LmVsIni : public TestIni {
public:
    LmVsIni();
    /// Sets one key.
    void Set(const std::string& section, const std::string& key, int value) {
        set(section, key, std::to_string(value));
    }
    /// Sets one key in every model's section.
    void SetForAllModels(const std::string& key, int value);
};

/// A control of the model with its template loaded; fails the test when there is none.
std::unique_ptr<vd::LmVsControl> MakeLmVsControl(const std::string& model);

/// Bytes as upper-case hex pairs separated by spaces, as the simulator's transcript has them.
inline std::string Hex(const vd::ByteVector& bytes) {
    return vd::sim::hexText(bytes);
}
/// A reproducible image of `size` bytes that no codec rule treats specially.
vd::ByteVector Pattern(std::size_t size, unsigned seed);

/// The host's requests in a simulator transcript, in order, as hex text.
std::vector<std::string> HostRequests(const std::string& transcript);
/// The simulated radio of a model answering in-process, without a pseudo-terminal: for tests
/// that alter single answers on a FakePort.
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
