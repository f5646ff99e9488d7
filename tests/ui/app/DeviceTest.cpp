// The Device menu through the windows against simulated radios: Read Device with its password
// and Cancel, Write Device, Restore Backup, Compare with Radio and Program Several Radios. What
// the operations do behind the windows is the document and command-line tests' concern; here,
// that each window comes, takes the answer and passes it on.
#include "document/ImageFile.h"
#include "document/ProjectFile.h"
#include "tests/support/ModelHelpers.h"
#include "tests/support/RadioSim.h"
#include "tests/ui/app/UiTestSupport.h"
#include "ui/app/CValdrenCpsApp.h"
#include "ui/dialogs/CBackupListDlg.h"
#include "ui/dialogs/CDifferencesDlg.h"
#include "ui/dialogs/CInputStringDlg.h"
#include "ui/dialogs/CProcTip2Dlg.h"
#include "ui/dialogs/FleetDlg.h"
#include "ui/frames/CChildFrame.h"
#include "ui/frames/CMainFrame.h"
#include "ui/frames/COutputWnd.h"
#include "ui/frames/UiConstants.h"
#include "ui/panes/CFunctionPane.h"
#include "ui/panes/CFunctionTree.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <memory>

using namespace vd;
using namespace vd::ui;
using vdtest::Gx5Image;
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
        answers.expectChooser("GX5", radio.devicePath());
        answers.expectDialog<CInputStringDlg>("password", [](CInputStringDlg* dialog) {
            dialog->Edit()->setText(QStringLiteral("1234"));
            dialog->accept();
        });
        answers.expectMessage(QMessageBox::Ok);
        main.RunCommand(ID_READ_DEVICE);
        // the window stands before the read starts a second later
        QCOMPARE(main.Frames().size(), 1);
        QVERIFY2(answers.waitDone(kTransferWaitMs), qPrintable(answers.failures().join('\n')));
        QCOMPARE(main.Frames().size(), 1);
        QCOMPARE(vdtest::Setting(*main.CurrentFrame()->GetDocument().Control(), "radioName"),
                 std::string("Locked"));
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
        QTRY_VERIFY_WITH_TIMEOUT(main.Frames().isEmpty(), vdtest::kWindowWaitMs);
    }

    // No to the question and the texts of both messages: the document tests
    void writeDeviceAsksFirstAndSendsTheDocument() {
        RadioSimProcess radio({"--model", "GX5"});
        CMainFrame& main = vdtest::StartApp(app_);
        vdtest::NewDocument(main);
        main.CurrentFrame()->GetDocument().Control()->SetValueByName("radioName", "Written");
        ModalAnswers answers;
        ExpectConfirmedWrite(answers, radio);
        main.RunCommand(ID_EDIT_WRITE_DEVICE);
        QVERIFY2(answers.waitDone(kTransferWaitMs), qPrintable(answers.failures().join('\n')));
        QVERIFY(radio.waitForWrittenImage());
        // what the radio holds now is this document (of the model the chooser was preset with)
        QCOMPARE(RadioName(radio.writtenImage()), std::string("Written"));
        QCOMPARE(main.Frames().size(), 1); // a write never closes the document
    }

    // the factory build: Generate Bin File saves an image, Read Bin File reads it into a new
    // window, and a cancelled open closes that window again
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
        QVERIFY(std::filesystem::file_size(image.toStdString()) > 0);

        int openMode = QFileDialog::AcceptSave;
        answers.expectChooser("GX5");
        answers.expectFile("open dialog", image, &openMode);
        answers.expectMessage(QMessageBox::Ok);
        main.RunCommand(ID_READ_BIN_FILE);
        QVERIFY2(answers.waitDone(), qPrintable(answers.failures().join('\n')));
        QCOMPARE(openMode, int(QFileDialog::AcceptOpen));
        QCOMPARE(main.Frames().size(), 2);

        answers.expectChooser("GX5");
        answers.expectFile("open dialog", QString());
        main.RunCommand(ID_READ_BIN_FILE);
        QVERIFY2(answers.waitDone(), qPrintable(answers.failures().join('\n')));
        QTRY_COMPARE_WITH_TIMEOUT(main.Frames().size(), 2, vdtest::kWindowWaitMs);
    }

    // which backups are listed, newest first, and the backup taken before: the document and
    // command-line safe-write tests
    void restoreBackupWritesTheChosenOne() {
        FastRadio();
        const std::filesystem::path backups = env_->folder().file("backups");
        std::filesystem::create_directories(backups);
        WriteImageFile((backups / "GX5-20240101-120000.bin").string(), Gx5Image("Older"));
        WriteImageFile((backups / "GX5-20250101-120000.bin").string(), Gx5Image("Newer"));
        RadioSimProcess radio({"--model", "GX5", "--image", RadioImage("Current")});
        CMainFrame& main = vdtest::StartApp(app_);
        QVERIFY(vdtest::NewDocument(main));

        ModalAnswers answers;
        answers.expectDialog<CBackupListDlg>("backups", [](CBackupListDlg* dialog) {
            dialog->List()->setCurrentItem(dialog->List()->topLevelItem(1));
            dialog->accept();
        });
        ExpectConfirmedWrite(answers, radio);
        main.RunCommand(ID_RESTORE_BACKUP);
        QVERIFY2(answers.waitDone(kTransferWaitMs), qPrintable(answers.failures().join('\n')));
        QVERIFY(radio.waitForWrittenImage());
        QCOMPARE(RadioName(radio.writtenImage()), std::string("Older"));
    }

    // the differences themselves: the document's diff tests
    void compareWithRadioListsDifferencesAndGoesToThem() {
        FastRadio();
        RadioSimProcess radio({"--model", "GX5", "--image", RadioImage("Summit")});
        CMainFrame& main = vdtest::StartApp(app_);
        QVERIFY(vdtest::NewDocument(main));
        CChildFrame& frame = *main.CurrentFrame();
        frame.GetDocument().Control()->SetValueByName("radioName", "Valley");

        ModalAnswers answers;
        answers.expectChooser({}, radio.devicePath());
        answers.expectMessage(QMessageBox::Ok);
        std::string shown;
        answers.expectDialog<CDifferencesDlg>("differences", [&](CDifferencesDlg* dialog) {
            const auto found =
                dialog->List()->findItems(QStringLiteral("radioName"), Qt::MatchExactly, 1);
            if (!found.isEmpty()) {
                dialog->List()->setCurrentItem(found[0]);
                emit dialog->List()->itemActivated(found[0], 0);
                shown = CFunctionTree::SplitDatum(frame.FunctionPane()->Tree().currentItem()).first;
            }
            dialog->accept();
        });
        main.RunCommand(ID_COMPARE_WITH_RADIO);
        QVERIFY2(answers.waitDone(kTransferWaitMs), qPrintable(answers.failures().join('\n')));
        ElementList names; // the chapter of the setting is shown
        frame.GetDocument().Control()->GetElementsByName("radioName", names);
        QCOMPARE(shown, names.front()->parentID);
        QCOMPARE(radio.transcript().find("write session ended"), std::string::npos);
    }

    // the results, the failures, the refusals and the CSV report: the fleet tests of the
    // document and vdcps
    void programSeveralRadiosShowsTheResultAndTheRefusal() {
        FastRadio();
        const std::string project = env_->folder().file("plan.vdcps").string();
        QVERIFY(ProjectFile::Save(*ProjectFile::New("GX5"), project));
        RadioSimProcess good({"--model", "GX5"});
        FleetDlg dialog(QString::fromStdString(project));
        dialog.show();
        const QString port = QString::fromStdString(good.devicePath());
        auto* item = new QListWidgetItem(port, dialog.ports());
        item->setData(Qt::UserRole, port);
        item->setCheckState(Qt::Checked);
        const std::string values = "port,radioName\n" + good.devicePath() + ",";
        dialog.valuesFile()->setText(QString::fromStdString(
            env_->folder().write("refused.csv", values + "ThisNameIsFarTooLong\n").string()));
        QVERIFY(!dialog.Start());
        QVERIFY2(dialog.StatusText().contains("ThisNameIsFarTooLong"),
                 qPrintable(dialog.StatusText()));
        dialog.valuesFile()->setText(
            QString::fromStdString(env_->folder().write("good.csv", values + "Alpha\n").string()));
        QVERIFY(dialog.Start());
        QVERIFY(dialog.cancelButton()->isEnabled()); // the window stays usable meanwhile
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.Running(), kTransferWaitMs);
        QCOMPARE(dialog.ResultText(0), QString("written and verified"));
    }

private:
    /// The answers a write takes: the simulated radio's port, Yes to the question, the result's Ok.
    static void ExpectConfirmedWrite(ModalAnswers& answers, const RadioSimProcess& radio) {
        answers.expectChooser({}, radio.devicePath());
        answers.expectMessage(QMessageBox::Yes);
        answers.expectMessage(QMessageBox::Ok);
    }

    /// A GX5 image of a radio with that name, as a file for the simulated radio.
    std::string RadioImage(const std::string& radioName) {
        const std::string path = env_->folder().file(radioName + ".bin").string();
        WriteImageFile(path, Gx5Image(radioName));
        return path;
    }
    /// Short pauses between blocks for the transfers that are not cancelled halfway.
    void FastRadio() { env_->writeIni("[GX5]\nread_time_interval=5\nwrite_time_interval=5\n"); }

    std::unique_ptr<UiTestEnvironment> env_;
    std::unique_ptr<CValdrenCpsApp> app_;
};

QTEST_MAIN(DeviceTest)
#include "DeviceTest.moc"
