// Read Device, Write Device and the factory build's image-file commands from the menus, with
// every window answered as a person would: the chooser, the password, Cancel in the progress
// dialog, the file dialogs, the question and the result messages. What the operations do
// behind the windows is the document tests' concern.
#include "document/ImageFile.h"
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
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <filesystem>
#include <memory>

using namespace vd;
using namespace vd::ui;
using vdtest::kTransferWaitMs;
using vdtest::ModalAnswers;
using vdtest::RadioName;
using vdtest::RadioSimProcess;
using vdtest::UiTestEnvironment;

class DeviceTest : public QObject {
    Q_OBJECT

private slots:
    void init() { env_ = std::make_unique<UiTestEnvironment>(); }
    void cleanup() { VD_UI_CLEANUP(env_, app_); }

    void readDeviceAsksThePasswordAndFillsTheNewWindow() {
        RadioSimProcess radio(
            {"--model", "GX5", "--image", RadioImage("Locked"), "--password", "1234"});
        CMainFrame& main = vdtest::StartApp(app_);
        ModalAnswers answers;
        QString title;
        QString prompt;
        answers.expectChooser("GX5", radio.devicePath(), &title);
        answers.expectDialog<CInputStringDlg>("password", [&](CInputStringDlg* dialog) {
            prompt = dialog->windowTitle() + '/' + dialog->findChild<QLabel*>()->text();
            dialog->Edit()->setText(QStringLiteral("1234"));
            dialog->accept();
        });
        answers.expectMessage(QMessageBox::Ok);
        main.RunCommand(ID_READ_DEVICE);
        // the window stands before the read starts a second later
        QCOMPARE(main.Frames().size(), 1);
        QVERIFY2(answers.waitDone(kTransferWaitMs), qPrintable(answers.failures().join('\n')));
        QCOMPARE(title, QStringLiteral("Read option"));
        QCOMPARE(prompt, QStringLiteral("Please input/Please input the read password"));
        QCOMPARE(answers.messages().front().text,
                 QStringLiteral("Host read all data\nData read completed"));
        QCOMPARE(answers.messages().front().icon, int(QMessageBox::Information));
        QCOMPARE(main.Frames().size(), 1);
        QCOMPARE(RadioName(*main.CurrentFrame()->GetDocument().Control()), std::string("Locked"));
        // the output pane kept every step; the read ended with its last block
        const QStringList lines = main.CurrentFrame()->OutputPane()->Lines();
        QVERIFY(!lines.filter(QRegularExpression("^Host read all data (\\d+)/\\1$")).isEmpty());
    }

    // a failed read closes the window whatever the cause; the causes: the document tests
    void cancelledReadIsReportedAndTheWindowClosed() {
        // the radio answers slowly, so the read is still running when Cancel is pressed
        RadioSimProcess radio(
            {"--model", "GX5", "--image", RadioImage("Slow"), "--byte-delay-us", "20"});
        CMainFrame& main = vdtest::StartApp(app_);
        ModalAnswers answers;
        answers.expectChooser("GX5", radio.devicePath());
        answers.expect(
            "progress of the read",
            [](QWidget* window) {
                auto* progress = qobject_cast<CProcTip2Dlg*>(window);
                return progress && progress->Text().startsWith("Host read all data");
            },
            [](QWidget* window) { qobject_cast<CProcTip2Dlg*>(window)->CancelButton()->click(); });
        answers.expectMessage(QMessageBox::Ok);
        main.RunCommand(ID_READ_DEVICE);
        QVERIFY2(answers.waitDone(kTransferWaitMs), qPrintable(answers.failures().join('\n')));
        QCOMPARE(answers.messages().front().text, QStringLiteral("Host read all data\nbreak!"));
        QCOMPARE(answers.messages().front().icon, int(QMessageBox::Information));
        QTRY_VERIFY_WITH_TIMEOUT(main.Frames().isEmpty(), vdtest::kWindowWaitMs);
    }

