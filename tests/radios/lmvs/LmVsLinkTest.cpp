// The five controls against the simulated radios over pseudo-terminals: handshake, whole reads
// and whole writes as the document runs them, checked against the radio's transcript and the
// image it saved.
#include "link/CpsSerialPort.h"
#include "tests/radios/lmvs/LmVsTestSupport.h"
#include "tests/support/RadioSim.h"
#include "tools/radiosim/SimModels.h"

#include <gtest/gtest.h>

#include <map>

namespace vdtest {
namespace {

using vd::ByteVector;

/// Block writes worked out by hand from the memory maps, a second opinion beside the
/// simulator's table: how many, and some of them by position.
struct HandWrites {
    std::size_t count;
    std::map<std::size_t, std::string> spots;
};
const std::map<std::string, HandWrites> kHandWrites{
    {"LM704",
     {55, {{0, "57 00 00 08"}, {48, "57 01 88 08"}, {49, "57 03 C0 08"}, {54, "57 03 E8 08"}}}},
    {"VS73", {23, {{0, "57 00 10 10"}, {1, "57 00 20 10"}, {22, "57 01 70 10"}}}}};

class LmVsLinkTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        control_ = MakeLmVsControl(GetParam());
        ASSERT_TRUE(control_);
        sim_ = vd::sim::findSimModel(GetParam());
        ASSERT_NE(sim_, nullptr);
    }

    /// A radio of the test's model holding `image` (block answers ending in 0x06 where the
    /// model's radios do that), with the port opened on it.
    void StartRadio(const ByteVector& image, std::vector<std::string> extra = {}) {
        const auto file = folder_.write("radio.bin", std::string(image.begin(), image.end()));
        std::vector<std::string> args{"--model", GetParam(), "--image", file.string()};
        if (sim_->trailingAckAllowed) {
            args.emplace_back("--trailing-ack");
        }
        args.insert(args.end(), extra.begin(), extra.end());
        radio_ = std::make_unique<RadioSimProcess>(args);
        control_->OpenPort(port_, radio_->devicePath());
    }

    /// What a handshake sends when the radio answers every step.
    std::vector<std::string> HandshakeRequests() const {
        std::vector<std::string> requests{Hex(sim_->openings.front())};
        for (const auto& step : sim_->handshake) {
            requests.push_back(Hex({step.request}));
        }
        return requests;
    }

    LmVsIni ini_;
    TempDir folder_;
    std::unique_ptr<RadioSimProcess> radio_;
    vd::CpsSerialPort port_;
    std::unique_ptr<vd::LmVsControl> control_;
    const vd::sim::SimModel* sim_ = nullptr;
};

TEST_P(LmVsLinkTest, HandshakeThenWholeReadBringsTheRadiosImage) {
    const ByteVector radioImage = Pattern(sim_->imageSize, 3);
    StartRadio(radioImage);
    ProgressLog progress(*control_);

    ASSERT_TRUE(control_->host_handshake(port_, 0, nullptr, 0));
    ByteVector image;
    const int blocks = static_cast<int>(sim_->imageSize / sim_->readBlockSize);
    ASSERT_EQ(control_->ReadAll(port_, image, "Host read all data"), blocks);

    EXPECT_EQ(image, radioImage);
    std::vector<std::string> expected = HandshakeRequests();
    const unsigned size = sim_->readBlockSize;
    for (unsigned address = 0; address < sim_->imageSize; address += size) {
        expected.push_back(Hex({0x52, static_cast<uint8_t>(address >> 8),
                                static_cast<uint8_t>(address & 0xFF), static_cast<uint8_t>(size)}));
        if (sim_->hostAcksBlocks) {
            expected.emplace_back("06"); // answered by the radio's own 0x06
        }
    }
    EXPECT_EQ(HostRequests(radio_->transcript()), expected);
    EXPECT_EQ(radio_->transcript().find("no block waits"), std::string::npos);
    ASSERT_EQ(progress.entries().size(), static_cast<std::size_t>(blocks) + 1);
    EXPECT_EQ(progress.entries().back(), ProgressLog::Entry("Host read all data", blocks, blocks));
}

TEST_P(LmVsLinkTest, WriteInDocumentOrderSendsTheWriteRangesAndTheRadioKeepsTheRest) {
    const ByteVector radioImage = Pattern(sim_->imageSize, 5);
    StartRadio(radioImage);

    ASSERT_TRUE(control_->host_handshake(port_, 1, nullptr, 0));
    ByteVector image;
    ASSERT_TRUE(control_->ReadBaseImage(port_, image, "Host write all data"));
    ASSERT_EQ(image, radioImage);
    ASSERT_TRUE(control_->GenerateImage(image, 1));
    ASSERT_EQ(image.size(), sim_->imageSize);

    std::vector<std::string> writes;
    for (const auto& range : sim_->writeRanges) {
        for (unsigned address = range.start; address < range.end; address += range.step) {
            writes.push_back(
                Hex({0x57, static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address & 0xFF),
                     static_cast<uint8_t>(range.step)}));
        }
    }
    ProgressLog progress(*control_);
    const int blocks = static_cast<int>(writes.size());
    EXPECT_EQ(control_->WriteAll(port_, image, "Host write all data"), blocks);
    ASSERT_EQ(progress.entries().size(), static_cast<std::size_t>(blocks) + 1);
    EXPECT_EQ(progress.entries().back(), ProgressLog::Entry("Host write all data", blocks, blocks));

    ASSERT_TRUE(radio_->waitForWrittenImage());
    EXPECT_EQ(radio_->writtenImage(), std::string(image.begin(), image.end()));
    std::vector<std::string> sentWrites;
    std::string last;
    for (const std::string& request : HostRequests(radio_->transcript())) {
        if (request.rfind("57 ", 0) == 0) {
            sentWrites.push_back(request.substr(0, 11));
        }
        last = request;
    }
    EXPECT_EQ(sentWrites, writes);
    EXPECT_EQ(last.substr(0, 11), sim_->closingByte ? Hex({*sim_->closingByte}) : writes.back());
    if (const auto hand = kHandWrites.find(GetParam()); hand != kHandWrites.end()) {
        ASSERT_EQ(sentWrites.size(), hand->second.count);
        for (const auto& [index, request] : hand->second.spots) {
            EXPECT_EQ(sentWrites[index], request) << "write " << index;
        }
    }
}

// A radio that does not hear the first opening: the VS31 tries its second opening in the same
// attempt, the others give the attempt up and start again.
TEST_P(LmVsLinkTest, FirstOpeningUnheardIsSentAgain) {
    StartRadio(Pattern(sim_->imageSize, 7), {"--drop-first", "1"});
    ASSERT_TRUE(control_->host_handshake(port_, 0, nullptr, 0));
    std::vector<std::string> expected = HandshakeRequests();
    expected.insert(expected.begin() + 1,
                    GetParam() == "VS31" ? Hex(ascii("\x02jEVQRIT")) : expected.front());
    EXPECT_EQ(HostRequests(radio_->transcript()), expected);
}

INSTANTIATE_TEST_SUITE_P(Models, LmVsLinkTest, ::testing::ValuesIn(kLmVsModels),
                         [](const auto& info) { return info.param; });

} // namespace
} // namespace vdtest
