// Radio answers a simulated radio does not give on demand, played on a scripted port: wrong
// lengths and endings, wrong acknowledgements, late answers, no retries at all.
#include "model/Exceptions.h"
#include "radios/lmvs/LmVsModels.h"
#include "tests/radios/lmvs/LmVsTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vdtest {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;
using vd::ByteVector;

constexpr unsigned kShortTimeout = 150;

ByteVector Lm704Opening() {
    return Ascii("\x02"
                 "4XULWEN");
}

/// A scripted port in front of the simulated radio of `model`, with `alter` free to change
/// any answer.
FakePort AlteredRadio(const std::string& model, std::size_t imageSize, bool trailingAck,
                      std::function<ByteVector(const ByteVector&, ByteVector)> alter) {
    auto radio = std::make_shared<SimResponder>(model, Pattern(imageSize, 2), trailingAck);
    return FakePort(
        [radio, alter](const ByteVector& request) { return alter(request, (*radio)(request)); });
}

class RetryCountZeroTest : public ::testing::TestWithParam<std::string> {};

TEST_P(RetryCountZeroTest, NothingIsSentAndTransfersFailAfterTheirFirstProgress) {
    LmVsIni ini;
    ini.Set("Device", "retry_count", 0);
    auto control = MakeLmVsControl(GetParam());
    FakePort port([](const ByteVector&) { return ByteVector{0x06}; });
    control->OpenPort(port, "COM3");
    ProgressLog progress(*control);

    EXPECT_FALSE(control->host_handshake(port, 0, nullptr, 0));
    ByteVector image;
    EXPECT_EQ(control->ReadAll(port, image, ""), -1); // no text: the transfer names itself
    EXPECT_EQ(control->WriteAll(port, ByteVector(control->Model().link.imageSize, 0), ""), -1);

    EXPECT_TRUE(port.requests().empty());
    EXPECT_TRUE(image.empty());
    EXPECT_THAT(progress.entries(), ElementsAre(ProgressLog::Entry("Host read all data", 0, 1),
                                                ProgressLog::Entry("Host write all data", 0, 1)));
}

INSTANTIATE_TEST_SUITE_P(Models, RetryCountZeroTest, ::testing::ValuesIn(kLmVsModels),
                         [](const auto& info) { return info.param; });

TEST(LmVsHandshakeFaultTest, Lm704IdentificationOfNineBytesFailsBySizeAndStartsOver) {
    LmVsIni ini;
    LogCapture log;
    auto control = MakeLmVsControl("LM704");
    FakePort port =
        AlteredRadio("LM704", 1008, false, [](const ByteVector& request, ByteVector answer) {
            return request == ByteVector{0x02} ? Ascii("LM704ID12") : answer;
        });

    EXPECT_FALSE(control->host_handshake(port, 0, nullptr, 0));

    EXPECT_THAT(port.requests(), ElementsAre(Lm704Opening(), ByteVector{0x02}, Lm704Opening(),
                                             ByteVector{0x02}, Lm704Opening(), ByteVector{0x02}));
    EXPECT_THAT(log.lines(), ElementsAre("握手异常:handshake_step2 answer size = 9 content = "
                                         "4C \\x4D \\x37 \\x30 \\x34 \\x49 \\x44 \\x31 \\x32 \\x",
                                         ::testing::_, ::testing::_));
    EXPECT_THAT(log.lines(), Each(log.lines().front()));
}

/// The first failure a handshake of `model` logs when `alter` changes the radio's answers,
/// with a single attempt and a short time-out.
std::string FirstHandshakeFailure(const std::string& model, std::size_t imageSize,
                                  std::function<ByteVector(const ByteVector&, ByteVector)> alter) {
    LmVsIni ini;
    ini.Set("Device", "retry_count", 1);
    ini.SetForAllModels("timeout", static_cast<int>(kShortTimeout));
    LogCapture log;
    auto control = MakeLmVsControl(model);
    FakePort port = AlteredRadio(model, imageSize, false, std::move(alter));
    EXPECT_FALSE(control->host_handshake(port, 0, nullptr, 0));
    return log.lines().empty() ? "nothing logged" : log.lines().front();
}

