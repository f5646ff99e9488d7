// Read Device and Write Device from the menus against a simulated GX5 radio, with every
// dialog answered as a person would: the chooser, the password, Cancel in the progress
// dialog, the question and the result messages.
#include "document/ImageFile.h"
#include "document/ProjectFile.h"
#include "tests/support/RadioSim.h"
#include "tests/ui/app/UiTestSupport.h"
#include "ui/app/CValdrenCpsApp.h"
#include "ui/dialogs/CChooseRegCpsDlg.h"
#include "ui/dialogs/CInputStringDlg.h"
#include "ui/dialogs/CProcTip2Dlg.h"
#include "ui/frames/CChildFrame.h"
#include "ui/frames/CMainFrame.h"
#include "ui/frames/COutputWnd.h"
#include "ui/frames/UiConstants.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <memory>

using namespace vd;
using namespace vd::ui;
using vdtest::ModalAnswers;
using vdtest::RadioSimProcess;
using vdtest::UiTestEnvironment;

namespace {

/// A radio transfer on a loaded machine takes a while; only a hung one takes this long.
constexpr int kTransferWaitMs = 120000;

QString Failures(const ModalAnswers& answers) {
    return answers.failures().join(QLatin1Char('\n'));
}

/// The value of the first element of that name.
std::string Value(HamCpsControl& control, const std::string& name) {
    ElementList elements;
    control.GetElementsByName(name, elements);
    return elements.empty() ? std::string() : elements.front()->inputValue;
}

} // namespace

class DeviceTest : public QObject {
    Q_OBJECT

private slots:
    void init() { env_ = std::make_unique<UiTestEnvironment>(); }
    void cleanup() {
        vdtest::closeModalWindows();
        app_.reset();
        env_.reset();
    }

    void readDeviceFillsTheNewWindow() {
        RadioSimProcess radio({"--model", "GX5", "--image", RadioImage("Summit")});
        CMainFrame& main = Start();
        ModalAnswers answers;
        QString title;
        answers.expectDialog<CChooseRegCpsDlg>("chooser", [&](CChooseRegCpsDlg* dialog) {
            title = dialog->windowTitle();
            Choose(dialog, "GX5", radio.devicePath());
        });
        answers.expectMessage(QMessageBox::Ok);
        main.RunCommand(ID_READ_DEVICE);
        // the window stands before the read starts a second later
        QCOMPARE(main.Frames().size(), 1);
        QVERIFY(answers.messages().empty());
        QVERIFY2(answers.waitDone(kTransferWaitMs), qPrintable(Failures(answers)));
        QCOMPARE(title, QStringLiteral("Read option"));
        const vdtest::SeenMessage& result = answers.messages().front();
        QCOMPARE(result.text, QStringLiteral("Host read all dataData read completed"));
        QCOMPARE(result.icon, int(QMessageBox::Information));
        QCOMPARE(main.Frames().size(), 1);
        QCOMPARE(Value(*main.CurrentFrame()->GetDocument().Control(), "radioName"),
                 std::string("Summit"));
        // the output pane kept every step; the read ended with its last block
        const QStringList lines = main.CurrentFrame()->OutputPane()->Lines();
        QVERIFY(!lines.filter(QRegularExpression("^Host read all data (\\d+)/\\1$")).isEmpty());
    }

