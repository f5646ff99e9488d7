// radiosim: a simulated radio of the Valdren line on a pseudo-terminal.

#include "tools/radiosim/Simulator.h"

#include <CLI/CLI.hpp>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <exception>
#include <iostream>

namespace {

std::atomic<vd::sim::Simulator*> gSimulator{nullptr};

extern "C" void onStopSignal(int) {
    if (vd::sim::Simulator* simulator = gSimulator.load()) {
        simulator->requestStop();
    }
}

/// Lets SIGTERM and SIGINT stop one simulator for as long as it exists.
class StopOnSignal {
public:
    explicit StopOnSignal(vd::sim::Simulator& simulator) { gSimulator = &simulator; }
    ~StopOnSignal() { gSimulator = nullptr; }
    StopOnSignal(const StopOnSignal&) = delete;
    StopOnSignal& operator=(const StopOnSignal&) = delete;
};

void installStopHandlers() {
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

constexpr const char* kExamples = R"(
Prints the device path (such as /dev/pts/5) as its first line, then answers the host on it
until SIGTERM or SIGINT.

Examples:
  radiosim --model GX5
  radiosim --model GX5 --image radio.bin --save-written written.bin --transcript sim.log
  radiosim --model GX5G --password 1234 --status-ff
  radiosim --model LM704 --trailing-ack --byte-delay-us 1042
  radiosim --model VS46 --corrupt-block 3 --hangup-after 10
  radiosim --model LM704 --lose-write 2

The radio serves any number of sessions one after another (read, write, read again) and keeps
its memory between them.
)";

} // namespace

int main(int argc, char** argv) {
    vd::sim::SimConfig config;
    vd::sim::Faults& faults = config.faults;
    unsigned corruptBlock = 0;
    unsigned reportedBlocks = 0;
    unsigned hangupAfter = 0;
    unsigned loseWrite = 0;

    CLI::App app{"Simulated radio for Valdren CPS on a pseudo-terminal", "radiosim"};
    app.footer(kExamples);
    app.add_option("--model", config.model, "Radio model")
        ->required()
        ->check(CLI::IsMember(vd::sim::simModelNames()));
    app.add_option("--image", config.imageFile,
                   "Memory image the radio holds (default: a blank image of the model's size)")
        ->check(CLI::ExistingFile);
    app.add_option("--save-written", config.saveWritten,
                   "Save the image as the host wrote it when a write session ends");
    app.add_option("--password", config.password,
                   "GX5 family: the radio asks for this password (at most 8 characters)");
    app.add_option("--transcript", config.transcriptFile,
                   "Record every request and answer in hex with direction and time");
    app.add_option("--ready-file", config.readyFile, "Also write the device path to this file");
    app.add_flag("--once", config.once, "Exit after the first write session");
    app.add_flag("--trailing-ack", config.trailingAck,
                 "LM704, VS58, VS73: end every block answer with 0x06");
    auto* faultGroup = app.add_option_group("Faults", "Faults for testing hosts");
    faultGroup->add_option("--drop-first", faults.dropFirst, "Ignore the first N requests");
    auto* corrupt = faultGroup->add_option(
        "--corrupt-block", corruptBlock,
        "Spoil the answer to block read K once (GX5: wrong CRC; LM/VS: wrong header byte)");
    faultGroup->add_flag("--status-ff", faults.statusFf,
                         "GX5 family: answer the first handshake with status 0xFF");
    faultGroup->add_flag("--garbage", faults.garbage,
                         "Junk bytes before and zero bytes after every answer");
    auto* blocks = faultGroup->add_option("--blocks", reportedBlocks,
                                          "GX5 family: report N total blocks in block answers");
    faultGroup->add_flag("--silent", faults.silent, "Never answer");
    auto* hangup = faultGroup->add_option(
        "--hangup-after", hangupAfter,
        "Answer N requests, then pull the cable when the next arrives and exit");
    auto* lose = faultGroup->add_option(
        "--lose-write", loseWrite,
        "Acknowledge write part/block K (counted from 0 in its session) but do not store it, once");
    faultGroup->add_option("--byte-delay-us", faults.byteDelayUs,
                           "Pause after every byte sent (87 for 115200 baud, 1042 for 9600)");

    CLI11_PARSE(app, argc, argv);
    if (corrupt->count() > 0) {
        faults.corruptBlock = corruptBlock;
    }
    if (blocks->count() > 0) {
        faults.reportedBlocks = reportedBlocks;
    }
    if (hangup->count() > 0) {
        faults.hangupAfter = hangupAfter;
    }
    if (lose->count() > 0) {
        faults.loseWrite = loseWrite;
    }

    try {
        vd::sim::Simulator simulator(config);
        StopOnSignal stopOnSignal(simulator);
        installStopHandlers();
        std::cout << simulator.devicePath() << std::endl;
        simulator.run();
    } catch (const std::invalid_argument& error) {
        std::cerr << "radiosim: " << error.what() << "\n";
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "radiosim: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
