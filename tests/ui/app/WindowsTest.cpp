// The application's start-up, the main window's menus and document windows: new, open, save,
// closing with changes, undo, the problems pane and the language switch.
#include "app/LanguageCode.h"
#include "document/CValdrenCpsDoc.h"
#include "document/ProjectFile.h"
#include "tests/ui/app/UiTestSupport.h"
#include "ui/app/CValdrenCpsApp.h"
#include "ui/dialogs/CChooseRegCpsDlg.h"
#include "ui/dialogs/COptionDlg.h"
#include "ui/frames/CChildFrame.h"
#include "ui/frames/CMainFrame.h"
#include "ui/frames/COutputWnd.h"
#include "ui/frames/CProblemsPane.h"
#include "ui/frames/UiConstants.h"
#include "ui/grid/CGrid2.h"
#include "ui/panes/CFunctionPane.h"
#include "ui/panes/CFunctionTree.h"
#include "ui/table/CListTableView.h"
#include "ui/view/CValdrenCpsView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>
#include <memory>

using namespace vd;
using namespace vd::ui;
using namespace Qt::StringLiterals;
using vdtest::ModalAnswers;
using vdtest::UiTestEnvironment;

namespace {

/// Changes the radio's name as an edit in the grid does; each call gives another name.
void Edit(CChildFrame* frame) {
    static int edits = 0;
    frame->GetDocument().Control()->SetValueByName("radioName", "Trail " + std::to_string(++edits));
    frame->SetModified(QStringLiteral("Edit Radio name"));
}

QMenu* MenuOf(CMainFrame& frame, int command) {
    for (QMenu* menu : frame.findChildren<QMenu*>()) {
        if (menu->actions().contains(frame.Action(command))) {
            return menu;
        }
    }
    return nullptr;
}

} // namespace

class WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { env_ = std::make_unique<UiTestEnvironment>(); }
    void cleanup() { VD_UI_CLEANUP(env_, app_); }

    // the start opens no document whatever the command line, and the builds differ
    void startupAndTheBuildsCommands() {
        const QString project = SaveProject("GX5", "given.vdcps");
        CMainFrame& ordinary =
            vdtest::StartApp(app_, BuildVariant::Ordinary, {"ValdrenCps", project, "--new"});
        QVERIFY(ordinary.isVisible() && ordinary.Frames().isEmpty());
        // nothing is written to cps.ini at start-up, nor when the current language is chosen
        ordinary.RunCommand(ID_LANGUAGE_ENGLISH);
        QVERIFY(env_->ini().empty());
        QVERIFY(!ordinary.Action(ID_READ_BIN_FILE) && !ordinary.Action(ID_GENERATE_BIN_FILE));
        QVERIFY(!ordinary.Action(ID_FILE_SAVE)->isEnabled());
        QVERIFY(!ordinary.Action(ID_EDIT_WRITE_DEVICE)->isEnabled());
        QVERIFY(ordinary.Action(ID_READ_DEVICE)->isEnabled());
        // File New: a document of the chosen model, named after it and the time
        QVERIFY(vdtest::NewDocument(ordinary, "VS31"));
        const QString documentTitle = ordinary.CurrentFrame()->Title();
        QVERIFY2(QRegularExpression("^VS31_\\d{8}_\\d{6}$").match(documentTitle).hasMatch(),
                 qPrintable(documentTitle));
        QCOMPARE(ordinary.windowTitle(), documentTitle + QStringLiteral(" - ValdrenCPS"));
        QVERIFY(ordinary.Action(ID_FILE_SAVE)->isEnabled());
        QVERIFY(ordinary.Action(ID_EDIT_WRITE_DEVICE)->isEnabled());
        CMainFrame& factory = vdtest::StartApp(app_, BuildVariant::Factory);
        QCOMPARE(factory.windowTitle(), QStringLiteral("ValdrenCPS_factory"));
        QCOMPARE(MenuOf(factory, ID_READ_BIN_FILE), MenuOf(factory, ID_READ_DEVICE));
        QCOMPARE(MenuOf(factory, ID_GENERATE_BIN_FILE), MenuOf(factory, ID_READ_DEVICE));
    }

    void listCommandsFollowTheListShown() {
        CMainFrame& main = vdtest::StartApp(app_);
        CChildFrame* frame = vdtest::NewDocument(main);
        QMenu* edit = MenuOf(main, ID_SORT_LIST);
        const int listCommands[] = {ID_SORT_LIST, ID_IMPORT_LIST, ID_EXPORT_LIST, ID_VIEW_TABLE,
                                    ID_EDIT_PASTE_OVER};
        QVERIFY(frame->ShowNode("c0103")); // settings: no list
        emit edit->aboutToShow();
        for (int command : listCommands) {
            QVERIFY(!main.Action(command)->isEnabled());
        }
        QVERIFY(frame->ShowNode("c0109")); // the channels, as a table
        emit edit->aboutToShow();
        QVERIFY(main.Action(ID_VIEW_TABLE)->isChecked());
        for (int command : {ID_SORT_LIST, ID_IMPORT_LIST, ID_EXPORT_LIST}) {
            QVERIFY(main.Action(command)->isEnabled());
        }
        QVERIFY(!main.Action(ID_MOVE_ROWS_UP)->isEnabled()); // no row selected
        auto* view = dynamic_cast<CValdrenCpsView*>(frame->DocumentView());
        view->Table().SelectRecords({view->Table().RowRecordIds().at(3)});
        QVERIFY(main.Action(ID_MOVE_ROWS_UP)->isEnabled()); // without opening the menu
        // Ctrl+C in the table copies the selected rows with their header
        view->Table().Grid().setFocus();
        QTest::keySequence(&view->Table().Grid(), QKeySequence::Copy);
        const QStringList copied = QApplication::clipboard()->text().split(QLatin1Char('\n'));
        QVERIFY2(copied.size() >= 2 && copied[0].startsWith(QStringLiteral("Channel name\t")),
                 qPrintable(copied.join('|')));

        const QString file = QDir(QString::fromStdString(env_->folder().path().string()))
                                 .filePath(QStringLiteral("channels.csv"));
        vdtest::ModalAnswers answers;
        int mode = QFileDialog::AcceptOpen;
        answers.expectFile("export dialog", file, &mode);
        main.RunCommand(ID_EXPORT_LIST);
        QVERIFY2(answers.waitDone(), qPrintable(answers.failures().join('\n')));
        QCOMPARE(mode, int(QFileDialog::AcceptSave));
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readLine().startsWith("ChannelName,RxFrequency,"));
    }

    // File New and Read Device: a cancelled chooser makes no document and says nothing
    void cancelledChooserMakesNoDocument() {
        CMainFrame& main = vdtest::StartApp(app_);
        for (int command : {ID_FILE_NEW, ID_READ_DEVICE}) {
            ModalAnswers answers;
            answers.expectDialog<CChooseRegCpsDlg>(
                "chooser", [](CChooseRegCpsDlg* dialog) { dialog->reject(); });
            main.RunCommand(command);
            QVERIFY(answers.waitDone());
            QVERIFY(main.Frames().isEmpty() && answers.messages().empty());
        }
    }

    // a file of no known model is refused with its name; reopening an open one asks first
    void openShowsARefusalAndAsksBeforeReopening() {
        const QString junk =
            QString::fromStdString(env_->folder().write("junk.vdcps", "<not a project/>").string());
        const QString project = SaveProject("VS46", "reopen.vdcps");
        CMainFrame& main = vdtest::StartApp(app_);
        ModalAnswers answers;
        answers.expectMessage(QMessageBox::Ok);
        QVERIFY(!main.OpenDocumentFile(junk));
        QVERIFY(answers.waitDone());
        QVERIFY(answers.messages().front().text.contains(junk));
        QVERIFY(main.Frames().isEmpty());

        QPointer<CChildFrame> open = main.OpenDocumentFile(project);
        QVERIFY(open);
        Edit(open);
        vdtest::NewDocument(main);
        QVERIFY(main.CurrentFrame() != open);
        answers.expectMessage(QMessageBox::No);
        QCOMPARE(main.OpenDocumentFile(QLatin1Char('"') + project), open.data());
        QVERIFY(answers.waitDone());
        QCOMPARE(answers.messages().at(1).text, QStringLiteral("Do you want to reopen it?"));
        QCOMPARE(main.Frames().size(), 2);
        QCOMPARE(main.CurrentFrame(), open.data());
        QVERIFY(open->IsModified()); // untouched

        // Yes: the changes are asked about first, then the file is opened anew
        answers.expectMessage(QMessageBox::Yes);
        answers.expectMessage(QMessageBox::No);
        CChildFrame* reopened = main.OpenDocumentFile(project);
        QVERIFY2(answers.waitDone(), qPrintable(answers.failures().join('\n')));
        QVERIFY(reopened && reopened != open);
        QTRY_VERIFY_WITH_TIMEOUT(open.isNull(), vdtest::kWindowWaitMs);
        QVERIFY(!reopened->IsModified());
    }

    void closingDocumentsWithChangesAsks() {
        CMainFrame& main = vdtest::StartApp(app_);
        QPointer<CChildFrame> kept = vdtest::NewDocument(main);
        Edit(kept);
        QPointer<CChildFrame> frame = vdtest::NewDocument(main);
        Edit(frame);
        QVERIFY(main.windowTitle().contains(QStringLiteral("* - ValdrenCPS")));
        ModalAnswers answers;
        answers.expectMessage(QMessageBox::Cancel);
        main.RunCommand(ID_FILE_CLOSE);
        QVERIFY(answers.waitDone());
        QVERIFY(answers.messages().front().text.startsWith(QStringLiteral("Save the changes")));
        QCOMPARE(main.Frames().size(), 2);
        QVERIFY(frame->GetDocument().Control()); // nothing was dropped

        answers.expectMessage(QMessageBox::No);
        main.RunCommand(ID_FILE_CLOSE);
        QVERIFY(answers.waitDone());
        QTRY_VERIFY_WITH_TIMEOUT(frame.isNull(), vdtest::kWindowWaitMs);

        // closing the program: Yes saves the last one first
        const QString path = QString::fromStdString(env_->folder().file("kept.vdcps").string());
        answers.expectMessage(QMessageBox::Yes);
        answers.expectFile("save dialog", path);
        main.close();
        QVERIFY2(answers.waitDone(), qPrintable(answers.failures().join('\n')));
        QTRY_VERIFY_WITH_TIMEOUT(kept.isNull(), vdtest::kWindowWaitMs);
        QVERIFY(std::filesystem::exists(path.toStdString()));
    }

    void saveAsWritesTheProjectAndListsItAsRecent() {
        CMainFrame& main = vdtest::StartApp(app_);
        CChildFrame* frame = vdtest::NewDocument(main);
        Edit(frame);
        const QString path = QString::fromStdString(env_->folder().file("saved").string());
        ModalAnswers answers;
        answers.expectFile("save dialog", path);
        main.RunCommand(ID_FILE_SAVE_AS);
        QVERIFY(answers.waitDone());
        const QString saved = path + QStringLiteral(".vdcps");
        QVERIFY(std::filesystem::exists(saved.toStdString()));
        QVERIFY(!frame->IsModified());
        QCOMPARE(frame->Title(), QStringLiteral("saved.vdcps"));
        const QList<QAction*> actions = MenuOf(main, ID_FILE_OPEN)->actions();
        QCOMPARE(std::count_if(actions.begin(), actions.end(),
                               [&](QAction* action) {
                                   return action->isVisible() && action->data().toString() == saved;
                               }),
                 1); // listed once as a recent file
        // a second Save writes to the same file without asking
        Edit(frame);
        main.RunCommand(ID_FILE_SAVE);
        QVERIFY(!frame->IsModified());
    }

    void undoAndRedoNameTheStepAndFollowTheSavedState() {
        CMainFrame& main = vdtest::StartApp(app_);
        CChildFrame* frame = vdtest::NewDocument(main);
        QAction* undo = main.Action(ID_EDIT_UNDO);
        QAction* redo = main.Action(ID_EDIT_REDO);
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        // the values that come back: UndoJournalTest; here the commands and the saved state
        Edit(frame);
        QCOMPARE(undo->text(), QStringLiteral("&Undo Edit Radio name"));
        QVERIFY(frame->IsModified());
        undo->trigger();
        QVERIFY(!frame->IsModified()); // back at the state it was opened in
        QVERIFY(!undo->isEnabled());
        QCOMPARE(redo->text(), QStringLiteral("&Redo Edit Radio name"));
        redo->trigger();
        QVERIFY(frame->IsModified());
    }

    // the problems pane follows the changes, a double-click shows the element in the tree and
    // the grid, and Write Device asks before a project with errors is written
    void problemsPaneFollowsChangesJumpsToTheCellAndGuardsTheWrite() {
        CChildFrame frame(nullptr);
        QVERIFY(frame.GetDocument().NewDocument("GX5", ""));
        HamCpsControl& control = *frame.GetDocument().Control();
        frame.InitialUpdate();
        frame.resize(1200, 800);
        frame.show();
        CProblemsPane& pane = *frame.ProblemsPane();
        QTRY_VERIFY_WITH_TIMEOUT(!pane.IsCheckPending(), vdtest::kWindowWaitMs);
        QCOMPARE(pane.List()->topLevelItemCount(), 0);

        // a change is checked once the changes of the moment are over
        QVERIFY(control.SetInputValue("e01090005", "e01099001", "99999999999", true));
        frame.SetModified(QStringLiteral("Edit"));
        frame.SetModified(QStringLiteral("Edit"));
        QVERIFY(pane.IsCheckPending());
        QTRY_COMPARE_WITH_TIMEOUT(pane.List()->topLevelItemCount(), 1, vdtest::kWindowWaitMs);
        QTreeWidgetItem* item = pane.List()->topLevelItem(0);
        QCOMPARE(item->text(1), QStringLiteral("CH1/RxFrequency"));
        QCOMPARE(frame.statusBar()->findChild<QLabel*>()->text(),
                 QStringLiteral("1 errors, 0 warnings"));

        QTreeWidget* list = pane.List();
        list->scrollToItem(item);
        const QRect rect = list->visualItemRect(item);
        CFunctionTree& tree = frame.FunctionPane()->Tree();
        QSignalSpy spy(&pane, &CProblemsPane::problemActivated);
        // a double-click as the window system sends it: press, release, press, double-click
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(tree.currentItem(), tree.RecordItem("e01090005"));
        CGrid2& grid = static_cast<CValdrenCpsView*>(frame.DocumentView())->Grid();
        const ElementPtr cell =
            grid.GetItemElement(grid.GetFocusCell().row, grid.GetFocusCell().column);
        QVERIFY(cell && cell->parentID == "e01090005" && cell->name == "RxFrequency");

        // Write Device: the person is asked first, and No writes nothing
        vdtest::ModalAnswers answers;
        answers.expectMessage(QMessageBox::No);
        frame.RunWriteDevice();
        QVERIFY2(answers.waitDone(), qPrintable(answers.failures().join('\n')));
        QCOMPARE(answers.messages().front().text,
                 QStringLiteral("The project has 1 errors. Write anyway?"));
    }

    // the language switch: the stored code from the start (an unknown one falls back to
    void applicationLookIsRemembered() {
        CMainFrame& main = vdtest::StartApp(app_);
        const QList<QAction*> actions = main.findChildren<QAction*>();
        const auto fusion = std::find_if(actions.begin(), actions.end(), [](QAction* action) {
            return action->data().toString().compare("Fusion", Qt::CaseInsensitive) == 0;
        });
        QVERIFY(fusion != actions.end());
        (*fusion)->trigger();
        QCOMPARE(QSettings().value("ApplicationLook").toString(), (*fusion)->data().toString());
    }

    void outputPaneListsClearsAndCopies() {
        COutputWnd output;
        for (const char* line : {"a 1/3", "a 2/3", "a 3/3"}) {
            output.AddLine(QString::fromLatin1(line));
        }
        QCOMPARE(output.List()->currentRow(), 2); // the newest line is selected
        QApplication::clipboard()->clear();
        output.ContextMenu()->actions().at(1)->trigger(); // Copy output
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("a 1/3\na 2/3\na 3/3"));
        output.ContextMenu()->actions().at(0)->trigger();
        QVERIFY(output.Lines().isEmpty());
    }

    // English), the Language menu storing the choice, and the windows that follow it
    void languageSwitch() {
        env_->writeIni("[Option]\nlanguage=XYZ\n");
        SetCurrentLanguageCode(""); // read again from cps.ini, as in a fresh process
        CMainFrame& main = vdtest::StartApp(app_);
        QCOMPARE(main.menuBar()->actions().value(0)->text(), u"&File"_s);
        QCOMPARE(env_->ini(), std::string("[Option]\nlanguage=ENG\n"));
        // the code that was tried stays current, so choosing English is a change
        QCOMPARE(CurrentLanguageCode(), std::string("XYZ"));
        main.RunCommand(ID_LANGUAGE_ENGLISH);
        QCOMPARE(CurrentLanguageCode(), std::string("ENG"));
        {
            CChildFrame* frame = vdtest::NewDocument(main);
            COptionDlg option(&main);
            CChooseRegCpsDlg chooser(2, QStringLiteral("GX5"), &main);
            QVERIFY(DockTitles(*frame).contains(u"Function View"_s));
            main.RunCommand(ID_LANGUAGE_CHINESE);
            QVERIFY(env_->ini().find("language=CHN") != std::string::npos);
            QCOMPARE(main.menuBar()->actions().value(0)->text(), u"文件(&F)"_s);
            QCOMPARE(main.Action(ID_READ_DEVICE)->text(), u"读频(&R)"_s);
            QVERIFY(DockTitles(*frame).contains(u"功能视图"_s));
            QVERIFY(main.Action(ID_LANGUAGE_CHINESE)->isChecked());
            // Qt tells every open window of the new translations through a posted event
            QTRY_COMPARE_WITH_TIMEOUT(option.windowTitle(), u"选项"_s, vdtest::kWindowWaitMs);
            QTRY_COMPARE_WITH_TIMEOUT(chooser.windowTitle(), u"写频选项"_s, vdtest::kWindowWaitMs);
        }
        SetCurrentLanguageCode("");
        CMainFrame& again = vdtest::StartApp(app_);
        QCOMPARE(again.Action(ID_READ_DEVICE)->text(), u"读频(&R)"_s);
        again.RunCommand(ID_LANGUAGE_ENGLISH);
        QCOMPARE(again.Action(ID_READ_DEVICE)->text(), u"&Read Device"_s);
        QVERIFY(again.Action(ID_LANGUAGE_ENGLISH)->isChecked());
    }

private:
    static QStringList DockTitles(CChildFrame& frame) {
        QStringList titles;
        for (QDockWidget* dock : frame.findChildren<QDockWidget*>()) {
            titles << dock->windowTitle();
        }
        return titles;
    }

    /// Saves a new project of a model in the test folder and returns its path.
    QString SaveProject(const std::string& model, const std::string& name) {
        const std::string path = env_->folder().file(name).string();
        if (!ProjectFile::Save(*ProjectFile::New(model), path)) {
            qFatal("cannot save a project");
        }
        return QString::fromStdString(path);
    }

    std::unique_ptr<UiTestEnvironment> env_;
    std::unique_ptr<CValdrenCpsApp> app_;
};

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
