// The language switch: the Language menu, the stored code, the fallback to English and the
// windows that follow the change.
#include "app/LanguageCode.h"
#include "tests/ui/app/UiTestSupport.h"
#include "ui/app/CValdrenCpsApp.h"
#include "ui/dialogs/CChooseRegCpsDlg.h"
#include "ui/dialogs/COptionDlg.h"
#include "ui/frames/CChildFrame.h"
#include "ui/frames/CMainFrame.h"
#include "ui/frames/UiConstants.h"

#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <memory>

using namespace vd;
using namespace vd::ui;
using vdtest::ModalAnswers;
using vdtest::UiTestEnvironment;

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void init() { env_ = std::make_unique<UiTestEnvironment>(); }
    void cleanup() {
        vdtest::closeModalWindows();
        app_.reset();
        env_.reset();
    }

    void switchToChineseAndBack() {
        CMainFrame& main = Start();
        CChildFrame* frame = NewDocument(main);
        QVERIFY(frame);
        QCOMPARE(MenuTitles(main).value(0), QStringLiteral("&File"));
        QVERIFY(DockTitles(*frame).contains(QStringLiteral("Function View")));

        main.RunCommand(ID_LANGUAGE_CHINESE);
        QCOMPARE(CurrentLanguageCode(), std::string("CHN"));
        QVERIFY(env_->ini().find("language=CHN") != std::string::npos);
        QCOMPARE(MenuTitles(main), (QStringList{"文件(&F)", "编辑(&E)", "视图(&V)", "设备(&D)",
                                                "窗口(&W)", "语言(&L)", "帮助(&H)"}));
        QCOMPARE(main.Action(ID_READ_DEVICE)->text(), QStringLiteral("读频(&R)"));
        QVERIFY(DockTitles(*frame).contains(QStringLiteral("功能视图")));
        QVERIFY(DockTitles(*frame).contains(QStringLiteral("输出")));
        QVERIFY(main.Action(ID_LANGUAGE_CHINESE)->isChecked());

        main.RunCommand(ID_LANGUAGE_ENGLISH);
        QCOMPARE(CurrentLanguageCode(), std::string("ENG"));
        QVERIFY(env_->ini().find("language=ENG") != std::string::npos);
        QCOMPARE(MenuTitles(main).value(0), QStringLiteral("&File"));
        QCOMPARE(main.Action(ID_READ_DEVICE)->text(), QStringLiteral("&Read Device"));
        QVERIFY(DockTitles(*frame).contains(QStringLiteral("Function View")));
        QVERIFY(main.Action(ID_LANGUAGE_ENGLISH)->isChecked());
    }

    void storedChineseAppliesFromTheStart() {
        env_->writeIni("[Option]\nlanguage=CHN\n");
        SetCurrentLanguageCode(""); // read again from cps.ini, as in a fresh process
        CMainFrame& main = Start();
        QCOMPARE(MenuTitles(main).value(0), QStringLiteral("文件(&F)"));
        QCOMPARE(env_->ini(), std::string("[Option]\nlanguage=CHN\n"));
    }

    void unknownCodeFallsBackToEnglish() {
        env_->writeIni("[Option]\nlanguage=XYZ\n");
        SetCurrentLanguageCode("");
        CMainFrame& main = Start();
        QCOMPARE(MenuTitles(main).value(0), QStringLiteral("&File"));
        QVERIFY2(env_->ini().find("language=ENG") != std::string::npos, env_->ini().c_str());
        // the code that was tried stays current, so choosing English is a change
        QCOMPARE(CurrentLanguageCode(), std::string("XYZ"));
        main.RunCommand(ID_LANGUAGE_ENGLISH);
        QCOMPARE(CurrentLanguageCode(), std::string("ENG"));
    }

    void choosingTheCurrentLanguageDoesNothing() {
        CMainFrame& main = Start();
        main.RunCommand(ID_LANGUAGE_ENGLISH);
        QVERIFY(env_->ini().empty()); // nothing loaded, nothing stored
    }

    void openDialogsFollowTheChange() {
        CMainFrame& main = Start();
        COptionDlg option(&main);
        CChooseRegCpsDlg chooser(2, QStringLiteral("GX5"), &main);
        QCOMPARE(option.windowTitle(), QStringLiteral("Option"));
        main.RunCommand(ID_LANGUAGE_CHINESE);
        // Qt tells every window of the new translations through a posted event
        QTRY_COMPARE_WITH_TIMEOUT(option.windowTitle(), QStringLiteral("选项"),
                                  vdtest::kWindowWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(chooser.windowTitle(), QStringLiteral("写频选项"),
                                  vdtest::kWindowWaitMs);
    }

    void messagesAndChooserInChinese() {
        CMainFrame& main = Start();
        main.RunCommand(ID_LANGUAGE_CHINESE);
        ModalAnswers answers;
        QString title;
        answers.expectDialog<CChooseRegCpsDlg>("chooser", [&title](CChooseRegCpsDlg* dialog) {
            title = dialog->windowTitle();
            dialog->reject();
        });
        main.RunCommand(ID_FILE_NEW);
        QVERIFY(answers.waitDone());
        QCOMPARE(title, QStringLiteral("新建工程：选择对讲机型号"));
    }

private:
    CMainFrame& Start() {
        app_ = std::make_unique<CValdrenCpsApp>(BuildVariant::Ordinary);
        if (!app_->InitInstance({"ValdrenCps"})) {
            qFatal("the application did not start");
        }
        return *app_->MainFrame();
    }

    CChildFrame* NewDocument(CMainFrame& main) {
        ModalAnswers answers;
        answers.expectDialog<CChooseRegCpsDlg>("chooser",
                                               [](CChooseRegCpsDlg* dialog) { dialog->accept(); });
        main.RunCommand(ID_FILE_NEW);
        answers.waitDone();
        return main.CurrentFrame();
    }

    static QStringList MenuTitles(CMainFrame& main) {
        QStringList titles;
        for (QAction* action : main.menuBar()->actions()) {
            titles << action->text();
        }
        return titles;
    }

    static QStringList DockTitles(CChildFrame& frame) {
        QStringList titles;
        for (QDockWidget* dock : frame.findChildren<QDockWidget*>()) {
            titles << dock->windowTitle();
        }
        return titles;
    }

    std::unique_ptr<UiTestEnvironment> env_;
    std::unique_ptr<CValdrenCpsApp> app_;
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
