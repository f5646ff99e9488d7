// Radio answers a simulated radio does not give on demand, played on a scripted port: wrong
// lengths and endings, wrong acknowledgements, late answers, no retries at all.
#include "model/Exceptions.h"
#include "radios/lmvs/LmVsModels.h"
#include "tests/radios/lmvs/LmVsTestSupport.h"
#include "tools/radiosim/SimModels.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vdtest {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;
using vd::ByteVector;

constexpr unsigned kPoll = 1;
constexpr unsigned kShortTimeout = 150;

ByteVector Lm704Opening() {
    return Ascii("\x02"
                 "4XULWEN");
}

/// A scripted port in front of the simulated radio of `model`, with `alter` free to change
/// any answer.
FakePort AlteredRadio(const std::string& model, bool trailingAck,
                      std::function<ByteVector(const ByteVector&, ByteVector)> alter) {
    auto radio = std::make_shared<SimResponder>(
        model, Pattern(vd::sim::findSimModel(model)->imageSize, 2), trailingAck);
    return FakePort(
        [radio, alter](const ByteVector& request) { return alter(request, (*radio)(request)); });
}

std::string ThrownText(const std::function<void()>& action) {
    try {
        action();
    } catch (const vd::ValdrenCpsException& error) {
        return error.what();
    }
    return "nothing thrown";
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
    EXPECT_EQ(control->ReadAll(port, image, "Host read all data"), -1);
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
    FakePort port = AlteredRadio("LM704", false, [](const ByteVector& request, ByteVector answer) {
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

// One handshake answer changed: which step fails, and how it says so.
TEST(LmVsHandshakeFaultTest, WrongAnswerFailsItsStep) {
    struct Case {
        std::string model;
        std::uint8_t request;
        std::string answer;
        int failingStep;
        std::string thrown;
    };
    for (const Case& c :
         {Case{"LM704", 0x02, "ABCDEFG", 2, "handshake_step2"}, // too short: waits for more
          Case{"VS46", 0x02, "ABCDEFG", 2,
               "handshake_step2 answer size = 7 content = 41 \\x42 \\x43 \\x44 \\x45 \\x46 \\x47 "
               "\\x"},
          Case{"VS46", 0x07, "Y", 3, "handshake_step3 answer size = 1 content = 59 \\x"}}) {
        LmVsIni ini;
        auto control = MakeLmVsControl(c.model);
        FakePort port =
            AlteredRadio(c.model, false, [&](const ByteVector& request, ByteVector answer) {
                return request == ByteVector{c.request} ? Ascii(c.answer) : answer;
            });
        auto& link = control->Link();
        const std::function<void()> steps[] = {
            [&] { link.handshake_step1(port, kPoll, kShortTimeout); },
            [&] { link.handshake_step2(port, kPoll, kShortTimeout); },
            [&] { link.handshake_step3(port, kPoll, kShortTimeout); }};
        for (int step = 1; step < c.failingStep; ++step) {
            steps[step - 1]();
        }
        EXPECT_EQ(ThrownText(steps[c.failingStep - 1]), c.thrown) << c.model;
    }
}

using Alter = std::function<ByteVector(const ByteVector&, ByteVector)>;

/// A control in programming mode with a scripted radio of its model in front of it, whose
/// answers `alter` may change once the handshake is done.
struct Session {
    Session(const std::string& model, bool trailingAck, Alter alter)
        : control(MakeLmVsControl(model)),
          port(AlteredRadio(model, trailingAck, [this, alter](const ByteVector& r, ByteVector a) {
              return programming ? alter(r, std::move(a)) : a;
          })) {
        EXPECT_TRUE(control->host_handshake(port, 0, nullptr, 0));
        programming = true;
    }
    LmVsIni ini;
    bool programming = false;
    std::unique_ptr<vd::LmVsControl> control;
    FakePort port;
};

ByteVector ReplaceLastByte(ByteVector answer, std::uint8_t last) {
    answer.back() = last;
    return answer;
}

// One block exchange whose answer is wrong fails with a text naming the model and the fault,
// and hands out no data.
TEST(LmVsBlockFaultTest, WrongBlockAnswerFailsTheExchange) {
    const Alter nak = [](const ByteVector& request, ByteVector answer) {
        return request == ByteVector{0x06} ? ByteVector{0x15} : answer;
    };
    struct Case {
        std::string model;
        bool trailingAck;
        Alter alter;
        std::string thrown;
    };
    for (const Case& c : {
             Case{"LM704", true,
                  [](const ByteVector&request, ByteVector answer) {
                      return request.front() == 0x52 ? ReplaceLastByte(answer, 0x07) : answer;
                  },
                  "Lm704v001Control::read_data_by_index answer data error 7"},
             // a byte after the data where the model sends none would shift every later block
             Case{"VS31", false,
                  [](const ByteVector&request, ByteVector answer) {
                      if (request.front() == 0x52) {
                          answer.push_back(0x06);
                      }
                      return answer;
                  },
                  "Vs31v001Control::read_data_by_index answer data error 6"},
             // the wrong acknowledgement is named as each model shows its byte
             Case{"VS31", false, nak,
                  "Vs31v001Control::read_data_by_index answer size = 1 content = 15 \\x"},
             Case{"VS73", false, nak,
                  "Vs73v001Control::read_data_by_index answer size = 1 content = 21"},
         }) {
        Session session(c.model, c.trailingAck, c.alter);
        ByteVector block{0xAA};
        EXPECT_EQ(ThrownText([&] {
                      session.control->Link().read_data_by_index(
                          session.port, kPoll, kShortTimeout,
                          session.control->Model().link.readBlockSize, 0, block);
                  }),
                  c.thrown);
        EXPECT_EQ(block, ByteVector{0xAA});
    }
    Session refusing("LM704", false, [](const ByteVector& request, ByteVector answer) {
        return request.front() == 0x57 ? ByteVector{0x15, 0x06} : answer;
    });
    EXPECT_EQ(ThrownText([&] {
                  refusing.control->Link().write_data_by_index(refusing.port, kPoll, kShortTimeout,
                                                               0x10, ByteVector(8, 0x11));
              }),
              "Lm704v001Control::write_data_by_index data error");
    EXPECT_EQ(refusing.port.requests().back(),
              (ByteVector{0x57, 0x00, 0x10, 0x08, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11}));
}

TEST(LmVsBlockFaultTest, Lm704AnswerOfThirteenBytesEndingWronglyFailsEveryAttempt) {
    LogCapture log;
    Session session("LM704", true, [](const ByteVector& request, ByteVector answer) {
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
    int acks = 0;
    Session session("VS73", true, [&](const ByteVector& request, ByteVector answer) {
        return request == ByteVector{0x06} && ++acks == 1 ? ByteVector{0x15} : answer;
    });
    ByteVector image;
    ASSERT_EQ(session.control->ReadAll(session.port, image, ""), 16);
    EXPECT_EQ(image, Pattern(1024, 2));
    EXPECT_EQ(acks, 17);
}

TEST(LmVsBlockFaultTest, ClosingByteThatCannotBeSentIsRetriedAndLoggedWithItsValue) {
    for (const auto& [model, text] :
         {std::pair<std::string, std::string>{"LM704", "挥手异常:host_wave_hand request = 0x45"},
          {"VS31", "挥手异常:host_wave_hand request = 0x62"}}) {
        LmVsIni ini;
        ini.SetForAllModels("timeout", 0);
        LogCapture log;
        auto control = MakeLmVsControl(model);
        FakePort port([](const ByteVector&) { return ByteVector{}; });
        EXPECT_FALSE(control->Link().host_wave_hand(port));
        EXPECT_EQ(port.requests().size(), 3U);
        EXPECT_THAT(log.lines(), ElementsAre(text, text, text));
    }
    LmVsIni ini;
    auto vs46 = MakeLmVsControl("VS46");
    FakePort port([](const ByteVector&) { return ByteVector{0x06}; });
    EXPECT_FALSE(vs46->Link().host_wave_hand(port));
    EXPECT_TRUE(port.requests().empty());
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

    ByteVector block;
    EXPECT_TRUE(control.Link().host_read_data_by_index(port, 1008, 8, 0, block, ""));
    EXPECT_EQ(block, ByteVector(image.begin(), image.begin() + 8));
    EXPECT_EQ(reads, 2);
}

} // namespace
} // namespace vdtest
