// Radio answers a simulated radio does not give on demand, played on a scripted port: wrong
// lengths and endings, wrong acknowledgements, late answers, no retries at all.
#include "model/Exceptions.h"
#include "radios/lmvs/LmVsModels.h"
#include "tests/radios/lmvs/LmVsTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace vdtest {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;
using vd::ByteVector;

constexpr int kShortTimeout = 150;

/// Changes one answer of the radio; `programming` is set from the first block read on.
using Alter =
    std::function<ByteVector(const ByteVector& request, ByteVector answer, bool programming)>;

/// A scripted port in front of the simulated radio of `model`, with `alter` free to change
/// any answer.
FakePort AlteredRadio(const std::string& model, std::size_t imageSize, bool trailingAck,
                      Alter alter) {
    auto radio = std::make_shared<SimResponder>(model, Pattern(imageSize, 2), trailingAck);
    auto programming = std::make_shared<bool>(false);
    return FakePort([radio, programming, alter](const ByteVector& request) {
        *programming = *programming || request.front() == 0x52;
        return alter(request, (*radio)(request), *programming);
    });
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

// An identification of the wrong size or a wrong confirmation fails the attempt at that step,
// and the next attempt starts over.
TEST(LmVsHandshakeFaultTest, WrongAnswerFailsEveryAttemptAtItsStep) {
    struct Case {
        std::string model;
        std::size_t size;
        ByteVector request;
        std::string answer;
        std::string log;
    };
    for (const Case& c : {Case{"LM704",
                               1008,
                               {0x02},
                               "LM704ID12",
                               "握手异常:handshake_step2 answer size = 9 content = 4C \\x4D \\x37 "
                               "\\x30 \\x34 \\x49 \\x44 \\x31 \\x32 \\x"},
                          Case{"VS46",
                               1024,
                               {0x07},
                               "Y",
                               "握手异常:handshake_step3 answer size = 1 content = 59 \\x"}}) {
        SCOPED_TRACE(c.model + " " + c.answer);
        LmVsIni ini;
        ini.Set("Device", "retry_count", 2);
        ini.SetForAllModels("timeout", kShortTimeout);
        LogCapture log;
        auto control = MakeLmVsControl(c.model);
        FakePort port = AlteredRadio(c.model, c.size, false,
                                     [&c](const ByteVector& request, ByteVector answer, bool) {
                                         return request == c.request ? ascii(c.answer) : answer;
                                     });
        EXPECT_FALSE(control->host_handshake(port, 0, nullptr, 0));
        const std::vector<ByteVector>& sent = port.requests();
        ASSERT_EQ(sent.size() % 2, 0U);
        const auto second = sent.begin() + static_cast<std::ptrdiff_t>(sent.size() / 2);
        EXPECT_EQ(std::vector<ByteVector>(sent.begin(), second),
                  std::vector<ByteVector>(second, sent.end()));
        EXPECT_EQ(sent.back(), c.request);
        EXPECT_THAT(log.lines(), ElementsAre(c.log, c.log));
    }
}

// A block answer of the wrong length or ending, or a wrong answer to the block's
// acknowledgement, fails every attempt at that block and the read keeps nothing.
TEST(LmVsBlockFaultTest, WrongBlockAnswerFailsEveryAttemptAndKeepsNothing) {
    const Alter wrongEnd = [](const ByteVector& request, ByteVector answer, bool) {
        if (request.front() == 0x52) {
            answer.back() = 0x07;
        }
        return answer;
    };
    // a byte after the data where the model sends none would shift every later block
    const Alter longer = [](const ByteVector& request, ByteVector answer, bool) {
        if (request.front() == 0x52) {
            answer.push_back(0x06);
        }
        return answer;
    };
    // the handshake's own 0x06 exchanges come before programming mode and stay answered
    const Alter nak = [](const ByteVector& request, ByteVector answer, bool programming) {
        return programming && request == ByteVector{0x06} ? ByteVector{0x15} : answer;
    };
    struct Case {
        std::string model;
        std::size_t size;
        bool trailingAck;
        Alter alter;
        std::string log;
    };
    for (const Case& c :
         {Case{"LM704", 1008, true, wrongEnd,
               "数据读取异常:Lm704v001Control::read_data_by_index answer data error 7"},
          Case{"VS31", 1008, false, longer,
               "数据读取异常:Vs31v001Control::read_data_by_index answer data error 6"},
          Case{"VS73", 1024, false, nak,
               "数据读取异常:Vs73v001Control::read_data_by_index answer size = 1 content = 21"}}) {
        SCOPED_TRACE(c.log);
        LmVsIni ini;
        auto control = MakeLmVsControl(c.model);
        FakePort port = AlteredRadio(c.model, c.size, c.trailingAck, c.alter);
        ASSERT_TRUE(control->host_handshake(port, 0, nullptr, 0));
        LogCapture log;
        ByteVector image{0xAA};
        EXPECT_EQ(control->ReadAll(port, image, ""), -1);
        EXPECT_TRUE(image.empty());
        std::vector<ByteVector> reads;
        std::copy_if(port.requests().begin(), port.requests().end(), std::back_inserter(reads),
                     [](const ByteVector& request) { return request.front() == 0x52; });
        ASSERT_EQ(reads.size(), 3U);
        EXPECT_THAT(reads, Each(ByteVector{0x52, 0x00, 0x00, reads.front()[3]}));
        EXPECT_THAT(log.lines(), ElementsAre(c.log, c.log, c.log));
    }
}

// A retry after a failed acknowledgement must not add the block a second time.
TEST(LmVsBlockFaultTest, BlockIsTakenOnceWhenItsAcknowledgementFailedFirst) {
    LmVsIni ini;
    int acks = 0;
    FakePort port =
        AlteredRadio("VS73", 1024, true,
                     [&acks](const ByteVector& request, ByteVector answer, bool programming) {
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

TEST(LmVsBlockFaultTest, BlockWriteWantsAnAckFirst) {
    LmVsIni ini;
    auto control = MakeLmVsControl("LM704");
    FakePort port =
        AlteredRadio("LM704", 1008, false, [](const ByteVector& request, ByteVector answer, bool) {
            return request.front() == 0x57 ? ByteVector{0x15, 0x06} : answer;
        });
    ASSERT_TRUE(control->host_handshake(port, 0, nullptr, 0));
    LogCapture log;
    EXPECT_EQ(control->WriteAll(port, ByteVector(1008, 0x11), ""), -1);
    EXPECT_THAT(log.lines(),
                Each(std::string("数据写入异常:Lm704v001Control::write_data_by_index data error")));
    EXPECT_EQ(port.requests().back(),
              (ByteVector{0x57, 0x00, 0x00, 0x08, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11}));
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
    ini.Set("LM704", "timeout", kShortTimeout);
    PausingLm704 control("LM704");
    ASSERT_TRUE(control.ResetToTemplate());
    int reads = 0;
    // the first block's answer is late...
    FakePort port = AlteredRadio("LM704", 1008, false,
                                 [&reads](const ByteVector& request, ByteVector answer, bool) {
                                     const bool late = request.front() == 0x52 && ++reads == 1;
                                     return late ? ByteVector{} : answer;
                                 });
    control.onSleep = [&](unsigned ms) {
        if (ms == 37) {
            port.deliver({0x57, 0x00}); // ...and its first bytes arrive during the pause
        }
    };
    ASSERT_TRUE(control.host_handshake(port, 0, nullptr, 0));

    ByteVector read;
    EXPECT_EQ(control.ReadAll(port, read, ""), 126);
    EXPECT_EQ(read, Pattern(1008, 2));
    EXPECT_EQ(reads, 127);
}

} // namespace
} // namespace vdtest
