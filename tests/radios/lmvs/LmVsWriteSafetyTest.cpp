// A write starts from the radio's own image: when that image cannot be read whole, nothing
// may be written, however the caller goes on.
#include "model/Exceptions.h"
#include "tests/radios/lmvs/LmVsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vdtest {
namespace {

using vd::ByteVector;

/// An LM704 on a scripted port whose block reads from `silentFrom` on are not answered.
class BaseReadTest : public ::testing::Test {
protected:
    void SetUp() override {
        ini_.Set("Device", "retry_count", 2);
        ini_.Set("LM704", "timeout", 100);
        control_ = MakeLmVsControl("LM704");
        control_->OpenPort(port_, "COM3");
        ASSERT_TRUE(control_->host_handshake(port_, 1, nullptr, 0));
    }

    bool AnyWriteSent() const {
        return std::any_of(port_.requests().begin(), port_.requests().end(),
                           [](const ByteVector& request) {
                               return request.front() == 0x57 || request.front() == 0x45;
                           });
    }

    LmVsIni ini_;
    std::size_t silentFrom_ = SIZE_MAX;
    std::shared_ptr<SimResponder> radio_ =
        std::make_shared<SimResponder>("LM704", Pattern(1008, 6));
    FakePort port_{[this](const ByteVector& request) {
        const bool silent =
            request.front() == 0x52 &&
            static_cast<std::size_t>(request[1] << 8 | request[2]) / 8 >= silentFrom_;
        const ByteVector answer = (*radio_)(request);
        return silent ? ByteVector{} : answer;
    }};
    std::unique_ptr<vd::LmVsControl> control_;
};

// A base read stopping half-way leaves the part read as it is, never completed with zeros; one
// failing at the first block leaves nothing, and the whole image a file export builds from that
// must not reach the radio either.
TEST_F(BaseReadTest, BaseReadFailingAtAnyBlockLeavesNothingToWrite) {
    const ByteVector radio = Pattern(1008, 6);
    for (const auto& [silentFrom, read] : {std::pair<std::size_t, std::size_t>{3, 24}, {0, 0}}) {
        SCOPED_TRACE(silentFrom);
        silentFrom_ = silentFrom;
        control_->OpenPort(port_, "COM3"); // a new connection forgets the last base read
        ASSERT_TRUE(control_->host_handshake(port_, 1, nullptr, 0));
        ByteVector image;
        EXPECT_FALSE(control_->ReadBaseImage(port_, image, "Host write all data"));
        ASSERT_EQ(image, ByteVector(radio.begin(), radio.begin() + read));
        EXPECT_EQ(control_->GenerateImage(image, 1), read == 0);
        EXPECT_EQ(image.size(), read == 0 ? 1008U : read);
        EXPECT_THROW(control_->WriteAll(port_, image, ""), vd::ValdrenCpsException);
        EXPECT_FALSE(AnyWriteSent());
    }
}

TEST_F(BaseReadTest, CancelledBaseReadRefusesTheWriteUntilTheNextConnection) {
    ProgressLog progress(*control_);
    progress.cancelAt(3);
    ByteVector image;
    EXPECT_THROW(control_->ReadBaseImage(port_, image, ""), vd::ValdrenCpsException);
    progress.cancelAt(0);
    EXPECT_THROW(control_->WriteAll(port_, Pattern(1008, 1), ""), vd::ValdrenCpsException);
    EXPECT_FALSE(AnyWriteSent());

    control_->OpenPort(port_, "COM3");
    ASSERT_TRUE(control_->host_handshake(port_, 1, nullptr, 0));
    ASSERT_TRUE(control_->ReadBaseImage(port_, image, ""));
    ASSERT_TRUE(control_->GenerateImage(image, 1));
    EXPECT_EQ(control_->WriteAll(port_, image, ""), 55);
}

TEST_F(BaseReadTest, ImageOfAnotherSizeIsNeverWritten) {
    ProgressLog progress(*control_);
    for (std::size_t size : {0, 8, 1007, 1024}) {
        EXPECT_THROW(control_->WriteAll(port_, ByteVector(size, 0x11), ""), vd::ValdrenCpsException)
            << size;
    }
    EXPECT_FALSE(AnyWriteSent());
    EXPECT_TRUE(progress.entries().empty());
}

} // namespace
} // namespace vdtest