TEST(LmVsHandshakeFaultTest, SevenByteIdentificationTimesOutOnLm704ButFailsBySizeOnVs46) {
    const auto sevenBytes = [](const ByteVector& request, ByteVector answer) {
        return request == ByteVector{0x02} ? Ascii("ABCDEFG") : answer;
    };
    EXPECT_EQ(FirstHandshakeFailure("LM704", 1008, sevenBytes), "握手异常:handshake_step2");
    EXPECT_EQ(FirstHandshakeFailure("VS46", 1024, sevenBytes),
              "握手异常:handshake_step2 answer size = 7 content = 41 \\x42 \\x43 \\x44 \\x45 "
              "\\x46 \\x47 \\x");
}

TEST(LmVsHandshakeFaultTest, Vs46WantsExactlyNToItsConfirmation) {
    EXPECT_EQ(FirstHandshakeFailure("VS46", 1024,
                                    [](const ByteVector& request, ByteVector answer) {
                                        return request == ByteVector{0x07} ? Ascii("Y") : answer;
                                    }),
              "握手异常:handshake_step3 answer size = 1 content = 59 \\x");
}

/// A control in programming mode with a scripted radio of its model in front of it.
struct Session {
    Session(const std::string& model, std::size_t imageSize, bool trailingAck,
            std::function<ByteVector(const ByteVector&, ByteVector)> alter)
        : control(MakeLmVsControl(model)),
          port(AlteredRadio(model, imageSize, trailingAck, std::move(alter))) {
        EXPECT_TRUE(control->host_handshake(port, 0, nullptr, 0));
    }
    LmVsIni ini;
    std::unique_ptr<vd::LmVsControl> control;
    FakePort port;
};

ByteVector ReplaceLastByte(ByteVector answer, std::uint8_t last) {
    answer.back() = last;
    return answer;
}

TEST(LmVsBlockFaultTest, Lm704AnswerOfThirteenBytesEndingWronglyFailsEveryAttempt) {
    LogCapture log;
    Session session("LM704", 1008, true, [](const ByteVector& request, ByteVector answer) {
        return request.front() == 0x52 ? ReplaceLastByte(answer, 0x07) : answer;
    });
    ByteVector image;
    EXPECT_EQ(session.control->ReadAll(session.port, image, ""), -1);
    EXPECT_TRUE(image.empty());
    const std::vector<ByteVector>& sent = session.port.requests();
    EXPECT_THAT(std::vector<ByteVector>(sent.end() - 3, sent.end()),
                Each(ByteVector{0x52, 0x00, 0x00, 0x08}));
    EXPECT_THAT(log.lines(),
                ElementsAre("数据读取异常:Lm704v001Control::read_data_by_index answer data error 7",
                            ::testing::_, ::testing::_));
}

// A retry after a failed acknowledgement must not add the block a second time.
TEST(LmVsBlockFaultTest, BlockIsTakenOnceWhenItsAcknowledgementFailedFirst) {
    LmVsIni ini;
    auto radio = std::make_shared<SimResponder>("VS73", Pattern(1024, 2), true);
    int acks = 0;
    bool programming = false;
    FakePort port([&, radio](const ByteVector& request) {
        const ByteVector answer = (*radio)(request);
        programming = programming || request.front() == 0x52;
        const bool ack = programming && request == ByteVector{0x06};
        return ack && ++acks == 1 ? ByteVector{0x15} : answer;
    });
    auto control = MakeLmVsControl("VS73");
    ASSERT_TRUE(control->host_handshake(port, 0, nullptr, 0));
    ByteVector image;
    ASSERT_EQ(control->ReadAll(port, image, ""), 16);
    EXPECT_EQ(image, Pattern(1024, 2));
    EXPECT_EQ(acks, 17);
}

// A byte after the data where the model sends none would shift every later block.
TEST(LmVsBlockFaultTest, Vs31RefusesAnAnswerLongerThanItsBlock) {
    Session session("VS31", 1008, false, [](const ByteVector& request, ByteVector answer) {
        if (request.front() == 0x52) {
            answer.push_back(0x06);
        }
        return answer;
    });
    LogCapture log;
    ByteVector image{0xAA};
    EXPECT_EQ(session.control->ReadAll(session.port, image, ""), -1);
    EXPECT_TRUE(image.empty());
    EXPECT_THAT(log.lines(),
                Each(std::string("数据读取异常:Vs31v001Control::read_data_by_index answer data "
                                 "error 6")));
}

