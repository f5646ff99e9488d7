// The LM704 and VS radios' own checks of the host and their fault modes, driven by hand-built
// requests; whole reads and writes are driven by the host's code in the link tests.

#include "tests/support/HostLine.h"
#include "tests/support/RadioSim.h"
#include "tools/radiosim/SimFactory.h"
#include "tools/radiosim/SimModels.h"

#include <gtest/gtest.h>

namespace vdtest {
namespace {

namespace radios = vd::sim::radios;

Bytes blockRequest(uint8_t command, unsigned address, unsigned length) {
    return {command, static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address & 0xFF),
            static_cast<uint8_t>(length)};
}

/// A radio of the model with the host's end opened; `handshake` brings it into programming mode.
class LmVsRadioTest : public ::testing::TestWithParam<std::string> {
protected:
    void handshake() {
        ASSERT_EQ(host.exchange(model.openings.front(), 1), Bytes{0x06});
        for (const auto& step : model.handshake) {
            EXPECT_EQ(host.exchange({step.request}, step.answer.size()).size(), step.answer.size());
        }
        ASSERT_TRUE(radio.waitForTranscript("note programming mode"));
    }

    const vd::sim::SimModel& model = *vd::sim::findSimModel(GetParam());
    RadioSimThread radio{radios::healthy(GetParam())};
    HostLine host{radio.devicePath()};
};

TEST_P(LmVsRadioTest, RefusesReadsAndWritesOutsideTheModelsBlocks) {
    const unsigned size = model.readBlockSize;
    const auto& range = model.writeRanges.front();
    const Bytes block(range.step, 0xEE);
    host.send(blockRequest(0x52, 0, size));
    ASSERT_TRUE(radio.waitForTranscript("refused: block read outside programming mode"));
    host.send(join({blockRequest(0x57, range.start, range.step), block}));
    ASSERT_TRUE(radio.waitForTranscript("refused: block write outside programming mode"));
    handshake();

    const Bytes answer = host.exchange(blockRequest(0x52, 3 * size, size), 4 + size);
    EXPECT_EQ(Bytes(answer.begin(), answer.begin() + 4), blockRequest(0x57, 3 * size, size));
    if (model.hostAcksBlocks) {
        EXPECT_EQ(host.exchange({0x06}, 1), Bytes{0x06});
    } else {
        host.send({0x06});
        ASSERT_TRUE(radio.waitForTranscript("expects no acknowledgement"));
    }
    // Reads off the block grid, of another size or beyond the memory go unanswered.
    host.send(blockRequest(0x52, 3 * size + 1, size));
    host.send(blockRequest(0x52, 3 * size, size / 2));
    host.send(blockRequest(0x52, model.imageSize, size));
    // The first address on the write grid that no range covers is not writable.
    unsigned unwritable = 0;
    while (vd::sim::writeBlockSizeAt(model, unwritable)) {
        unwritable += range.step;
    }
    host.send(join({blockRequest(0x57, unwritable, range.step), block}));
    ASSERT_TRUE(radio.waitForTranscript("is not writable"));
    host.send(join({blockRequest(0x57, range.start, range.step / 2), Bytes(range.step / 2)}));
    ASSERT_TRUE(radio.waitForTranscript("writes " + std::to_string(range.step) + " there"));
    EXPECT_TRUE(host.available().empty());
    EXPECT_EQ(host.exchange(join({blockRequest(0x57, range.start, range.step), block}), 1),
              Bytes{0x06});
}

INSTANTIATE_TEST_SUITE_P(AllModels, LmVsRadioTest,
                         ::testing::Values("LM704", "VS31", "VS46", "VS58", "VS73"),
                         [](const auto& info) { return info.param; });

TEST(LmVsRadio, CorruptBlockSpoilsTheAnswerHeaderOnceAndTrailingAckFollowsTheData) {
    vd::sim::SimConfig config = radios::corrupting("LM704", 3);
    config.trailingAck = true;
    RadioSimThread radio(config);
    HostLine host(radio.devicePath());
    host.exchange(join({{0x02}, ascii("4XULWEN")}), 1);
    host.exchange({0x02}, 8);
    host.exchange({0x06}, 1);
    const Bytes spoiled = host.exchange(blockRequest(0x52, 0x18, 8), 13);
    ASSERT_EQ(spoiled.size(), 13U);
    EXPECT_NE(Bytes(spoiled.begin(), spoiled.begin() + 4), blockRequest(0x57, 0x18, 8));
    const Bytes good = host.exchange(blockRequest(0x52, 0x18, 8), 13);
    EXPECT_EQ(good, join({blockRequest(0x57, 0x18, 8), Bytes(8, 0x00), {0x06}}));
}

} // namespace
} // namespace vdtest
