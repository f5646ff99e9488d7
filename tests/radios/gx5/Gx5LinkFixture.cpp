#include "tests/radios/gx5/Gx5LinkFixture.h"

#include "radios/gx5/Gx5DumpFile.h"
#include "radios/gx5/Gx5Frame.h"
#include "tools/radiosim/SimFactory.h"
#include "tools/radiosim/Transcript.h"

#include <chrono>
#include <thread>

namespace vdtest {

std::vector<std::string> Gx5LinkTest::dumpNames() const {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(vd::dump_folder(), error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

Session::Session(vd::sim::SimConfig config, std::optional<int> mode) : radio(std::move(config)) {
    control.OpenPort(port, radio.devicePath());
    control.progress.connect([this](const std::string& text, int position, int total) {
        reports.push_back({text, position, total});
        return cancelAt && position == *cancelAt;
    });
    handshakeOk = mode && control.host_handshake(port, *mode, nullptr, 0);
}

vd::ByteVector patternImage(std::size_t size) {
    vd::ByteVector image(size);
    for (std::size_t i = 0; i < size; ++i) {
        image[i] = static_cast<uint8_t>((i * 31 + i / 1024 * 7 + 1) % 0xFF);
    }
    return image;
}

vd::sim::SimConfig radioHolding(const std::string& model, const vd::ByteVector& image,
                                const TempDir& folder) {
    vd::sim::SimConfig config = vd::sim::radios::healthy(model);
    config.imageFile = folder.write(model + "-image.bin", std::string(image.begin(), image.end()));
    return config;
}

int requestCount(const RadioSimFiles& radio, const vd::ByteVector& payloadHead,
                 std::size_t payloadLength) {
    // The frame head of such a request: magic, version, reserved bytes and the length.
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

bool waitForRequests(const RadioSimFiles& radio, const vd::ByteVector& payloadHead,
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

vd::ByteVector handshakeHead() {
    return {0x00, 0x00, 0x00, 0x00, 0x01, 0x00};
}

} // namespace vdtest
