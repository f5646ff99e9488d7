// The application's start-up, the main window's menus and document windows: new, open with
// the reopen question, save, closing with changes, the output pane and the frame messages.
#include "document/CValdrenCpsDoc.h"
#include "tests/ui/app/UiTestSupport.h"
#include "ui/app/CValdrenCpsApp.h"
#include "ui/dialogs/CChooseRegCpsDlg.h"
#include "ui/frames/CChildFrame.h"
#include "ui/frames/CMainFrame.h"
#include "ui/frames/COutputWnd.h"
#include "ui/frames/QtUserInterface.h"
#include "ui/frames/UiConstants.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <QToolBar>
#include <filesystem>
#include <memory>

using namespace vd;
using namespace vd::ui;
using vdtest::ModalAnswers;
using vdtest::UiTestEnvironment;

namespace {

/// Records the messages a frame forwards to it.
class MessageSink : public QObject, public IFrameMessageSink {
    Q_OBJECT
public:
    void OnFrameMessage(int message, quint32 param) override {
        received << qMakePair(message, param);
    }
    QList<QPair<int, quint32>> received;
};

/// The commands of a menu, separators as 0, in order.
QList<int> MenuCommands(QMenu* menu) {
    QList<int> commands;
    for (QAction* action : menu->actions()) {
        commands << (action->isSeparator() ? 0 : action->data().toInt());
    }
    return commands;
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
    void cleanup() {
        vdtest::closeModalWindows();
        app_.reset();
        env_.reset();
    }

    void startupOpensNoDocumentWhateverTheCommandLine() {
        const QString project = SaveProject("GX5", "given.vdcps");
        CMainFrame& main = Start(BuildVariant::Ordinary, {"ValdrenCps", project, "--new"});
        QVERIFY(main.isVisible());
        QVERIFY(main.isMaximized());
        QVERIFY(main.Frames().isEmpty());
        QCOMPARE(main.DocumentArea()->viewMode(), QMdiArea::TabbedView);
        QCOMPARE(main.windowTitle(), QStringLiteral("ValdrenCPS"));
        // nothing is written to cps.ini at start-up
        QVERIFY(env_->ini().empty());
    }

    void theTwoBuildsDifferInTitleAndBinFileCommands() {
        CMainFrame& ordinary = Start(BuildVariant::Ordinary);
        QCOMPARE(MenuCommands(MenuOf(ordinary, ID_READ_DEVICE)),
                 (QList<int>{ID_READ_DEVICE, ID_EDIT_WRITE_DEVICE, ID_OPTION}));
        QVERIFY(!ordinary.Action(ID_READ_BIN_FILE));
        app_.reset();
        CMainFrame& factory = Start(BuildVariant::Factory);
        QCOMPARE(factory.windowTitle(), QStringLiteral("ValdrenCPS_factory"));
        QCOMPARE(MenuCommands(MenuOf(factory, ID_READ_DEVICE)),
                 (QList<int>{ID_READ_DEVICE, ID_EDIT_WRITE_DEVICE, ID_OPTION, 0, ID_READ_BIN_FILE,
                             ID_GENERATE_BIN_FILE}));
    }

    void toolbarAndDocumentCommands() {
        CMainFrame& main = Start(BuildVariant::Ordinary);
        auto* toolbar = main.findChild<QToolBar*>();
        QVERIFY(toolbar);
        QCOMPARE(toolbar->windowTitle(), QStringLiteral("Standard"));
        QCOMPARE(MenuCommandsOf(toolbar->actions()),
                 (QList<int>{ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_READ_DEVICE, ID_EDIT_WRITE_DEVICE, 0,
                             ID_APP_ABOUT}));
        // commands on a document wait for one
        QVERIFY(!main.Action(ID_FILE_SAVE)->isEnabled());
        QVERIFY(!main.Action(ID_EDIT_WRITE_DEVICE)->isEnabled());
        QVERIFY(main.Action(ID_READ_DEVICE)->isEnabled());
        NewDocument(main, 0);
        QVERIFY(main.Action(ID_FILE_SAVE)->isEnabled());
        QVERIFY(main.Action(ID_EDIT_WRITE_DEVICE)->isEnabled());
    }

    void fileNewAsksForTheModelOnly() {
        CMainFrame& main = Start(BuildVariant::Ordinary);
        ModalAnswers answers;
        QString title;
        bool portShown = true;
        answers.expectDialog<CChooseRegCpsDlg>("chooser", [&](CChooseRegCpsDlg* dialog) {
            title = dialog->windowTitle();
            portShown = dialog->PortBox()->isVisible();
            dialog->ModelBox()->setCurrentText(QStringLiteral("VS31"));
            dialog->accept();
        });
        main.RunCommand(ID_FILE_NEW);
        QVERIFY2(answers.waitDone(), qPrintable(answers.failures().join('\n')));
        QCOMPARE(title, QStringLiteral("New project: choose the radio model"));
        QVERIFY(!portShown);
        QCOMPARE(main.Frames().size(), 1);
        const QString documentTitle = main.CurrentFrame()->Title();
        QVERIFY2(QRegularExpression("^VS31_\\d{8}_\\d{6}$").match(documentTitle).hasMatch(),
                 qPrintable(documentTitle));
        QCOMPARE(main.windowTitle(), documentTitle + QStringLiteral(" - ValdrenCPS"));
        QVERIFY(env_->ini().find("model=3") != std::string::npos);
    }

    void cancelledChooserMakesNoDocument_data() {
        QTest::addColumn<int>("command");
        QTest::newRow("File New") << ID_FILE_NEW;
        QTest::newRow("Read Device") << ID_READ_DEVICE;
    }
    void cancelledChooserMakesNoDocument() {
        QFETCH(int, command);
        CMainFrame& main = Start(BuildVariant::Ordinary);
        ModalAnswers answers;
        answers.expectDialog<CChooseRegCpsDlg>("chooser",
                                               [](CChooseRegCpsDlg* dialog) { dialog->reject(); });
        main.RunCommand(command);
        QVERIFY(answers.waitDone());
        QVERIFY(main.Frames().isEmpty());
        QVERIFY(answers.messages().empty());
    }

    void reopenNoActivatesTheOpenDocument() {
        const QString project = SaveProject("GX5", "reopen.vdcps");
        CMainFrame& main = Start(BuildVariant::Ordinary);
        CChildFrame* open = main.OpenDocumentFile(project);
        QVERIFY(open);
        open->SetModified();
        NewDocument(main, 0);
        QVERIFY(main.CurrentFrame() != open);
        ModalAnswers answers;
        answers.expectMessage(QMessageBox::No);
        QCOMPARE(main.OpenDocumentFile(QLatin1Char('"') + project), open);
        QVERIFY(answers.waitDone());
        QCOMPARE(answers.messages().front().text, QStringLiteral("Do you want to reopen it?"));
        QCOMPARE(main.Frames().size(), 2);
        QCOMPARE(main.CurrentFrame(), open);
        QVERIFY(open->IsModified()); // untouched
    }

    void reopenYesOpensTheFileAnew() {
        const QString project = SaveProject("VS46", "reopen.vdcps");
        CMainFrame& main = Start(BuildVariant::Ordinary);
        QPointer<CChildFrame> open = main.OpenDocumentFile(project);
        QVERIFY(open);
        ModalAnswers answers;
        answers.expectMessage(QMessageBox::Yes);
        CChildFrame* reopened = main.OpenDocumentFile(project);
        QVERIFY(answers.waitDone());
        QVERIFY(reopened && reopened != open);
        QTRY_VERIFY_WITH_TIMEOUT(open.isNull(), vdtest::kWindowWaitMs);
        QCOMPARE(main.Frames().size(), 1);
        QCOMPARE(reopened->GetDocument().Control()->GetModelName(), std::string("VS46"));
    }

    void openingAFileOfNoKnownModelShowsWhy() {
        const QString junk =
            QString::fromStdString(env_->folder().write("junk.vdcps", "<not a project/>").string());
        CMainFrame& main = Start(BuildVariant::Ordinary);
        ModalAnswers answers;
        answers.expectMessage(QMessageBox::Ok);
        QVERIFY(!main.OpenDocumentFile(junk));
        QVERIFY(answers.waitDone());
        QVERIFY(answers.messages().front().text.contains(junk));
        QVERIFY(main.Frames().isEmpty());
    }

    void closingADocumentWithChangesAsks() {
        CMainFrame& main = Start(BuildVariant::Ordinary);
        QPointer<CChildFrame> frame = NewDocument(main, 0);
        frame->SetModified();
        QVERIFY(main.windowTitle().contains(QStringLiteral("* - ValdrenCPS")));
        ModalAnswers answers;
        answers.expectMessage(QMessageBox::Cancel);
        main.RunCommand(ID_FILE_CLOSE);
        QVERIFY(answers.waitDone());
        QVERIFY(answers.messages().front().text.startsWith(QStringLiteral("Save the changes")));
        QCOMPARE(main.Frames().size(), 1);
        QVERIFY(frame->GetDocument().Control()); // nothing was dropped

        answers.expectMessage(QMessageBox::No);
        main.RunCommand(ID_FILE_CLOSE);
        QVERIFY(answers.waitDone());
        QTRY_VERIFY_WITH_TIMEOUT(frame.isNull(), vdtest::kWindowWaitMs);
    }

    void closingWithChangesAndYesSavesFirst() {
        CMainFrame& main = Start(BuildVariant::Ordinary);
        QPointer<CChildFrame> frame = NewDocument(main, 0);
        frame->SetModified();
        const QString path = QString::fromStdString(env_->folder().file("kept.vdcps").string());
        ModalAnswers answers;
        answers.expectMessage(QMessageBox::Yes);
        answers.expectDialog<QFileDialog>("save dialog", [path](QFileDialog* dialog) {
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept(); // QFileDialog's own is protected
        });
        main.close();
        QVERIFY2(answers.waitDone(), qPrintable(answers.failures().join('\n')));
        QTRY_VERIFY_WITH_TIMEOUT(frame.isNull(), vdtest::kWindowWaitMs);
        QVERIFY(std::filesystem::exists(path.toStdString()));
    }

    void saveAsWritesTheProjectAndListsItAsRecent() {
        CMainFrame& main = Start(BuildVariant::Ordinary);
        CChildFrame* frame = NewDocument(main, 0);
        frame->SetModified();
        const QString path = QString::fromStdString(env_->folder().file("saved").string());
        ModalAnswers answers;
        answers.expectDialog<QFileDialog>("save dialog", [path](QFileDialog* dialog) {
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept(); // QFileDialog's own is protected
        });
        main.RunCommand(ID_FILE_SAVE_AS);
        QVERIFY(answers.waitDone());
        const QString saved = path + QStringLiteral(".vdcps");
        QVERIFY(std::filesystem::exists(saved.toStdString()));
        QVERIFY(!frame->IsModified());
        QCOMPARE(frame->Title(), QStringLiteral("saved.vdcps"));
        QMenu* file = MenuOf(main, ID_FILE_OPEN);
        QStringList recent;
        for (QAction* action : file->actions()) {
            if (action->isVisible() && action->data().toString() == saved) {
                recent << action->text();
            }
        }
        QCOMPARE(recent.size(), 1);
        // a second Save writes to the same file without asking
        frame->SetModified();
        main.RunCommand(ID_FILE_SAVE);
        QVERIFY(!frame->IsModified());
    }

    void applicationLookIsRemembered() {
        CMainFrame& main = Start(BuildVariant::Ordinary);
        QAction* fusion = nullptr;
        for (QAction* action : main.findChildren<QAction*>()) {
            if (action->data().toString().compare("Fusion", Qt::CaseInsensitive) == 0) {
                fusion = action;
            }
        }
        QVERIFY(fusion);
        fusion->trigger();
        QCOMPARE(QSettings().value("ApplicationLook").toString(), fusion->data().toString());
    }

    void outputPaneListsClearsAndCopies() {
        COutputWnd output;
        output.AddLine(QStringLiteral("Host read all data 1/3"));
        output.AddLine(QStringLiteral("Host read all data 2/3"));
        output.AddLine(QStringLiteral("Host read all data 3/3"));
        QCOMPARE(output.Lines().size(), 3);
        QCOMPARE(output.List()->currentRow(), 2); // the newest line is selected
        QStringList names;
        for (QAction* action : output.ContextMenu()->actions()) {
            names << action->text();
        }
        QCOMPARE(names, (QStringList{"Clear output", "Copy output"}));
        QApplication::clipboard()->clear();
        output.ContextMenu()->actions().at(1)->trigger();
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("Host read all data 1/3\nHost read all data 2/3\n"
                                "Host read all data 3/3"));
        output.ContextMenu()->actions().at(0)->trigger();
        QVERIFY(output.Lines().isEmpty());
    }

