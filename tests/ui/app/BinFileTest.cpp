// The factory build's Generate Bin File and Read Bin File from the menus, with the file
// dialogs answered.
#include "tests/ui/app/UiTestSupport.h"
#include "ui/app/CValdrenCpsApp.h"
#include "ui/dialogs/CChooseRegCpsDlg.h"
#include "ui/frames/CChildFrame.h"
#include "ui/frames/CMainFrame.h"
#include "ui/frames/UiConstants.h"

#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <filesystem>
#include <memory>

using namespace vd;
using namespace vd::ui;
using vdtest::ModalAnswers;
using vdtest::UiTestEnvironment;

namespace {

/// Answers a file dialog with path, or cancels it when path is empty.
std::function<void(QFileDialog*)> AnswerFile(const QString& path, QFileDialog::AcceptMode* mode) {
    return [path, mode](QFileDialog* dialog) {
        *mode = dialog->acceptMode();
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog's own is protected
    };
}

void ChooseGx5(CChooseRegCpsDlg* dialog) {
    dialog->ModelBox()->setCurrentText(QStringLiteral("GX5"));
    dialog->accept();
}

} // namespace

class BinFileTest : public QObject {
    Q_OBJECT

private slots:
    void init() { env_ = std::make_unique<UiTestEnvironment>(); }
    void cleanup() {
        vdtest::closeModalWindows();
        app_.reset();
        env_.reset();
    }

    void generatedImageReadsBackIntoANewWindow() {
        CMainFrame& main = Start();
        const QString image = QString::fromStdString(env_->folder().file("radio.bin").string());
        ModalAnswers answers;
        QFileDialog::AcceptMode saveMode = QFileDialog::AcceptOpen;
        answers.expectDialog<CChooseRegCpsDlg>("chooser", ChooseGx5);
        main.RunCommand(ID_FILE_NEW);
        answers.expectDialog<QFileDialog>("save dialog", AnswerFile(image, &saveMode));
        answers.expectMessage(QMessageBox::Ok);
        main.RunCommand(ID_GENERATE_BIN_FILE);
        QVERIFY2(answers.waitDone(), qPrintable(answers.failures().join('\n')));
        QCOMPARE(saveMode, QFileDialog::AcceptSave);
        QCOMPARE(answers.messages().back().text, QStringLiteral("OK"));
        QCOMPARE(answers.messages().back().icon, int(QMessageBox::Warning)); // no icon given
        QVERIFY(std::filesystem::file_size(image.toStdString()) > 0);

        QFileDialog::AcceptMode openMode = QFileDialog::AcceptSave;
        QString chooserTitle;
        answers.expectDialog<CChooseRegCpsDlg>("chooser", [&](CChooseRegCpsDlg* dialog) {
            chooserTitle = dialog->windowTitle();
            ChooseGx5(dialog);
        });
        answers.expectDialog<QFileDialog>("open dialog", AnswerFile(image, &openMode));
        answers.expectMessage(QMessageBox::Ok);
        main.RunCommand(ID_READ_BIN_FILE);
        QVERIFY2(answers.waitDone(), qPrintable(answers.failures().join('\n')));
        QCOMPARE(chooserTitle, QStringLiteral("Read option"));
        QCOMPARE(openMode, QFileDialog::AcceptOpen);
        QCOMPARE(answers.messages().back().text, QStringLiteral("OK"));
        QCOMPARE(answers.messages().back().icon, int(QMessageBox::Information));
        QCOMPARE(main.Frames().size(), 2);
    }

    void generateCancelledIsReported() {
        CMainFrame& main = Start();
        ModalAnswers answers;
        QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
        answers.expectDialog<CChooseRegCpsDlg>("chooser", ChooseGx5);
        main.RunCommand(ID_FILE_NEW);
        answers.expectDialog<QFileDialog>("save dialog", AnswerFile(QString(), &mode));
        answers.expectMessage(QMessageBox::Ok);
        main.RunCommand(ID_GENERATE_BIN_FILE);
        QVERIFY(answers.waitDone());
        QCOMPARE(answers.messages().back().text, QStringLiteral("Generate bin cancel!"));
        QCOMPARE(main.Frames().size(), 1);
    }

    void rejectedImageClosesTheNewWindow() {
        const QString junk =
            QString::fromStdString(env_->folder().write("junk.bin", "too short").string());
        CMainFrame& main = Start();
        ModalAnswers answers;
        QFileDialog::AcceptMode mode = QFileDialog::AcceptSave;
        answers.expectDialog<CChooseRegCpsDlg>("chooser", ChooseGx5);
        answers.expectDialog<QFileDialog>("open dialog", AnswerFile(junk, &mode));
        answers.expectMessage(QMessageBox::Ok);
        main.RunCommand(ID_READ_BIN_FILE);
        QVERIFY2(answers.waitDone(), qPrintable(answers.failures().join('\n')));
        QVERIFY(answers.messages().back().text.contains(QStringLiteral("52404 to 65466 bytes")));
        QCOMPARE(answers.messages().back().icon, int(QMessageBox::Critical));
        QTRY_VERIFY_WITH_TIMEOUT(main.Frames().isEmpty(), vdtest::kWindowWaitMs);
    }

    void cancelledFileDialogClosesTheNewWindowSilently() {
        CMainFrame& main = Start();
        ModalAnswers answers;
        QFileDialog::AcceptMode mode = QFileDialog::AcceptSave;
        answers.expectDialog<CChooseRegCpsDlg>("chooser", ChooseGx5);
        answers.expectDialog<QFileDialog>("open dialog", AnswerFile(QString(), &mode));
        main.RunCommand(ID_READ_BIN_FILE);
        QVERIFY(answers.waitDone());
        QVERIFY(answers.messages().empty());
        QTRY_VERIFY_WITH_TIMEOUT(main.Frames().isEmpty(), vdtest::kWindowWaitMs);
    }

private:
    CMainFrame& Start() {
        app_ = std::make_unique<CValdrenCpsApp>(BuildVariant::Factory);
        if (!app_->InitInstance({"ValdrenCps_factory"})) {
            qFatal("the application did not start");
        }
        return *app_->MainFrame();
    }

    std::unique_ptr<UiTestEnvironment> env_;
    std::unique_ptr<CValdrenCpsApp> app_;
};

QTEST_MAIN(BinFileTest)
#include "BinFileTest.moc"
