// A radio with a password: three tries for the person, and the password it took remembered
// for the rest of the document's life.
#include "app/AppPaths.h"
#include "document/CValdrenCpsDoc.h"
#include "tests/support/RadioSim.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempDir.h"

#include <deque>
#include <gtest/gtest.h>

namespace vdtest {
namespace {

/// A person who types the given passwords one after the other, then cancels.
class TypingUi : public ScriptedUi {
public:
    std::deque<std::string> typed;
    std::vector<std::string> prompts;
    bool AskText(const std::string&, const std::string& prompt, std::string& text) override {
        prompts.push_back(prompt);
        if (typed.empty()) {
            return false;
        }
        text = typed.front();
        typed.pop_front();
        return true;
    }
};

struct PasswordCase {
    const char* name;
    std::deque<std::string> typed;
    bool read;           ///< whether the read succeeds
    int prompts;         ///< how often the person was asked
    const char* failure; ///< the message of a failed read; empty: cancelled, nothing shown
};

void PrintTo(const PasswordCase& c, std::ostream* out) {
    *out << c.name;
}

class PasswordTest : public ::testing::TestWithParam<PasswordCase> {
protected:
    void SetUp() override {
        dir_.write("cps.ini", "[Device]\nretry_count=2\nhandshake_retry_count=2\n"
                              "retry_time_interval=10\n[GX5]\ntimeout=300\n");
        vd::AppPaths::SetIniPath(dir_.file("cps.ini").string());
    }
    void TearDown() override { vd::AppPaths::SetIniPath(""); }
    TempDir dir_;
};

TEST_P(PasswordTest, ThreeTriesThenTheRememberedPassword) {
    const PasswordCase& c = GetParam();
    vd::sim::SimConfig config;
    config.model = "GX5";
    config.password = "1234";
    RadioSimThread radio(std::move(config));
    TypingUi ui;
    ui.typed = c.typed;
    vd::CValdrenCpsDoc doc(ui);
    ASSERT_TRUE(doc.NewDocument("GX5", radio.devicePath()));
    EXPECT_EQ(doc.ReadDevice(), c.read);
    ASSERT_EQ(static_cast<int>(ui.prompts.size()), c.prompts);
    EXPECT_EQ(ui.prompts.front(), "Please input the read password");
    for (size_t i = 1; i < ui.prompts.size(); ++i) {
        EXPECT_EQ(ui.prompts[i], "password error\nPlease input the read password");
    }
    if (!c.read && *c.failure == '\0') {
        EXPECT_EQ(doc.LastResult(), vd::OperationResult::Cancelled);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_TRUE(radio.waitForTranscript("06 00 6F 00 00 00 01 00")) << "a reboot was sent";
        return;
    }
    ASSERT_EQ(ui.messages.size(), 1u);
    if (!c.read) {
        EXPECT_EQ(ui.messages[0].text, c.failure);
        EXPECT_EQ(ui.messages[0].style, vd::MessageStyle::Error);
        return;
    }
    // a write in the same document does not ask again
    ui.device = {"GX5", radio.devicePath()};
    doc.OnEditWriteDevice();
    EXPECT_EQ(doc.LastResult(), vd::OperationResult::Success);
    EXPECT_EQ(static_cast<int>(ui.prompts.size()), c.prompts);
}

INSTANTIATE_TEST_SUITE_P(
    Tries, PasswordTest,
    ::testing::Values(PasswordCase{"RightAtTheThirdTry", {"1", "2", "1234"}, true, 3, ""},
                      PasswordCase{
                          "WrongThreeTimes", {"1", "2", "3", "1234"}, false, 3, "password error"},
                      PasswordCase{"WrongThenCancelled", {"1"}, false, 2, "password error"},
                      PasswordCase{"CancelledAtOnce", {}, false, 1, ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vdtest