    void frameForwardsMessagesToItsSubscribers() {
        CChildFrame frame(nullptr);
        MessageSink sink;
        auto gone = std::make_unique<MessageSink>();
        MessageSink other;
        frame.Subscribe(WM_MEMBER_COUNT_CHANGED, &sink);
        frame.Subscribe(WM_MEMBER_COUNT_CHANGED, gone.get());
        frame.Subscribe(WM_LANGUAGE_CHANGED, &other);
        gone.reset();
        frame.SendFrameMessage(WM_MEMBER_COUNT_CHANGED, PackCell(3, 4));
        QCOMPARE(sink.received.size(), 1);
        QCOMPARE(CellRow(sink.received[0].second), 3);
        QCOMPARE(CellColumn(sink.received[0].second), 4);
        QVERIFY(other.received.isEmpty());
        frame.PostFrameMessage(WM_LANGUAGE_CHANGED, 7);
        QVERIFY(other.received.isEmpty()); // posted: handled later
        QTRY_COMPARE_WITH_TIMEOUT(other.received.size(), 1, vdtest::kWindowWaitMs);
        QCOMPARE(sink.received.size(), 1);
    }

private:
    CMainFrame& Start(BuildVariant variant, const QStringList& arguments = {"ValdrenCps"}) {
        app_ = std::make_unique<CValdrenCpsApp>(variant);
        if (!app_->InitInstance(arguments)) {
            qFatal("the application did not start");
        }
        return *app_->MainFrame();
    }

