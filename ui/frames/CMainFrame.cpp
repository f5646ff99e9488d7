#include "ui/frames/CMainFrame.h"

#include "app/StringTable.h"
#include "ui/dialogs/CAboutDlg.h"
#include "ui/dialogs/CConnectionCheckDlg.h"
#include "ui/dialogs/CpsMessageBox.h"
#include "ui/frames/AppIcon.h"
#include "ui/frames/CChildFrame.h"
#include "ui/frames/FrameInterfaces.h"
#include "ui/frames/RecentFiles.h"
#include "ui/frames/UiConstants.h"
#include "ui/view/CValdrenCpsView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

namespace vd {

using namespace ui;

namespace {

const QString kProjectFilter = QStringLiteral("ValdrenCPS(*.vdcps)");

bool SameFile(const QString& a, const QString& b) {
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.exists() && second.exists()) {
        return first.canonicalFilePath() == second.canonicalFilePath();
    }
    return first.absoluteFilePath() == second.absoluteFilePath();
}

} // namespace

CMainFrame::CMainFrame(bool factory, QWidget* parent)
    : QMainWindow(parent), factory_(factory), mdi_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("MainFrame"));
    setWindowIcon(AppIcon());
    mdi_->setViewMode(QMdiArea::TabbedView);
    mdi_->setTabsClosable(true);
    mdi_->setTabsMovable(true);
    mdi_->setDocumentMode(true);
    setCentralWidget(mdi_);
    toolBar_ = addToolBar(QString());
    toolBar_->setObjectName(QStringLiteral("StandardToolBar"));
    CreateMenus();
    CreateToolBar();
    // the idle text stands whenever no status tip is shown
    ready_ = new QLabel(this);
    statusBar()->addWidget(ready_, 1);
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this] {
        UpdateCommandStates();
        UpdateTitle();
    });
    const QSettings settings;
    restoreGeometry(settings.value(QStringLiteral("MainFrame/geometry")).toByteArray());
    restoreState(settings.value(QStringLiteral("MainFrame/state")).toByteArray());
    Retranslate();
    UpdateCommandStates();
}

CMainFrame::~CMainFrame() {
    // The document windows go after this class's part of the object: their last signals
    // must not reach it.
    disconnect(mdi_, nullptr, this, nullptr);
    for (QMdiSubWindow* window : mdi_->subWindowList()) {
        disconnect(window, nullptr, this, nullptr);
        disconnect(window->widget(), nullptr, this, nullptr);
    }
}

QString CMainFrame::FrameTitle() const {
    return factory_ ? QStringLiteral("ValdrenCPS_factory") : QStringLiteral("ValdrenCPS");
}

CChildFrame* CMainFrame::CurrentFrame() const {
    // currentSubWindow, unlike activeSubWindow, also answers while another program is active
    QMdiSubWindow* window = mdi_->currentSubWindow();
    return window ? qobject_cast<CChildFrame*>(window->widget()) : nullptr;
}

QList<CChildFrame*> CMainFrame::Frames() const {
    QList<CChildFrame*> frames;
    for (QMdiSubWindow* window : mdi_->subWindowList()) {
        if (auto* frame = qobject_cast<CChildFrame*>(window->widget())) {
            frames << frame;
        }
    }
    return frames;
}

