// The five controls against the simulated radios over pseudo-terminals: handshake, whole reads
// and whole writes as the document runs them, checked against the radio's transcript and the
// image it saved.
#include "link/CpsSerialPort.h"
#include "tests/radios/lmvs/LmVsTestSupport.h"
#include "tests/support/RadioSim.h"
#include "tools/radiosim/SimModels.h"

#include <gtest/gtest.h>

namespace vdtest {
namespace {

using vd::ByteVector;

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

    /// What a whole read sends after the handshake.
    std::vector<std::string> ReadRequests() const {
        std::vector<std::string> requests;
        const unsigned size = sim_->readBlockSize;
        for (unsigned address = 0; address < sim_->imageSize; address += size) {
            requests.push_back(
                Hex({0x52, static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address & 0xFF),
                     static_cast<uint8_t>(size)}));
            if (sim_->hostAcksBlocks) {
                requests.emplace_back("06");
            }
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
    const std::vector<std::string> reads = ReadRequests();
    expected.insert(expected.end(), reads.begin(), reads.end());
    EXPECT_EQ(HostRequests(radio_->transcript()), expected);
    ASSERT_EQ(progress.entries().size(), static_cast<std::size_t>(blocks) + 1);
    EXPECT_EQ(progress.entries().front(), ProgressLog::Entry("Host read all data", 0, 1));
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
    std::vector<bool> writable(sim_->imageSize, false);
    for (const auto& range : sim_->writeRanges) {
        for (unsigned address = range.start; address < range.end; address += range.step) {
            writes.push_back(
                Hex({0x57, static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address & 0xFF),
                     static_cast<uint8_t>(range.step)}));
            std::fill_n(writable.begin() + address, range.step, true);
        }
    }
    for (std::size_t i = 0; i < image.size(); ++i) {
        if (!writable[i]) {
            ASSERT_EQ(image[i], radioImage[i])
                << "the codec changed byte " << i << ", which is never written";
        }
    }
    EXPECT_EQ(control_->WriteAll(port_, image, "Host write all data"),
              static_cast<int>(writes.size()));

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
    if (sim_->closingByte) {
        EXPECT_EQ(last, Hex({*sim_->closingByte}));
    } else {
        EXPECT_EQ(last.substr(0, 11), writes.back());
    }
}

TEST_P(LmVsLinkTest, TimeoutZeroFailsEveryExchangeRightAfterItsRequest) {
    ini_.SetForAllModels("timeout", 0);
    StartRadio(Pattern(sim_->imageSize, 1));

    EXPECT_FALSE(control_->host_handshake(port_, 0, nullptr, 0));

    // Each of the three attempts sends the opening and gives up at once; the VS31 tries its
    // second opening in the same attempt.
    std::vector<std::string> expected;
    for (int attempt = 0; attempt < 3; ++attempt) {
        expected.push_back(Hex(sim_->openings.front()));
        if (GetParam() == "VS31") {
            expected.push_back(Hex(sim_->openings.back()));
        }
    }
    ASSERT_TRUE(WaitForHostRequests(*radio_, expected.size()));
    EXPECT_EQ(HostRequests(radio_->transcript()), expected);
}

INSTANTIATE_TEST_SUITE_P(Models, LmVsLinkTest, ::testing::ValuesIn(kLmVsModels),
                         [](const auto& info) { return info.param; });

/// One model's radio on a pseudo-terminal with the transfers run as the document runs them.
class Transfer {
public:
    Transfer(const std::string& model, std::vector<std::string> extra = {}) {
        control_ = MakeLmVsControl(model);
        const vd::sim::SimModel* sim = vd::sim::findSimModel(model);
        const ByteVector image = Pattern(sim->imageSize, 7);
        const auto file = folder_.write("radio.bin", std::string(image.begin(), image.end()));
        std::vector<std::string> args{"--model", model, "--image", file.string()};
        args.insert(args.end(), extra.begin(), extra.end());
        radio_ = std::make_unique<RadioSimProcess>(args);
        control_->OpenPort(port_, radio_->devicePath());
    }

