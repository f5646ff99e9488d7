// The document's radio and image-file operations against a simulated radio, with a scripted
// person: every result message, its style, and the state afterwards.
#include "app/AppPaths.h"
#include "document/CValdrenCpsDoc.h"
#include "document/ImageFile.h"
#include "document/ProjectFile.h"
#include "tests/support/FastIni.h"
#include "tests/support/ModelHelpers.h"
#include "tests/support/RadioSim.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <optional>

namespace vdtest {
namespace {

using vd::MessageStyle;
using vd::OperationResult;

class DeviceOperationsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_.write("cps.ini", FastIni());
        vd::AppPaths::SetIniPath(dir_.file("cps.ini").string());
    }
    void TearDown() override { vd::AppPaths::SetIniPath(""); }

    /// A radio image of the model with a recognisable name in it.
    std::string RadioImage(const std::string& model, const std::string& radioName) {
        auto control = vd::ProjectFile::New(model);
        EXPECT_NE(control, nullptr);
        if (!radioName.empty()) {
            control->SetValueByName("radioName", radioName);
        }
        vd::ByteVector image;
        EXPECT_TRUE(control->GenerateImage(image, 1));
        const std::string path = dir_.file(model + ".bin").string();
        vd::WriteImageFile(path, image);
        return path;
    }

    /// A simulated radio of the model holding `image`.
    std::unique_ptr<RadioSimThread> StartRadio(const std::string& model, const std::string& image) {
        vd::sim::SimConfig config;
        config.model = model;
        config.imageFile = image;
        return std::make_unique<RadioSimThread>(std::move(config));
    }

    TempDir dir_;
    ScriptedUi ui_;
};

TEST_F(DeviceOperationsTest, ReadDeviceBringsTheRadiosValues) {
    auto radio = StartRadio("GX5", RadioImage("GX5", "Summit"));
    vd::CValdrenCpsDoc doc(ui_);
    ASSERT_TRUE(doc.NewDocument("GX5", radio->devicePath()));
    EXPECT_EQ(doc.Title().rfind("GX5_", 0), 0u);
    EXPECT_NE(Setting(*doc.Control(), "radioName"), "Summit");

    ASSERT_TRUE(doc.ReadDevice());
    EXPECT_EQ(doc.LastResult(), OperationResult::Success);
    EXPECT_EQ(Setting(*doc.Control(), "radioName"), "Summit");
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].text, "Host read all data\nData read completed");
    EXPECT_EQ(ui_.messages[0].style, MessageStyle::Information);
    EXPECT_EQ(ui_.imagesImported, 1);
    EXPECT_EQ(doc.LastReadImage().size(), 55070u);
    ASSERT_FALSE(ui_.outputLines.empty());
    EXPECT_EQ(ui_.outputLines.front(), "Host read all data 0/1");
    EXPECT_EQ(ui_.progressTexts.front(), "Host read all data 0%");
}

// A read that fails says why, in the error style, with the result that tells its kind.
TEST_F(DeviceOperationsTest, AFailedReadSaysWhyAsAnError) {
    const struct {
        const char* radio; ///< "none": no port there; "short": more blocks than any memory
        OperationResult result;
        const char* says;
    } rows[] = {{"short", OperationResult::RadioError, "not fully read"},
                {"none", OperationResult::DeviceError, "Can't find the device!\n"},
                {"silent", OperationResult::RadioError, "Host failed! "}};
    for (const auto& row : rows) {
        vd::sim::SimConfig config;
        config.model = "GX5";
        if (row.radio == std::string("short")) {
            config.faults.reportedBlocks = 300;
        }
        config.faults.silent = row.radio == std::string("silent");
        std::optional<RadioSimThread> radio;
        if (row.radio != std::string("none")) {
            radio.emplace(std::move(config));
        }
        ScriptedUi ui;
        vd::CValdrenCpsDoc doc(ui);
        ASSERT_TRUE(
            doc.NewDocument("GX5", radio ? radio->devicePath() : dir_.file("no-tty").string()));
        EXPECT_FALSE(doc.ReadDevice());
        EXPECT_EQ(doc.LastResult(), row.result) << row.radio;
        ASSERT_EQ(ui.messages.size(), 1u) << row.radio;
        EXPECT_NE(ui.messages[0].text.find(row.says), std::string::npos) << ui.messages[0].text;
        EXPECT_EQ(ui.messages[0].style, MessageStyle::Error);
    }
}

TEST_F(DeviceOperationsTest, ABackupOfAnotherSizeIsNotRestored) {
    vd::CValdrenCpsDoc doc(ui_);
    ASSERT_TRUE(doc.NewDocument("GX5", dir_.file("no-such-tty").string()));
    doc.RestoreImage(vd::ByteVector(100));
    EXPECT_EQ(doc.LastResult(), OperationResult::DataError);
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_NE(ui_.messages[0].text.find("100"), std::string::npos) << ui_.messages[0].text;
    EXPECT_EQ(ui_.messages[0].style, MessageStyle::Error);
}