    void readDeviceAsksForThePassword() {
        RadioSimProcess radio(
            {"--model", "GX5", "--image", RadioImage("Locked"), "--password", "1234"});
        CMainFrame& main = Start();
        ModalAnswers answers;
        QString title;
        QString prompt;
        answers.expectDialog<CChooseRegCpsDlg>("chooser", [&](CChooseRegCpsDlg* dialog) {
            Choose(dialog, "GX5", radio.devicePath());
        });
        answers.expectDialog<CInputStringDlg>("password", [&](CInputStringDlg* dialog) {
            title = dialog->windowTitle();
            prompt = dialog->findChild<QLabel*>()->text();
            dialog->Edit()->setText(QStringLiteral("1234"));
            dialog->accept();
        });
        answers.expectMessage(QMessageBox::Ok);
        main.RunCommand(ID_READ_DEVICE);
        QVERIFY2(answers.waitDone(kTransferWaitMs), qPrintable(Failures(answers)));
        QCOMPARE(title, QStringLiteral("Please input"));
        QCOMPARE(prompt, QStringLiteral("Please input the read password"));
        QCOMPARE(answers.messages().front().text,
                 QStringLiteral("Host read all dataData read completed"));
        QCOMPARE(main.Frames().size(), 1);
    }

    void cancelDuringTheReadClosesTheWindow() {
        // the radio answers slowly, so the read is still running when Cancel is pressed
        RadioSimProcess radio(
            {"--model", "GX5", "--image", RadioImage("Slow"), "--byte-delay-us", "20"});
        CMainFrame& main = Start();
        ModalAnswers answers;
        answers.expectDialog<CChooseRegCpsDlg>("chooser", [&](CChooseRegCpsDlg* dialog) {
            Choose(dialog, "GX5", radio.devicePath());
        });
        answers.expect(
            "progress of the read",
            [](QWidget* window) {
                auto* progress = qobject_cast<CProcTip2Dlg*>(window);
                return progress && progress->Text().startsWith("Host read all data");
            },
            [](QWidget* window) { qobject_cast<CProcTip2Dlg*>(window)->CancelButton()->click(); });
        answers.expectMessage(QMessageBox::Ok);
        main.RunCommand(ID_READ_DEVICE);
        QVERIFY2(answers.waitDone(kTransferWaitMs), qPrintable(Failures(answers)));
        const vdtest::SeenMessage& result = answers.messages().front();
        QCOMPARE(result.text, QStringLiteral("Host read all databreak!"));
        QCOMPARE(result.icon, int(QMessageBox::Information));
        QTRY_VERIFY_WITH_TIMEOUT(main.Frames().isEmpty(), vdtest::kWindowWaitMs);
    }

    void absentPortIsReportedAndTheWindowClosed() {
        CMainFrame& main = Start();
        const std::string absent = env_->folder().file("no-such-port").string();
        ModalAnswers answers;
        answers.expectDialog<CChooseRegCpsDlg>(
            "chooser", [&](CChooseRegCpsDlg* dialog) { Choose(dialog, "GX5", absent); });
        answers.expectMessage(QMessageBox::Ok);
        main.RunCommand(ID_READ_DEVICE);
        QVERIFY2(answers.waitDone(kTransferWaitMs), qPrintable(Failures(answers)));
        const vdtest::SeenMessage& result = answers.messages().front();
        QCOMPARE(result.text, QStringLiteral("Can't find the device!"));
        QCOMPARE(result.icon, int(QMessageBox::Warning)); // given without an icon
        QTRY_VERIFY_WITH_TIMEOUT(main.Frames().isEmpty(), vdtest::kWindowWaitMs);
    }