    void writeDeviceAsksFirstAndSendsTheDocument() {
        RadioSimProcess radio({"--model", "GX5"});
        CMainFrame& main = vdtest::StartApp(app_);
        vdtest::NewDocument(main);
        main.CurrentFrame()->GetDocument().Control()->SetValueByName("radioName", "Written");
        QString title;
        QString model;
        const auto chooser = [&](CChooseRegCpsDlg* dialog) {
            title = dialog->windowTitle();
            model = dialog->ModelBox()->currentText();
            dialog->PortBox()->setEditText(QString::fromStdString(radio.devicePath()));
            dialog->accept();
        };
        // No: the port is never opened, the radio hears nothing
        ModalAnswers no;
        no.expectDialog<CChooseRegCpsDlg>("chooser", chooser);
        no.expectMessage(QMessageBox::No);
        main.RunCommand(ID_EDIT_WRITE_DEVICE);
        QVERIFY2(no.waitDone(), qPrintable(no.failures().join('\n')));
        QCOMPARE(int(no.messages().size()), 1);
        QVERIFY(radio.transcript().find("host>radio") == std::string::npos);

        ModalAnswers answers;
        answers.expectDialog<CChooseRegCpsDlg>("chooser", chooser);
        answers.expectMessage(QMessageBox::Yes);
        answers.expectMessage(QMessageBox::Ok);
        main.RunCommand(ID_EDIT_WRITE_DEVICE);
        QVERIFY2(answers.waitDone(kTransferWaitMs), qPrintable(answers.failures().join('\n')));
        QCOMPARE(title, QStringLiteral("Write option"));
        QCOMPARE(model, QStringLiteral("GX5"));
        const vdtest::SeenMessage& question = answers.messages().at(0);
        QCOMPARE(question.text, QStringLiteral("Do you want to write it?\nGX5 on ") +
                                    QString::fromStdString(radio.devicePath()));
        QCOMPARE(question.icon, int(QMessageBox::Question));
        QVERIFY(question.buttons.contains("YES") && question.buttons.contains("NO"));
        QVERIFY(answers.messages().at(1).text.startsWith(
            QStringLiteral("Host write all data\nData write completed\nVerified")));
        QVERIFY(radio.waitForWrittenImage());
        // what the radio holds now is this document
        QCOMPARE(RadioName(radio.writtenImage()), std::string("Written"));
        QCOMPARE(main.Frames().size(), 1); // a write never closes the document
    }

    void generatedImageReadsBackIntoANewWindowAndAnUnreadOneClosesIt() {
        CMainFrame& main = vdtest::StartApp(app_, BuildVariant::Factory, {"ValdrenCps_factory"});
        vdtest::NewDocument(main);
        const QString image = QString::fromStdString(env_->folder().file("radio.bin").string());
        ModalAnswers answers;
        int saveMode = QFileDialog::AcceptOpen;
        answers.expectFile("save dialog", QString(), &saveMode);
        answers.expectMessage(QMessageBox::Ok);
        answers.expectFile("save dialog", image, &saveMode);
        answers.expectMessage(QMessageBox::Ok);
        main.RunCommand(ID_GENERATE_BIN_FILE);
        main.RunCommand(ID_GENERATE_BIN_FILE);
        QVERIFY2(answers.waitDone(), qPrintable(answers.failures().join('\n')));
        QCOMPARE(saveMode, int(QFileDialog::AcceptSave));
        QCOMPARE(answers.messages().at(0).text, QStringLiteral("Generate bin cancel!"));
        QCOMPARE(answers.messages().at(1).text, QStringLiteral("OK"));
        QCOMPARE(answers.messages().at(1).icon, int(QMessageBox::Warning)); // no icon given
        QVERIFY(std::filesystem::file_size(image.toStdString()) > 0);

        int openMode = QFileDialog::AcceptSave;
        QString chooserTitle;
        answers.expectChooser("GX5", {}, &chooserTitle);
        answers.expectFile("open dialog", image, &openMode);
        answers.expectMessage(QMessageBox::Ok);
        main.RunCommand(ID_READ_BIN_FILE);
        QVERIFY2(answers.waitDone(), qPrintable(answers.failures().join('\n')));
        QCOMPARE(chooserTitle, QStringLiteral("Read option"));
        QCOMPARE(openMode, int(QFileDialog::AcceptOpen));
        QCOMPARE(answers.messages().back().text, QStringLiteral("OK"));
        QCOMPARE(answers.messages().back().icon, int(QMessageBox::Information));
        QCOMPARE(main.Frames().size(), 2);

        // a rejected image, then a cancelled file dialog: the new window closes again
        const QString junk =
            QString::fromStdString(env_->folder().write("junk.bin", "too short").string());
        for (const QString& file : {junk, QString()}) {
            answers.expectChooser("GX5");
            answers.expectFile("open dialog", file);
            if (!file.isEmpty()) {
                answers.expectMessage(QMessageBox::Ok);
            }
            main.RunCommand(ID_READ_BIN_FILE);
            QVERIFY2(answers.waitDone(), qPrintable(answers.failures().join('\n')));
            QTRY_COMPARE_WITH_TIMEOUT(main.Frames().size(), 2, vdtest::kWindowWaitMs);
        }
        QVERIFY2(answers.messages().back().text.startsWith(QStringLiteral("an image of 9 bytes")),
                 qPrintable(answers.messages().back().text));
        QCOMPARE(answers.messages().back().icon, int(QMessageBox::Critical));
    }

private:
    /// A GX5 image of a radio with that name, as a file for the simulated radio.
    std::string RadioImage(const std::string& radioName) {
        const std::string path = env_->folder().file(radioName + ".bin").string();
        WriteImageFile(path, vdtest::Gx5Image(radioName));
        return path;
    }

    std::unique_ptr<UiTestEnvironment> env_;
    std::unique_ptr<CValdrenCpsApp> app_;
};

QTEST_MAIN(DeviceTest)
#include "DeviceTest.moc"