QAction* CMainFrame::Action(int command) const {
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

void CMainFrame::AddFrame(CChildFrame* frame) {
    QMdiSubWindow* window = mdi_->addSubWindow(frame);
    window->setWindowIcon(windowIcon());
    connect(frame, &CChildFrame::TitleChanged, this, &CMainFrame::UpdateTitle);
    connect(frame, &CChildFrame::HistoryChanged, this, &CMainFrame::UpdateCommandStates);
    // the list commands' shortcuts work only while their actions are enabled
    if (auto* view = dynamic_cast<CValdrenCpsView*>(frame->DocumentView())) {
        connect(view, &CValdrenCpsView::CommandStatesChanged, this,
                &CMainFrame::UpdateCommandStates);
    }
    connect(frame, &CChildFrame::Saved, this, [this](const QString& path) {
        RecentFiles::Add(path);
        UpdateRecentFiles();
    });
    connect(window, &QObject::destroyed, this, [this] {
        // the area forgets the window only after this signal
        QMetaObject::invokeMethod(
            this,
            [this] {
                UpdateCommandStates();
                UpdateTitle();
            },
            Qt::QueuedConnection);
    });
    frame->InitialUpdate();
    window->showMaximized();
    mdi_->setActiveSubWindow(window);
    UpdateCommandStates();
    UpdateTitle();
}

CChildFrame* CMainFrame::NewDocumentWindow(int chooserMode) {
    auto frame = std::make_unique<CChildFrame>(this);
    if (!frame->GetDocument().OnNewDocument(chooserMode)) {
        return nullptr;
    }
    CChildFrame* shown = frame.release();
    AddFrame(shown);
    return shown;
}

CChildFrame* CMainFrame::OpenDocumentFile(const QString& requested) {
    QString path = requested;
    if (path.startsWith(QLatin1Char('"'))) {
        path.remove(0, 1);
    }
    for (CChildFrame* open : Frames()) {
        const QString openPath = QString::fromStdString(open->GetDocument().PathName());
        if (openPath.isEmpty() || !SameFile(openPath, path)) {
            continue;
        }
        if (!CpsAskYesNo(this, QString::fromStdString(LoadString(IDS_REOPEN_QUESTION)))) {
            mdi_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(open->parentWidget()));
            return open;
        }
        auto* window = qobject_cast<QMdiSubWindow*>(open->parentWidget());
        if (!(window ? window->close() : open->close())) {
            return nullptr; // the person kept the open document (unsaved changes)
        }
        break;
    }
    auto frame = std::make_unique<CChildFrame>(this);
    if (!frame->GetDocument().OnOpenDocument(path.toStdString())) {
        RecentFiles::Remove(QFileInfo(path).absoluteFilePath());
        UpdateRecentFiles();
        CpsMessageBox(this, tr("%1 is not a project of a known radio model.").arg(path),
                      MessageStyle::Error);
        return nullptr;
    }
    CChildFrame* shown = frame.release();
    AddFrame(shown);
    RecentFiles::Add(QFileInfo(path).absoluteFilePath());
    UpdateRecentFiles();
    return shown;
}

void CMainFrame::OnFileOpen() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open"), QString(), kProjectFilter);
    if (!path.isEmpty()) {
        OpenDocumentFile(path);
    }
}

void CMainFrame::OnReadDevice() {
    if (CChildFrame* frame = NewDocumentWindow(1)) {
        // the window is shown first; the read starts a second later
        frame->DocumentView()->StartReadDeviceTimer();
    }
}

void CMainFrame::OnReadBinFile() {
    if (CChildFrame* frame = NewDocumentWindow(1)) {
        frame->RunReadBinFile();
    }
}

void CMainFrame::OnEditCommand(int command) {
    CChildFrame* frame = CurrentFrame();
    if (frame && frame->HandleCommand(command)) {
        return;
    }
    // otherwise the focused text box does it
    QWidget* focus = QApplication::focusWidget();
    const char* slot = command == ID_EDIT_CUT ? "cut" : command == ID_EDIT_COPY ? "copy" : "paste";
    if (focus) {
        QMetaObject::invokeMethod(focus, slot);
    }
}

void CMainFrame::OnWindowsDialog() {
    const QList<CChildFrame*> frames = Frames();
    if (frames.isEmpty()) {
        return;
    }
    QStringList titles;
    for (CChildFrame* frame : frames) {
        titles << frame->Title();
    }
    bool chosen = false;
    const QString title = QInputDialog::getItem(
        this, QString::fromStdString(LoadString(IDS_WINDOWS_MENU)).remove(QLatin1Char('&')),
        tr("Activate window:"), titles,
        std::max(0, static_cast<int>(frames.indexOf(CurrentFrame()))), false, &chosen);
    const qsizetype index = titles.indexOf(title);
    if (chosen && index >= 0) {
        mdi_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(frames[index]->parentWidget()));
    }
}