    void writeDeviceSendsTheDocument() {
        RadioSimProcess radio({"--model", "GX5"});
        CMainFrame& main = Start();
        NewGx5Document(main);
        main.CurrentFrame()->GetDocument().Control()->SetValueByName("radioName", "Written");
        ModalAnswers answers;
        QString title;
        bool modelShown = true;
        QString model;
        answers.expectDialog<CChooseRegCpsDlg>("chooser", [&](CChooseRegCpsDlg* dialog) {
            title = dialog->windowTitle();
            modelShown = dialog->ModelBox()->isVisible();
            model = dialog->ModelBox()->currentText();
            dialog->PortBox()->setEditText(QString::fromStdString(radio.devicePath()));
            dialog->accept();
        });
        answers.expectMessage(QMessageBox::Yes);
        answers.expectMessage(QMessageBox::Ok);
        main.RunCommand(ID_EDIT_WRITE_DEVICE);
        QVERIFY2(answers.waitDone(kTransferWaitMs), qPrintable(Failures(answers)));
        QCOMPARE(title, QStringLiteral("Write option"));
        QVERIFY(!modelShown);
        QCOMPARE(model, QStringLiteral("GX5"));
        const vdtest::SeenMessage& question = answers.messages().at(0);
        QCOMPARE(question.text, QStringLiteral("Do you want to write it?"));
        QCOMPARE(question.icon, int(QMessageBox::Question));
        QVERIFY(question.buttons.contains("YES") && question.buttons.contains("NO"));
        QVERIFY(answers.messages().at(1).text.startsWith(
            QStringLiteral("Host write all dataData write completed\nVerified")));
        QVERIFY(radio.waitForWrittenImage());
        // what the radio holds now is this document
        const std::string written = radio.writtenImage();
        std::unique_ptr<HamCpsControl> decoded = ProjectFile::New("GX5");
        QVERIFY(decoded->ImportImage(ByteVector(written.begin(), written.end())));
        QCOMPARE(Value(*decoded, "radioName"), std::string("Written"));
        QCOMPARE(main.Frames().size(), 1); // a write never closes the document
    }

    void writeDeviceAnsweredNoSendsNothing() {
        RadioSimProcess radio({"--model", "GX5"});
        CMainFrame& main = Start();
        NewGx5Document(main);
        ModalAnswers answers;
        answers.expectDialog<CChooseRegCpsDlg>("chooser", [&](CChooseRegCpsDlg* dialog) {
            dialog->PortBox()->setEditText(QString::fromStdString(radio.devicePath()));
            dialog->accept();
        });
        answers.expectMessage(QMessageBox::No);
        main.RunCommand(ID_EDIT_WRITE_DEVICE);
        QVERIFY2(answers.waitDone(), qPrintable(Failures(answers)));
        QCOMPARE(int(answers.messages().size()), 1);
        // the port was never opened: the radio heard nothing
        QVERIFY(radio.transcript().find("host>radio") == std::string::npos);
        QCOMPARE(main.Frames().size(), 1);
    }

private:
    CMainFrame& Start() {
        app_ = std::make_unique<CValdrenCpsApp>(BuildVariant::Ordinary);
        if (!app_->InitInstance({"ValdrenCps"})) {
            qFatal("the application did not start");
        }
        return *app_->MainFrame();
    }

    /// A GX5 image of a radio with that name, as a file for the simulated radio.
    std::string RadioImage(const std::string& radioName) {
        std::unique_ptr<HamCpsControl> control = ProjectFile::New("GX5");
        ByteVector image;
        if (!control) {
            qFatal("no GX5 control");
        }
        control->SetValueByName("radioName", radioName);
        if (!control->GenerateImage(image, 1)) {
            qFatal("no GX5 image");
        }
        const std::string path = env_->folder().file(radioName + ".bin").string();
        WriteImageFile(path, image);
        return path;
    }

    static void Choose(CChooseRegCpsDlg* dialog, const char* model, const std::string& port) {
        dialog->ModelBox()->setCurrentText(QString::fromLatin1(model));
        dialog->PortBox()->setEditText(QString::fromStdString(port));
        dialog->accept();
    }

    void NewGx5Document(CMainFrame& main) {
        ModalAnswers answers;
        answers.expectDialog<CChooseRegCpsDlg>("chooser", [](CChooseRegCpsDlg* dialog) {
            dialog->ModelBox()->setCurrentText(QStringLiteral("GX5"));
            dialog->accept();
        });
        main.RunCommand(ID_FILE_NEW);
        QVERIFY(answers.waitDone());
        QCOMPARE(main.Frames().size(), 1);
    }

    std::unique_ptr<UiTestEnvironment> env_;
    std::unique_ptr<CValdrenCpsApp> app_;
};

QTEST_MAIN(DeviceTest)
#include "DeviceTest.moc"