// Cancel in a read or a write stops at its step, says "break!" and reboots the radio.
TEST_F(DeviceOperationsTest, CancelDuringATransferRebootsTheRadio) {
    for (const std::string transfer : {"read", "write"}) {
        auto radio = StartRadio("GX5", RadioImage("GX5", ""));
        ScriptedUi ui;
        ui.cancelAtProgress = 3;
        ui.cancelPrefix = "Host " + transfer + " all data"; // a write: after the backup read
        ui.device = {"GX5", radio->devicePath()};
        vd::CValdrenCpsDoc doc(ui);
        ASSERT_TRUE(doc.NewDocument("GX5", radio->devicePath()));
        if (transfer == "read") {
            EXPECT_FALSE(doc.ReadDevice());
            EXPECT_EQ(ui.progressTexts.size(), 3u) << "no step after the cancel";
        } else {
            doc.OnEditWriteDevice();
        }
        EXPECT_EQ(doc.LastResult(), OperationResult::Cancelled) << transfer;
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, ui.cancelPrefix + "\nbreak!");
        EXPECT_TRUE(radio->waitForTranscript("rebooting")) << transfer;
    }
}

TEST_F(DeviceOperationsTest, WriteDeviceSendsTheConfiguredContentSize) {
    auto radio = StartRadio("GX5", RadioImage("GX5", ""));
    vd::CValdrenCpsDoc doc(ui_);
    ASSERT_TRUE(doc.NewDocument("GX5", radio->devicePath()));
    doc.Control()->SetValueByName("radioName", "Written");
    ui_.device = {"GX5", radio->devicePath()};
    vd::WriteSafety bare; // the write alone: no backup, no verify, the project's factory values
    bare.backup = bare.verify = false;
    bare.writeFactoryData = true;
    doc.SetWriteSafety(bare);
    doc.OnEditWriteDevice();
    EXPECT_EQ(doc.LastResult(), OperationResult::Success);
    EXPECT_EQ(ui_.chooserModes, std::vector<int>{2});
    EXPECT_EQ(ui_.chooserPresets, std::vector<std::string>{"GX5"});
    EXPECT_EQ(ui_.questions, std::vector<std::string>{"Do you want to write it?"});
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].text, "Host write all data\nData write completed");
    ASSERT_TRUE(radio->waitForWrittenImage());
    EXPECT_EQ(radio->writtenImage().size(), 55070u) << "bin_struct_content absent: variant 1";
    EXPECT_EQ(radio->transcript().find("08 00 01 02"), std::string::npos)
        << "a GX5 write reads nothing first";
}

TEST_F(DeviceOperationsTest, WriteDeviceStopsWhenNotConfirmedOrAnotherModelIsChosen) {
    auto radio = StartRadio("GX5", RadioImage("GX5", ""));
    vd::CValdrenCpsDoc doc(ui_);
    ASSERT_TRUE(doc.NewDocument("GX5", radio->devicePath()));
    ui_.device = {"GX5G", radio->devicePath()};
    doc.OnEditWriteDevice();
    EXPECT_TRUE(ui_.questions.empty()) << "another model: nothing asked, nothing sent";
    ui_.device = {"GX5", radio->devicePath()};
    ui_.confirm = false;
    doc.OnEditWriteDevice();
    EXPECT_EQ(doc.LastResult(), OperationResult::Cancelled);
    EXPECT_TRUE(ui_.messages.empty());
    EXPECT_EQ(radio->transcript().find("handshake"), std::string::npos);
}

TEST_F(DeviceOperationsTest, BinFilesRoundTripAndARejectedImageIsReported) {
    vd::CValdrenCpsDoc source(ui_);
    ASSERT_TRUE(source.NewDocument("GX5", ""));
    source.Control()->SetValueByName("radioName", "FromFile");
    ui_.saveFile = dir_.file("out.bin").string();
    source.OnGenerateBinFile();
    ASSERT_EQ(ui_.messages.back().text, "OK");
    EXPECT_EQ(ui_.messages.back().style, MessageStyle::Default);
    EXPECT_EQ(vd::ReadImageFile(ui_.saveFile).size(), 65466u) << "Generate Bin File uses variant 3";

    ui_.saveFile.clear();
    source.OnGenerateBinFile();
    EXPECT_EQ(ui_.messages.back().text, "Generate bin cancel!");

    vd::CValdrenCpsDoc target(ui_);
    ASSERT_TRUE(target.NewDocument("GX5", ""));
    ui_.openFile = dir_.file("out.bin").string();
    EXPECT_TRUE(target.ReadBinfile());
    EXPECT_EQ(Setting(*target.Control(), "radioName"), "FromFile");

    ui_.openFile = dir_.write("short.bin", std::string(100, '\0')).string();
    EXPECT_FALSE(target.ReadBinfile());
    EXPECT_NE(ui_.messages.back().text.find("52404 to 65466 bytes"), std::string::npos);
    EXPECT_EQ(ui_.messages.back().style, MessageStyle::Error);
}

} // namespace
} // namespace vdtest
