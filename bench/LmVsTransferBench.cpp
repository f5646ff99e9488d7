// Full read and full write of each LM704 and VS model over a pseudo-terminal paced like a
// 9600-baud line, beside the least time the protocol's own waits and the wire need with the
// default settings. A write runs as the document runs it: handshake, read of the radio's image,
// encoding over it, block writes and the closing byte.

#include "app/ModelRegistry.h"
#include "bench/TransferBench.h"
#include "link/CpsSerialPort.h"
#include "radios/lmvs/LmVsControl.h"
#include "tests/support/TestIni.h"
#include "tools/radiosim/SimFactory.h"
#include "tools/radiosim/SimModels.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

// 10 bits per byte at 9600 baud.
constexpr double kByteSeconds = 10.0 / 9600.0;
constexpr unsigned kByteDelayUs = 1042;
// The default waits of the protocol: handshake polls, the closing exchange's poll, and the
// time-out for which a read waits for the closing byte's answer that never comes.
constexpr double kHandshakePoll = 0.300;
constexpr double kClosingPoll = 0.200;
constexpr double kTimeout = 1.000;

void addHandshake(vdbench::Bound& bound, const vd::LmVsLinkData& link) {
    bound.exchange(link.opening.texts.front().size() + 1, kHandshakePoll);
    bound.exchange(1 + 8, kHandshakePoll);
    for (std::size_t i = 1; i < link.handshake.size(); ++i) {
        bound.exchange(1 + std::max<std::size_t>(link.handshake[i].exactLength, 1), kHandshakePoll);
    }
}

void addRead(vdbench::Bound& bound, const vd::LmVsLinkData& link) {
    const double poll = link.readInterval / 1000.0;
    const std::size_t answer = 4 + link.readBlockSize + (link.trailingAck ? 1 : 0);
    for (unsigned block = 0; block < link.imageSize / link.readBlockSize; ++block) {
        bound.exchange(4 + answer, poll);
        if (link.hostAcksBlocks) {
            bound.exchange(2, poll);
        }
    }
}

void addWrite(vdbench::Bound& bound, const vd::LmVsLinkData& link) {
    for (const vd::WriteRange& range : link.writeRanges) {
        for (unsigned address = range.start; address < range.end; address += range.step) {
            bound.exchange(4 + range.step + 1, link.writeInterval / 1000.0);
        }
    }
    if (link.closingByte) {
        bound.wait(kClosingPoll + kTimeout);
    }
}

/// A simulated radio of the model at 1042 us per byte, its block answers ending in 0x06 where
/// the model's radios do that.
vd::sim::SimConfig pacedRadio(const std::string& model) {
    vd::sim::SimConfig config = vd::sim::radios::slow(model, kByteDelayUs);
    config.trailingAck = vd::sim::findSimModel(model)->trailingAckAllowed;
    return config;
}

std::unique_ptr<vd::LmVsControl> makeControl(const std::string& model) {
    std::unique_ptr<vd::HamCpsControl> control = vd::ModelRegistry::CreateControl(model);
    std::unique_ptr<vd::LmVsControl> lmvs(dynamic_cast<vd::LmVsControl*>(control.release()));
    if (!lmvs || !lmvs->ResetToTemplate()) {
        throw std::runtime_error("no control for " + model);
    }
    return lmvs;
}

/// A full read, or a write as the document runs it, of one model; the cps.ini holds no link
/// keys, so that every default applies.
void BM_Transfer(benchmark::State& state, const std::string& model, bool write) {
    vdtest::TestIni settings(vdtest::TestIni::Values{{"Device", {}}});
    vdbench::PacedRadio radio(pacedRadio(model));
    auto control = makeControl(model);
    const vd::LmVsLinkData& link = control->Model().link;
    const double measured = vdbench::MeasureTransfers(
        state, [&](vd::CpsSerialPort& port) { control->OpenPort(port, radio.devicePath()); },
        [&](vd::CpsSerialPort& port) {
            vd::ByteVector image;
            if (write) {
                return control->host_handshake(port, 1, nullptr, 0) &&
                       control->ReadBaseImage(port, image, "") &&
                       control->GenerateImage(image, 1) && control->WriteAll(port, image, "") > 0;
            }
            return control->host_handshake(port, 0, nullptr, 0) &&
                   control->ReadAll(port, image, "") >= 0 && image.size() == link.imageSize;
        });
    vdbench::Bound bound(kByteSeconds);
    addHandshake(bound, link);
    addRead(bound, link);
    if (write) {
        addWrite(bound, link);
    }
    vdbench::ReportBound(state, measured, bound.overlapped);
}

void registerAll() {
    for (const char* model : {"LM704", "VS31", "VS46", "VS58", "VS73"}) {
        for (bool write : {false, true}) {
            const std::string name = std::string(write ? "BM_FullWrite/" : "BM_FullRead/") + model;
            benchmark::RegisterBenchmark(name.c_str(), BM_Transfer, std::string(model), write)
                ->UseManualTime()
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    setenv("VALDREN_CPS_TEMPLATE_DIR", VALDREN_BENCH_TEMPLATE_DIR, 0);
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