    /// A new document through File New with the chooser answered (model index 0).
    CChildFrame* NewDocument(CMainFrame& main, int modelIndex) {
        ModalAnswers answers;
        answers.expectDialog<CChooseRegCpsDlg>("chooser", [modelIndex](CChooseRegCpsDlg* d) {
            d->ModelBox()->setCurrentIndex(modelIndex);
            d->accept();
        });
        main.RunCommand(ID_FILE_NEW);
        answers.waitDone();
        return main.CurrentFrame();
    }

    /// Saves a new project of a model in the test folder and returns its path.
    QString SaveProject(const std::string& model, const std::string& name) {
        QtUserInterface ui(nullptr, nullptr);
        CValdrenCpsDoc doc(ui);
        const std::string path = env_->folder().file(name).string();
        if (!doc.NewDocument(model, "") || !doc.OnSaveDocument(path)) {
            qFatal("cannot save a project");
        }
        return QString::fromStdString(path);
    }

    static QList<int> MenuCommandsOf(const QList<QAction*>& actions) {
        QList<int> commands;
        for (QAction* action : actions) {
            commands << (action->isSeparator() ? 0 : action->data().toInt());
        }
        return commands;
    }

    std::unique_ptr<UiTestEnvironment> env_;
    std::unique_ptr<CValdrenCpsApp> app_;
};

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
