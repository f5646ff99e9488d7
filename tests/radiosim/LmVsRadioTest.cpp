// The LM704 and VS radios driven over their pseudo-terminals with hand-built requests: one
// suite, run for every model.

#include "tests/radiosim/HostLine.h"
#include "tests/support/RadioSim.h"
#include "tools/radiosim/SimFactory.h"

#include <gtest/gtest.h>

#include <optional>

namespace vdtest {
namespace {

namespace radios = vd::sim::radios;

/// One handshake exchange after the opening: the host's byte and what the radio must answer
/// (exact bytes, or only a length when the content is the radio's own).
struct Step {
    uint8_t request;
    std::size_t answerSize;
    std::optional<Bytes> answer;
};

struct Range {
    unsigned start;
    unsigned end;
    unsigned step;
};

/// What a host of each model sends and expects.
struct ModelCase {
    std::string name;
    Bytes opening;
    std::vector<Step> steps;
    std::size_t imageSize;
    unsigned blockSize;
    bool hostAcksBlocks;
    std::optional<uint8_t> closing;
    std::vector<Range> writeRanges;
    unsigned unwritableAddress;
};

void PrintTo(const ModelCase& model, std::ostream* out) {
    *out << model.name;
}

Bytes stx(const std::string& text) {
    return join({{0x02}, ascii(text)});
}

const Step kIdentify{0x02, 8, std::nullopt};
const Step kAck{0x06, 1, Bytes{0x06}};

const std::vector<ModelCase> kModels{
    {"LM704",
     stx("4XULWEN"),
     {kIdentify, kAck},
     1008,
     8,
     false,
     0x45,
     {{0, 8, 8}, {16, 400, 8}, {960, 1008, 8}},
     8},
    {"VS31",
     stx("JEVQRIT"),
     {kIdentify, kAck, {0x05, 6, std::nullopt}, kAck},
     1008,
     8,
     true,
     0x62,
     {{0, 8, 8}, {16, 400, 8}, {416, 640, 8}, {656, 1008, 8}},
     400},
    {"VS46",
     ascii("MUTAKFE"),
     {kIdentify, kAck, {0x07, 1, Bytes{0x4E}}},
     1024,
     64,
     true,
     std::nullopt,
     {{16, 272, 16}, {288, 320, 16}, {368, 384, 16}},
     272},
    {"VS58",
     stx("DWIXNOL"),
     {kIdentify, kAck, {0x05, 6, std::nullopt}, kAck},
     1008,
     8,
     true,
     0x62,
     {{0, 8, 8}, {16, 400, 8}, {416, 640, 8}, {656, 1008, 8}},
     640},
    {"VS73", ascii("BLENQAV"), {kIdentify, kAck}, 1024, 64, true, 0x45, {{16, 384, 16}}, 0},
};

Bytes pattern(std::size_t size, unsigned seed) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<uint8_t>(i * 13 + seed);
    }
    return bytes;
}

Bytes blockRequest(uint8_t command, unsigned address, unsigned length) {
    return {command, static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address & 0xFF),
            static_cast<uint8_t>(length)};
}

class LmVsRadioTest : public ::testing::TestWithParam<ModelCase> {
protected:
    /// A radio holding a known image, with the host's end opened.
    void start(vd::sim::SimConfig config) {
        config.imageFile = dir_.write("radio.bin", std::string(image_.begin(), image_.end()));
        radio_ = std::make_unique<RadioSimThread>(std::move(config));
        host_ = std::make_unique<HostLine>(radio_->devicePath());
    }

    void handshake() {
        const ModelCase& model = GetParam();
        ASSERT_EQ(host_->exchange(model.opening, 1), Bytes{0x06});
        for (const Step& step : model.steps) {
            const Bytes answer = host_->exchange({step.request}, step.answerSize);
            ASSERT_EQ(answer.size(), step.answerSize) << "request " << int(step.request);
            if (step.answer) {
                EXPECT_EQ(answer, *step.answer) << "request " << int(step.request);
            }
        }
        ASSERT_TRUE(radio_->waitForTranscript("note programming mode"));
        EXPECT_TRUE(host_->available().empty());
    }

    TempDir dir_;
    Bytes image_ = pattern(GetParam().imageSize, 5);
    std::unique_ptr<RadioSimThread> radio_;
    std::unique_ptr<HostLine> host_;
};

TEST_P(LmVsRadioTest, HandshakeThenBlockReadsWithTheModelsAcknowledgement) {
    const ModelCase& model = GetParam();
    start(radios::healthy(model.name));

    host_->send(blockRequest(0x52, 0, model.blockSize));
    ASSERT_TRUE(radio_->waitForTranscript("refused: block read outside programming mode"));
    handshake();

    const unsigned address = 3 * model.blockSize;
    const Bytes answer =
        host_->exchange(blockRequest(0x52, address, model.blockSize), 4 + model.blockSize);
    EXPECT_EQ(answer,
              join({blockRequest(0x57, address, model.blockSize),
                    Bytes(image_.begin() + address, image_.begin() + address + model.blockSize)}));
    if (model.hostAcksBlocks) {
        EXPECT_EQ(host_->exchange({0x06}, 1), Bytes{0x06});
    } else {
        host_->send({0x06});
        ASSERT_TRUE(radio_->waitForTranscript("expects no acknowledgement"));
    }
    // Reads off the block grid or with another size are refused.
    host_->send(blockRequest(0x52, address + 1, model.blockSize));
    host_->send(blockRequest(0x52, address, model.blockSize / 2));
    host_->send(blockRequest(0x52, model.imageSize, model.blockSize));
    const Bytes last =
        host_->exchange(blockRequest(0x52, model.imageSize - model.blockSize, model.blockSize),
                        4 + model.blockSize);
    EXPECT_EQ(Bytes(last.begin() + 4, last.end()),
              Bytes(image_.end() - model.blockSize, image_.end()));
}