void CMainFrame::RunCommand(int command) {
    CChildFrame* frame = CurrentFrame();
    switch (command) {
    case ID_FILE_NEW:
        NewDocumentWindow(0);
        break;
    case ID_FILE_OPEN:
        OnFileOpen();
        break;
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
        if (frame) {
            frame->Save(command == ID_FILE_SAVE_AS);
        }
        break;
    case ID_APP_EXIT:
        close();
        break;
    case ID_EDIT_UNDO:
    case ID_EDIT_REDO:
        if (frame) {
            command == ID_EDIT_UNDO ? frame->Undo() : frame->Redo();
        }
        break;
    case ID_EDIT_CUT:
    case ID_EDIT_COPY:
    case ID_EDIT_PASTE:
        OnEditCommand(command);
        break;
    case ID_READ_DEVICE:
        OnReadDevice();
        break;
    case ID_READ_BIN_FILE:
        OnReadBinFile();
        break;
    case ID_EDIT_WRITE_DEVICE:
        if (frame) {
            frame->RunWriteDevice();
        }
        break;
    case ID_OPTION:
        if (frame) {
            frame->RunOption();
        }
        break;
    case ID_RESTORE_BACKUP:
        if (frame) {
            frame->RunRestoreBackup();
        }
        break;
    case ID_COMPARE_WITH_RADIO:
        if (frame) {
            frame->RunCompareWithRadio();
        }
        break;
    case ID_FILE_COMPARE:
        OnCompareDocuments();
        break;
    case ID_GENERATE_BIN_FILE:
        if (frame) {
            frame->RunGenerateBinFile();
        }
        break;
    case ID_WINDOW_NEXT:
        mdi_->activateNextSubWindow();
        break;
    case ID_WINDOW_PREVIOUS:
        mdi_->activatePreviousSubWindow();
        break;
    case ID_FILE_CLOSE:
        mdi_->closeActiveSubWindow();
        break;
    case ID_WINDOW_CLOSE_ALL:
        mdi_->closeAllSubWindows();
        break;
    case ID_WINDOW_MANAGER:
        OnWindowsDialog();
        break;
    case ID_LANGUAGE_CHINESE:
        emit LanguageRequested(QStringLiteral("CHN"));
        break;
    case ID_LANGUAGE_ENGLISH:
        emit LanguageRequested(QStringLiteral("ENG"));
        break;
    case ID_CONNECTION_CHECK: {
        CConnectionCheckDlg check(this);
        check.exec();
        break;
    }
    case ID_APP_ABOUT: {
        CAboutDlg about(this);
        about.exec();
        break;
    }
    default:
        if (frame) {
            frame->HandleCommand(command);
        }
        break;
    }
}

void CMainFrame::RefreshLanguage() {
    Retranslate();
    for (CChildFrame* frame : Frames()) {
        frame->SendFrameMessage(WM_LANGUAGE_CHANGED, 0);
    }
}

void CMainFrame::UpdateTitle() {
    CChildFrame* frame = CurrentFrame();
    if (!frame) {
        setWindowTitle(FrameTitle());
        return;
    }
    const QString modified = frame->IsModified() ? QStringLiteral("*") : QString();
    setWindowTitle(frame->Title() + modified + QStringLiteral(" - ") + FrameTitle());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    for (CChildFrame* frame : Frames()) {
        if (frame->IsBusy()) {
            event->ignore();
            return;
        }
    }
    mdi_->closeAllSubWindows();
    if (!mdi_->subWindowList().isEmpty()) {
        event->ignore(); // a document with changes was kept
        return;
    }
    QSettings settings;
    settings.setValue(QStringLiteral("MainFrame/geometry"), saveGeometry());
    settings.setValue(QStringLiteral("MainFrame/state"), saveState());
    event->accept();
}

void CMainFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QMainWindow::changeEvent(event);
}

} // namespace vd
