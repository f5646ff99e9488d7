// A GX5 read and write and an LM704 read and write against the simulated radio paced like its
// line (87 us per byte at 115200 baud, 1042 us at 9600), each with the polled link and with
// the fast link, beside the wire time of the bytes exchanged (bytes x 10 bits / baud). A whole
// session is timed: handshake, transfer and the end of the session. The pseudo-terminal paces
// only what the radio sends, so the time of the radio's bytes alone is shown too.

#include "app/ModelRegistry.h"
#include "link/CpsSerialPort.h"
#include "model/HamCpsControl.h"
#include "tools/radiosim/Simulator.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using vd::ByteVector;

/// How one radio family is benchmarked.
struct Line {
    const char* model;
    unsigned baud;
    unsigned byteMicros;
    std::size_t imageSize;
    bool trailingAck;
};

constexpr Line kGx5{"GX5", 115200, 87, 55070, false};
constexpr Line kLm704{"LM704", 9600, 1042, 1008, true};

/// The machine's port, counting every byte that goes out or comes in.
class CountingPort final : public vd::ISerialPort {
public:
    std::size_t bytes = 0;
    std::size_t received = 0;

    void Open(int number, std::uint32_t baud, vd::Parity parity, std::uint8_t dataBits,
              vd::StopBits stopBits, vd::FlowControl flow, bool overlapped) override {
        port_.Open(number, baud, parity, dataBits, stopBits, flow, overlapped);
    }
    void Open(const std::string& device, std::uint32_t baud, vd::Parity parity,
              std::uint8_t dataBits, vd::StopBits stopBits, vd::FlowControl flow,
              bool overlapped) override {
        port_.Open(device, baud, parity, dataBits, stopBits, flow, overlapped);
    }
    void GetTimeouts(vd::CommTimeouts& timeouts) override { port_.GetTimeouts(timeouts); }
    void SetTimeouts(const vd::CommTimeouts& timeouts) override { port_.SetTimeouts(timeouts); }
    std::size_t Write(std::span<const std::uint8_t> data) override {
        const std::size_t written = port_.Write(data);
        bytes += written;
        return written;
    }
    void GetStatus(vd::ComStat& status) override { port_.GetStatus(status); }
    vd::ReadResult Read(std::span<std::uint8_t> buffer) override {
        const vd::ReadResult result = port_.Read(buffer);
        bytes += result.count;
        received += result.count;
        return result;
    }
    std::string GetPortPath() const override { return port_.GetPortPath(); }
    void Setup(std::uint32_t in, std::uint32_t out) override { port_.Setup(in, out); }
    void ClearError(std::uint32_t& errors) override { port_.ClearError(errors); }
    void ClearErrorFlags(std::uint32_t flags) override { port_.ClearErrorFlags(flags); }
    bool SetState(const vd::SerialState& state) override { return port_.SetState(state); }
    bool GetState(vd::SerialState& state) override { return port_.GetState(state); }
    void Close() override { port_.Close(); }

private:
    vd::CpsSerialPort port_;
};

/// A folder with a cps.ini of default link settings, the fast link on or off, and the image
/// the radio holds.
class Folder {
public:
    Folder(const Line& line, bool fast) {
        std::string pattern = (std::filesystem::temp_directory_path() / "vdfast-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary folder");
        }
        path_ = pattern;
        std::ofstream(path_ / "cps.ini") << "[Device]\nfast_link=" << (fast ? 1 : 0) << "\n";
        setenv("VALDREN_CPS_INI", (path_ / "cps.ini").c_str(), 1);
        ByteVector image(line.imageSize);
        for (std::size_t i = 0; i < image.size(); ++i) {
            image[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
        }
        std::ofstream(path_ / "radio.bin", std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()),
                   static_cast<std::streamsize>(image.size()));
    }
    ~Folder() {
        unsetenv("VALDREN_CPS_INI");
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    std::filesystem::path file(const char* name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

/// The simulated radio paced like its line, running on a thread of its own.
class PacedRadio {
public:
    PacedRadio(const Line& line, const Folder& folder) : simulator_(config(line, folder)) {
        thread_ = std::thread([this] {
            try {
                simulator_.run();
            } catch (const std::exception& error) {
                std::cerr << "radio: " << error.what() << "\n";
            }
        });
    }
    ~PacedRadio() {
        simulator_.requestStop();
        thread_.join();
    }
    PacedRadio(const PacedRadio&) = delete;
    PacedRadio& operator=(const PacedRadio&) = delete;

    const std::string& devicePath() const { return simulator_.devicePath(); }

private:
    static vd::sim::SimConfig config(const Line& line, const Folder& folder) {
        vd::sim::SimConfig config;
        config.model = line.model;
        config.imageFile = folder.file("radio.bin");
        config.trailingAck = line.trailingAck;
        config.faults.byteDelayUs = line.byteMicros;
        return config;
    }

    vd::sim::Simulator simulator_;
    std::thread thread_;
};

/// One whole session: handshake, the read (or base read and write), the end of the session.
bool session(vd::HamCpsControl& control, CountingPort& port, bool write) {
    ByteVector image;
    if (!control.host_handshake(port, write ? 1 : 0, nullptr, 0)) {
        return false;
    }
    if (!write) {
        const bool read = control.ReadAll(port, image, "") > 0;
        control.host_reboot(port);
        return read;
    }
    if (!control.NeedsNoBaseImage() && !control.ReadBaseImage(port, image, "")) {
        return false;
    }
    if (!control.GenerateImage(image, 1)) {
        return false;
    }
    const bool written = control.WriteAll(port, image, "") > 0;
    control.host_reboot(port);
    return written;
}

void BM_Session(benchmark::State& state, const Line& line, bool write, bool fast) {
    Folder folder(line, fast);
    PacedRadio radio(line, folder);
    auto control = vd::ModelRegistry::CreateControl(line.model);
    if (!control || !control->ResetToTemplate()) {
        state.SkipWithError("no control");
        return;
    }
    double seconds = 0;
    double wire = 0;
    double paced = 0;
    for (auto _ : state) {
        CountingPort port;
        control->OpenPort(port, radio.devicePath());
        const auto start = Clock::now();
        const bool done = session(*control, port, write);
        const double took = std::chrono::duration<double>(Clock::now() - start).count();
        if (!done) {
            state.SkipWithError("the session failed");
            return;
        }
        state.SetIterationTime(took);
        seconds += took;
        wire += static_cast<double>(port.bytes) * 10.0 / line.baud;
        paced += static_cast<double>(port.received) * line.byteMicros * 1e-6;
    }
    state.counters["measured_s"] = seconds / static_cast<double>(state.iterations());
    state.counters["wire_s"] = wire / static_cast<double>(state.iterations());
    state.counters["ratio"] = seconds / wire;
    // A pseudo-terminal paces only the radio's bytes: the host's go over at once.
    state.counters["radio_wire_s"] = paced / static_cast<double>(state.iterations());
    state.counters["radio_ratio"] = seconds / paced;
}

void registerAll() {
    for (const Line* line : {&kGx5, &kLm704}) {
        for (const bool write : {false, true}) {
            for (const bool fast : {false, true}) {
                const std::string name = std::string("BM_") + line->model +
                                         (write ? "_Write" : "_Read") +
                                         (fast ? "/fast" : "/polled");
                benchmark::RegisterBenchmark(name.c_str(), BM_Session, *line, write, fast)
                    ->UseManualTime()
                    ->Iterations(1)
                    ->Unit(benchmark::kMillisecond);
            }
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