TEST_P(LmVsRadioTest, WriteSessionIsSavedWhenItEnds) {
    const ModelCase& model = GetParam();
    start(radios::healthy(model.name));
    handshake();

    const Bytes fresh = pattern(model.imageSize, 99);
    Bytes expected = image_;
    for (const Range& range : model.writeRanges) {
        for (unsigned address = range.start; address < range.end; address += range.step) {
            const Bytes data(fresh.begin() + address, fresh.begin() + address + range.step);
            ASSERT_EQ(host_->exchange(join({blockRequest(0x57, address, range.step), data}), 1),
                      Bytes{0x06})
                << "address " << address;
            std::copy(data.begin(), data.end(), expected.begin() + address);
        }
    }
    if (model.closing) {
        EXPECT_FALSE(std::filesystem::exists(radio_->writtenPath()));
        host_->send({*model.closing});
    }
    ASSERT_TRUE(radio_->waitForWrittenImage());
    EXPECT_EQ(radio_->writtenImage(), std::string(expected.begin(), expected.end()));
}

TEST_P(LmVsRadioTest, WritesOutsideTheModelsBlocksAreRefused) {
    const ModelCase& model = GetParam();
    start(radios::healthy(model.name));
    const Range& first = model.writeRanges.front();
    const Bytes block(first.step, 0xEE);

    host_->send(join({blockRequest(0x57, first.start, first.step), block}));
    ASSERT_TRUE(radio_->waitForTranscript("refused: block write outside programming mode"));
    handshake();
    host_->send(join({blockRequest(0x57, model.unwritableAddress, first.step), block}));
    ASSERT_TRUE(radio_->waitForTranscript("is not writable"));
    host_->send(join({blockRequest(0x57, first.start, first.step / 2), Bytes(first.step / 2)}));
    ASSERT_TRUE(radio_->waitForTranscript("writes " + std::to_string(first.step) + " there"));
    EXPECT_TRUE(host_->available().empty());
    EXPECT_EQ(host_->exchange(join({blockRequest(0x57, first.start, first.step), block}), 1),
              Bytes{0x06});
}

INSTANTIATE_TEST_SUITE_P(AllModels, LmVsRadioTest, ::testing::ValuesIn(kModels),
                         [](const auto& info) { return info.param.name; });

TEST(LmVsRadio, Lm704Block3WithAndWithoutTrailingAck) {
    for (bool trailing : {false, true}) {
        vd::sim::SimConfig config = radios::healthy("LM704");
        config.trailingAck = trailing;
        RadioSimThread radio(config);
        HostLine host(radio.devicePath());
        host.exchange(stx("4XULWEN"), 1);
        host.exchange({0x02}, 8);
        host.exchange({0x06}, 1);
        const Bytes expected =
            join({{0x57, 0x00, 0x18, 0x08}, Bytes(8, 0x00), trailing ? Bytes{0x06} : Bytes{}});
        EXPECT_EQ(host.exchange({0x52, 0x00, 0x18, 0x08}, expected.size()), expected);
    }
}

TEST(LmVsRadio, SecondOpeningWithLowerCaseLetterIsAcknowledged) {
    for (const auto& [model, first, second] :
         {std::tuple{"VS31", stx("JEVQRIT"), stx("jEVQRIT")},
          std::tuple{"VS58", stx("DWIXNOL"), stx("dWIXNOL")}}) {
        RadioSimThread radio(radios::deaf(model, 1));
        HostLine host(radio.devicePath());
        host.send(first);
        ASSERT_TRUE(radio.waitForTranscript("request 1 dropped")) << model;
        EXPECT_EQ(host.exchange(second, 1), Bytes{0x06}) << model;
        EXPECT_EQ(host.exchange({0x02}, 8).size(), 8U) << model;
    }
}

TEST(LmVsRadio, CorruptBlockSpoilsTheAnswerHeaderOnce) {
    RadioSimThread radio(radios::corrupting("LM704", 3));
    HostLine host(radio.devicePath());
    host.exchange(stx("4XULWEN"), 1);
    host.exchange({0x02}, 8);
    host.exchange({0x06}, 1);
    const Bytes spoiled = host.exchange({0x52, 0x00, 0x18, 0x08}, 12);
    ASSERT_EQ(spoiled.size(), 12U);
    EXPECT_NE(Bytes(spoiled.begin(), spoiled.begin() + 4), (Bytes{0x57, 0x00, 0x18, 0x08}));
    const Bytes good = host.exchange({0x52, 0x00, 0x18, 0x08}, 12);
    EXPECT_EQ(Bytes(good.begin(), good.begin() + 4), (Bytes{0x57, 0x00, 0x18, 0x08}));
}

} // namespace
} // namespace vdtest