    vd::LmVsControl& control() { return *control_; }
    vd::CpsSerialPort& port() { return port_; }
    RadioSimProcess& radio() { return *radio_; }
    /// The host's requests after the handshake.
    std::vector<std::string> RequestsAfterHandshake(std::size_t handshakeRequests) const {
        std::vector<std::string> all = HostRequests(radio_->transcript());
        return {all.begin() + static_cast<std::ptrdiff_t>(handshakeRequests), all.end()};
    }

private:
    LmVsIni ini_;
    TempDir folder_;
    std::unique_ptr<RadioSimProcess> radio_;
    vd::CpsSerialPort port_;
    std::unique_ptr<vd::LmVsControl> control_;
};

TEST(LmVsLinkRequestsTest, Lm704ReadsBlockThreeAt0018AndTakesTheTrailingAck) {
    Transfer transfer("LM704", {"--trailing-ack"});
    ASSERT_TRUE(transfer.control().host_handshake(transfer.port(), 0, nullptr, 0));
    ByteVector image;
    ASSERT_EQ(transfer.control().ReadAll(transfer.port(), image, ""), 126);

    const std::vector<std::string> requests = transfer.RequestsAfterHandshake(3);
    ASSERT_EQ(requests.size(), 126U);
    EXPECT_EQ(requests[3], "52 00 18 08");
    EXPECT_EQ(requests.back(), "52 03 E8 08");
    EXPECT_EQ(image, Pattern(1008, 7));
}

TEST(LmVsLinkRequestsTest, Vs46ReadsSixteenBlocksOf64BytesEachAcknowledged) {
    Transfer transfer("VS46");
    ASSERT_TRUE(transfer.control().host_handshake(transfer.port(), 0, nullptr, 0));
    ByteVector image;
    ASSERT_EQ(transfer.control().ReadAll(transfer.port(), image, ""), 16);

    const std::vector<std::string> requests = transfer.RequestsAfterHandshake(4);
    ASSERT_EQ(requests.size(), 32U);
    EXPECT_EQ(requests[0], "52 00 00 40");
    EXPECT_EQ(requests[1], "06");
    EXPECT_EQ(requests[2], "52 00 40 40");
    EXPECT_EQ(requests[3], "06");
    EXPECT_EQ(requests[30], "52 03 C0 40");
    EXPECT_EQ(requests[31], "06");
    // every acknowledgement was answered by the radio's own 0x06
    EXPECT_EQ(transfer.radio().transcript().find("no block waits"), std::string::npos);
    EXPECT_EQ(image, Pattern(1024, 7));
}

TEST(LmVsLinkRequestsTest, Vs73WritesTwentyThreeBlocksFrom0010To0170ThenCloses) {
    Transfer transfer("VS73", {"--trailing-ack"});
    const ByteVector image = Pattern(1024, 9);
    ASSERT_TRUE(transfer.control().host_handshake(transfer.port(), 1, nullptr, 0));
    ASSERT_EQ(transfer.control().WriteAll(transfer.port(), image, ""), 23);
    ASSERT_TRUE(transfer.radio().waitForTranscript("write session ended"));

    std::vector<std::string> writes = transfer.RequestsAfterHandshake(3);
    ASSERT_EQ(writes.size(), 24U);
    EXPECT_EQ(writes.back(), "45");
    for (unsigned block = 0; block < 23; ++block) {
        const unsigned address = 0x10 + block * 0x10;
        const ByteVector data(image.begin() + address, image.begin() + address + 16);
        EXPECT_EQ(writes[block], Hex({0x57, static_cast<uint8_t>(address >> 8),
                                      static_cast<uint8_t>(address & 0xFF), 0x10}) +
                                     " " + Hex(data));
    }
}

TEST(LmVsLinkRequestsTest, Lm704WritesItsThreeRangesIn55Blocks) {
    Transfer transfer("LM704");
    const ByteVector image = Pattern(1008, 4);
    ASSERT_TRUE(transfer.control().host_handshake(transfer.port(), 1, nullptr, 0));
    ASSERT_EQ(transfer.control().WriteAll(transfer.port(), image, ""), 55);
    ASSERT_TRUE(transfer.radio().waitForWrittenImage());

    std::vector<std::string> headers;
    for (const std::string& request : transfer.RequestsAfterHandshake(3)) {
        headers.push_back(request.substr(0, 11));
    }
    ASSERT_EQ(headers.size(), 56U);
    EXPECT_EQ(headers[0], "57 00 00 08");
    EXPECT_EQ(headers[1], "57 00 10 08");
    EXPECT_EQ(headers[48], "57 01 88 08");
    EXPECT_EQ(headers[49], "57 03 C0 08");
    EXPECT_EQ(headers[54], "57 03 E8 08");
    EXPECT_EQ(headers[55], "45");
}

// A radio that does not hear the first opening: the VS31 tries its second opening in the same
// attempt, the VS58 gives the attempt up and starts again.
TEST(LmVsLinkRequestsTest, Vs31TriesItsSecondOpeningWhereVs58StartsAgain) {
    {
        Transfer vs31("VS31", {"--drop-first", "1"});
        ASSERT_TRUE(vs31.control().host_handshake(vs31.port(), 0, nullptr, 0));
        const std::vector<std::string> sent = vs31.RequestsAfterHandshake(0);
        EXPECT_EQ(sent,
                  (std::vector<std::string>{Hex(Ascii("\x02JEVQRIT")), Hex(Ascii("\x02jEVQRIT")),
                                            "02", "06", "05", "06"}));
    }
    {
        Transfer vs58("VS58", {"--drop-first", "1"});
        ASSERT_TRUE(vs58.control().host_handshake(vs58.port(), 0, nullptr, 0));
        const std::vector<std::string> sent = vs58.RequestsAfterHandshake(0);
        EXPECT_EQ(sent, (std::vector<std::string>{Hex(Ascii("\x02"
                                                            "DWIXNOL")),
                                                  Hex(Ascii("\x02"
                                                            "DWIXNOL")),
                                                  "02", "06", "05", "06"}));
    }
}

} // namespace
} // namespace vdtest
