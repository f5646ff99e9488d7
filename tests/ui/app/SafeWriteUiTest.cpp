// Device > Restore Backup... and Device > Compare with Radio... through the windows against a
// simulated GX5 radio, every dialog answered as a person would.
#include "document/BackupStore.h"
#include "document/ImageFile.h"
#include "tests/support/RadioSim.h"
#include "tests/ui/app/UiTestSupport.h"
#include "ui/app/CValdrenCpsApp.h"
#include "ui/dialogs/CBackupListDlg.h"
#include "ui/dialogs/CDifferencesDlg.h"
#include "ui/frames/CChildFrame.h"
#include "ui/frames/CMainFrame.h"
#include "ui/frames/UiConstants.h"
#include "ui/panes/CFunctionPane.h"
#include "ui/panes/CFunctionTree.h"

#include <QMessageBox>
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

class SafeWriteUiTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        env_ = std::make_unique<UiTestEnvironment>();
        env_->writeIni("[GX5]\nread_time_interval=5\nwrite_time_interval=5\n");
    }
    void cleanup() { VD_UI_CLEANUP(env_, app_); }

    void restoreBackupWritesTheChosenOneAfterBackingUpTheRadio() {
        const std::filesystem::path backups = env_->folder().file("backups");
        std::filesystem::create_directories(backups);
        WriteImageFile((backups / "GX5-20240101-120000.bin").string(), Gx5Image("Older"));
        WriteImageFile((backups / "GX5-20250101-120000.bin").string(), Gx5Image("Newer"));
        WriteImageFile((backups / "GX5G-20260101-120000.bin").string(), Gx5Image("Other"));
        const std::string current = env_->folder().file("current.bin").string();
        WriteImageFile(current, Gx5Image("Current"));
        RadioSimProcess radio({"--model", "GX5", "--image", current});
        CMainFrame& main = vdtest::StartApp(app_);
        QVERIFY(vdtest::NewDocument(main));

        ModalAnswers answers;
        QStringList listed;
        answers.expectDialog<CBackupListDlg>("backups", [&](CBackupListDlg* dialog) {
            for (int i = 0; i < dialog->List()->topLevelItemCount(); ++i) {
                listed << dialog->List()->topLevelItem(i)->text(1);
            }
            dialog->List()->setCurrentItem(dialog->List()->topLevelItem(1));
            dialog->accept();
        });
        answers.expectChooser({}, radio.devicePath());
        answers.expectMessage(QMessageBox::Yes);
        answers.expectMessage(QMessageBox::Ok);
        main.RunCommand(ID_RESTORE_BACKUP);
        QVERIFY2(answers.waitDone(kTransferWaitMs), qPrintable(answers.failures().join('\n')));
        QCOMPARE(listed, QStringList({"2025-01-01 12:00:00", "2024-01-01 12:00:00"}));
        QCOMPARE(answers.messages().at(0).text,
                 QStringLiteral("Do you want to write it?\nGX5 on ") +
                     QString::fromStdString(radio.devicePath()));
        const QString result = answers.messages().at(1).text;
        QVERIFY2(result.contains("Verified"), qPrintable(result));
        QVERIFY(radio.waitForWrittenImage());
        QCOMPARE(RadioName(radio.writtenImage()), std::string("Older"));
        // the radio as it was before is the newest backup now
        const auto after = BackupStore::List(backups.string(), "GX5");
        QCOMPARE(int(after.size()), 3);
        QCOMPARE(RadioName(vdtest::readFile(after.front().path)), std::string("Current"));
    }

    void compareWithRadioListsDifferencesAndGoesToThem() {
        const std::string image = env_->folder().file("summit.bin").string();
        WriteImageFile(image, Gx5Image("Summit"));
        RadioSimProcess radio({"--model", "GX5", "--image", image});
        CMainFrame& main = vdtest::StartApp(app_);
        QVERIFY(vdtest::NewDocument(main));
        CChildFrame& frame = *main.CurrentFrame();
        HamCpsControl& control = *frame.GetDocument().Control();
        control.SetValueByName("radioName", "Valley");
        ElementList names;
        control.GetElementsByName("radioName", names);
        const std::string chapter = names.front()->parentID;

        ModalAnswers answers;
        answers.expectChooser({}, radio.devicePath());
        answers.expectMessage(QMessageBox::Ok);
        QStringList row;
        std::string shown;
        answers.expectDialog<CDifferencesDlg>("differences", [&](CDifferencesDlg* dialog) {
            const auto found =
                dialog->List()->findItems(QStringLiteral("radioName"), Qt::MatchExactly, 1);
            if (!found.isEmpty()) {
                row = QStringList{found[0]->text(2), found[0]->text(3)};
                dialog->List()->setCurrentItem(found[0]);
                emit dialog->List()->itemActivated(found[0], 0);
                shown = CFunctionTree::SplitDatum(frame.FunctionPane()->Tree().currentItem()).first;
            }
            dialog->accept();
        });
        main.RunCommand(ID_COMPARE_WITH_RADIO);
        QVERIFY2(answers.waitDone(kTransferWaitMs), qPrintable(answers.failures().join('\n')));
        QCOMPARE(row, QStringList({"Summit", "Valley"}));
        QCOMPARE(shown, chapter);
        QCOMPARE(radio.transcript().find("write session ended"), std::string::npos);
    }

private:
    std::unique_ptr<UiTestEnvironment> env_;
    std::unique_ptr<CValdrenCpsApp> app_;
};

QTEST_MAIN(SafeWriteUiTest)
#include "SafeWriteUiTest.moc"