TEST(LmVsBlockFaultTest, WrongAcknowledgementOfABlockNamesItsByteAsTheModelShowsIt) {
    const auto nak = [](const ByteVector& request, ByteVector answer) {
        return request == ByteVector{0x06} && answer == ByteVector{0x06} ? ByteVector{0x15}
                                                                         : answer;
    };
    // only the block acknowledgements get the wrong answer: the handshake's 0x06 exchanges
    // are answered before programming mode
    for (const auto& [model, size, expected] :
         {std::tuple<std::string, std::size_t, std::string>{
              "VS31", 1008,
              "数据读取异常:Vs31v001Control::read_data_by_index answer size = 1 content = 15 \\x"},
          {"VS73", 1024,
           "数据读取异常:Vs73v001Control::read_data_by_index answer size = 1 content = 21"}}) {
        auto radio = std::make_shared<SimResponder>(model, Pattern(size, 2));
        bool programming = false;
        FakePort port([&, radio](const ByteVector& request) {
            ByteVector answer = (*radio)(request);
            if (request.front() == 0x52) {
                programming = true;
            }
            return programming ? nak(request, answer) : answer;
        });
        auto control = MakeLmVsControl(model);
        LmVsIni ini;
        ASSERT_TRUE(control->host_handshake(port, 0, nullptr, 0));
        LogCapture log;
        ByteVector image;
        EXPECT_EQ(control->ReadAll(port, image, ""), -1);
        EXPECT_TRUE(image.empty());
        EXPECT_THAT(log.lines(), Each(expected));
    }
}

TEST(LmVsBlockFaultTest, BlockWriteWantsAnAckFirst) {
    Session refusing("LM704", 1008, false, [](const ByteVector& request, ByteVector answer) {
        return request.front() == 0x57 ? ByteVector{0x15, 0x06} : answer;
    });
    LogCapture log;
    EXPECT_EQ(refusing.control->WriteAll(refusing.port, ByteVector(1008, 0x11), ""), -1);
    EXPECT_THAT(log.lines(),
                Each(std::string("数据写入异常:Lm704v001Control::write_data_by_index data error")));
    EXPECT_EQ(refusing.port.requests().back(),
              (ByteVector{0x57, 0x00, 0x00, 0x08, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11}));
}

TEST(LmVsBlockFaultTest, WriteEndsWithTheModelsClosingByteWhereItHasOne) {
    for (const auto& [model, closing] :
         {std::pair<std::string, std::uint8_t>{"LM704", 0x45}, {"VS31", 0x62}, {"VS46", 0x57}}) {
        LmVsIni ini;
        auto control = MakeLmVsControl(model);
        FakePort port([](const ByteVector&) { return ByteVector{0x06}; });
        EXPECT_GT(control->WriteAll(port, ByteVector(control->Model().link.imageSize, 0), ""), 0);
        // VS46 has none: its last request is its last block
        EXPECT_EQ(port.requests().back().front(), closing) << model;
    }
}

/// An LM704 whose pauses between attempts are the test's to fill.
class PausingLm704 : public vd::Lm704v001Control {
public:
    using Lm704v001Control::Lm704v001Control;
    std::function<void(unsigned)> onSleep;
    void Sleep(unsigned ms) override {
        if (onSleep) {
            onSleep(ms);
        }
    }
};

// The rest of an answer that came too late must not be taken for the start of the answer to
// the retry.
TEST(LmVsBlockFaultTest, LateAnswerOfAFailedAttemptIsDroppedBeforeTheRetry) {
    LmVsIni ini;
    ini.Set("Device", "retry_count", 2);
    ini.Set("LM704", "retry_time_interval", 37);
    ini.Set("LM704", "timeout", static_cast<int>(kShortTimeout));
    PausingLm704 control("LM704");
    ASSERT_TRUE(control.ResetToTemplate());
    const ByteVector image = Pattern(1008, 2);
    auto radio = std::make_shared<SimResponder>("LM704", image);
    int reads = 0;
    FakePort port([&, radio](const ByteVector& request) {
        ByteVector answer = (*radio)(request);
        if (request.front() == 0x52 && ++reads == 1) {
            return ByteVector{}; // the first answer is late...
        }
        return answer;
    });
    control.onSleep = [&](unsigned ms) {
        if (ms == 37) {
            port.deliver({0x57, 0x00}); // ...and its first bytes arrive during the pause
        }
    };
    ASSERT_TRUE(control.host_handshake(port, 0, nullptr, 0));

    ByteVector read;
    EXPECT_EQ(control.ReadAll(port, read, ""), 126);
    EXPECT_EQ(read, image);
    EXPECT_EQ(reads, 127);
}

} // namespace
} // namespace vdtest
