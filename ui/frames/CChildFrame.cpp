#include "ui/frames/CChildFrame.h"

#include "app/StringTable.h"
#include "ui/dialogs/CpsMessageBox.h"
#include "ui/frames/COutputWnd.h"
#include "ui/frames/CProblemsPane.h"
#include "ui/frames/UiConstants.h"

#include "ui/panes/CFunctionPane.h"
#include "ui/panes/CShortlistPane.h"
#include "ui/view/CValdrenCpsView.h"

#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vd {

namespace {

QString Text(StringId id) {
    return QString::fromStdString(LoadString(id));
}

const QString kProjectFilter = QStringLiteral("ValdrenCPS(*.vdcps)");
const QString kProjectSuffix = QStringLiteral("vdcps");

/// Marks an operation as running for as long as it exists.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
};

} // namespace

CChildFrame::CChildFrame(QWidget* dialogParent, QWidget* parent)
    : QMainWindow(parent), dialogParent_(dialogParent), ui_(dialogParent, this), doc_(ui_) {
    setAttribute(Qt::WA_DeleteOnClose, false); // the document area's window owns the frame
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);
    view_ = new CValdrenCpsView(*this, this);
    setCentralWidget(view_);
    // panes in their order of creation: function, shortlist, output
    functionPane_ = new CFunctionPane(*this);
    functionDock_ = AddPane(functionPane_, Qt::LeftDockWidgetArea, false, "FunctionPane");
    shortlistPane_ = new CShortlistPane(*this);
    shortlistDock_ = AddPane(shortlistPane_, Qt::RightDockWidgetArea, false, "ShortlistPane");
    output_ = new COutputWnd;
    outputDock_ = AddPane(output_, Qt::BottomDockWidgetArea, true, "OutputPane");
    AddProblemsPane();
    // wide enough for the chapter names ("Device information") at the default window size
    resizeDocks({functionDock_, shortlistDock_}, {230, 400}, Qt::Horizontal);
    resizeDocks({functionDock_, outputDock_}, {200, 100}, Qt::Vertical);
    doc_.onSelectionChanged = [this] {
        if (IDocumentView* view = DocumentView()) {
            view->ShowSelectedNode();
        }
    };
    Retranslate();
}

CChildFrame::~CChildFrame() {
    // The view and the panes read the document until they are gone; the document is a
    // member and would otherwise go first.
    doc_.onSelectionChanged = nullptr;
    subscribers_.clear();
    delete view_;
    delete functionDock_;
    delete shortlistDock_;
    delete outputDock_;
    delete problemsDock_;
}

QDockWidget* CChildFrame::AddPane(QWidget* pane, Qt::DockWidgetArea area, bool closable,
                                  const QString& objectName) {
    auto* dock = new QDockWidget(this);
    dock->setObjectName(objectName);
    QDockWidget::DockWidgetFeatures features =
        QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable;
    if (closable) {
        features |= QDockWidget::DockWidgetClosable;
    }
    dock->setFeatures(features);
    dock->setWidget(pane);
    addDockWidget(area, dock);
    return dock;
}

IDocumentView* CChildFrame::DocumentView() {
    return view_;
}

void CChildFrame::Subscribe(int message, QObject* window) {
    if (window && dynamic_cast<IFrameMessageSink*>(window)) {
        subscribers_[message].append(QPointer<QObject>(window));
    }
}

void CChildFrame::PostFrameMessage(int message, quint32 param) {
    QMetaObject::invokeMethod(
        this, [this, message, param] { SendFrameMessage(message, param); }, Qt::QueuedConnection);
}

void CChildFrame::SendFrameMessage(int message, quint32 param) {
    if (message == ui::WM_REBUILD_TREE) {
        if (functionPane_) {
            static_cast<IFunctionPane*>(functionPane_)->FillTree();
        }
        problems_->ScheduleCheck();
        return;
    }
    if (message == ui::WM_LANGUAGE_CHANGED) {
        Retranslate();
        // the view and the shortlist pane hear of it as subscribers, or else from here
        if (view_ && !IsSubscribed(message, view_)) {
            static_cast<IDocumentView*>(view_)->Retranslate();
        }
        if (shortlistPane_ && !IsSubscribed(message, shortlistPane_)) {
            static_cast<IShortlistPane*>(shortlistPane_)->Retranslate();
        }
    }
    auto found = subscribers_.find(message);
    if (found == subscribers_.end()) {
        return;
    }
    found->second.removeAll(QPointer<QObject>());
    // a subscriber may subscribe others while it handles the message
    const QList<QPointer<QObject>> windows = found->second;
    for (const QPointer<QObject>& window : windows) {
        if (auto* sink = dynamic_cast<IFrameMessageSink*>(window.data())) {
            sink->OnFrameMessage(message, param);
        }
    }
}

bool CChildFrame::IsSubscribed(int message, const QObject* window) const {
    const auto found = subscribers_.find(message);
    return found != subscribers_.end() &&
           std::any_of(found->second.begin(), found->second.end(),
                       [window](const QPointer<QObject>& each) { return each == window; });
}

void CChildFrame::NavigateTree(int command) {
    if (functionPane_) {
        static_cast<IFunctionPane*>(functionPane_)->Navigate(command);
    }
}

void CChildFrame::SetModified(const QString& stepName) {
    UndoJournal& journal = doc_.Journal();
    journal.Record(stepName.toStdString());
    problems_->ScheduleCheck();
    ShowModified(!journal.Tracks() || !journal.IsAtSavedState());
    emit HistoryChanged();
}

void CChildFrame::ShowModified(bool modified) {
    if (modified_ != modified) {
        modified_ = modified;
        setWindowModified(modified);
        emit TitleChanged();
    }
}

void CChildFrame::Undo() {
    StepHistory(true);
}

void CChildFrame::Redo() {
    StepHistory(false);
}

void CChildFrame::StepHistory(bool back) {
    UndoJournal& journal = doc_.Journal();
    if (busy_ || !(back ? journal.CanUndo() : journal.CanRedo())) {
        return;
    }
    const QString name = QString::fromStdString(back ? journal.Undo() : journal.Redo());
    SendFrameMessage(ui::WM_VALUES_REPLACED, 0);
    problems_->ScheduleCheck();
    ShowModified(!journal.IsAtSavedState());
    AddOutputLine((back ? tr("Undone: %1") : tr("Redone: %1")).arg(name));
    emit HistoryChanged();
}

void CChildFrame::InitialUpdate() {
    setWindowTitle(Title() + QStringLiteral("[*]"));
    setWindowModified(modified_);
    if (functionPane_) {
        static_cast<IFunctionPane*>(functionPane_)->FillTree();
    }
    problems_->ScheduleCheck();
    emit TitleChanged();
}

QString CChildFrame::Title() const {
    return QString::fromStdString(doc_.Title());
}

template <typename Operation> auto CChildFrame::Busy(Operation operation) {
    BusyScope busy(busy_);
    return operation();
}

bool CChildFrame::RunReadDevice() {
    const bool read = Busy([this] { return doc_.ReadDevice(); });
    if (!read) {
        CloseDiscarding();
    }
    return read;
}

bool CChildFrame::RunReadBinFile() {
    const bool read = Busy([this] { return doc_.ReadBinfile(); });
    if (!read) {
        CloseDiscarding();
    }
    return read;
}

void CChildFrame::RunBusy(const std::function<void()>& operation) {
    Busy(operation);
}

void CChildFrame::RunWriteDevice() {
    if (!ConfirmWriteDespiteErrors()) {
        return;
    }
    Busy([this] { doc_.OnEditWriteDevice(); });
}

void CChildFrame::RunGenerateBinFile() {
    Busy([this] { doc_.OnGenerateBinFile(); });
}

void CChildFrame::RunOption() {
    doc_.OnOption();
}

bool CChildFrame::Save(bool saveAs) {
    QString path = QString::fromStdString(doc_.PathName());
    if (saveAs || path.isEmpty()) {
        // a project never saved goes where the last one went, else to the documents folder
        static QString lastFolder =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QString proposal = path.isEmpty() ? QDir(lastFolder).filePath(Title()) : path;
        if (!proposal.endsWith(QLatin1Char('.') + kProjectSuffix, Qt::CaseInsensitive)) {
            proposal += QLatin1Char('.') + kProjectSuffix;
        }
        QFileDialog dialog(dialogParent_, tr("Save As"), proposal, kProjectFilter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(kProjectSuffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return false;
        }
        path = dialog.selectedFiles().constFirst();
        lastFolder = QFileInfo(path).absolutePath();
    }
    if (!doc_.OnSaveDocument(path.toStdString())) {
        const int cause = errno; // the save leaves the system's reason here
        CpsMessageBox(dialogParent_,
                      tr("The project could not be saved as %1.").arg(path) + QLatin1Char('\n') +
                          QString::fromLocal8Bit(std::strerror(cause)),
                      MessageStyle::Error);
        return false;
    }
    modified_ = false;
    setWindowTitle(Title() + QStringLiteral("[*]"));
    setWindowModified(false);
    emit Saved(QFileInfo(path).absoluteFilePath());
    emit HistoryChanged();
    emit TitleChanged();
    return true;
}

bool CChildFrame::HandleCommand(int command) {
    if (functionPane_ && static_cast<IFunctionPane*>(functionPane_)->HandleCommand(command)) {
        return true;
    }
    return view_ && static_cast<IDocumentView*>(view_)->HandleCommand(command);
}

bool CChildFrame::IsCommandEnabled(int command) const {
    return view_ && static_cast<const IDocumentView*>(view_)->IsCommandEnabled(command);
}

void CChildFrame::CloseDiscarding() {
    discard_ = true;
    if (auto* area = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        area->close();
    } else {
        close();
    }
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (busy_) {
        // the transfer still uses the document; it ends first
        event->ignore();
        return;
    }
    if (modified_ && !discard_) {
        const QMessageBox::StandardButton answer = CpsMessageBox(
            dialogParent_, tr("Save the changes to %1?").arg(Title()), MessageStyle::Question,
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Yes && !Save(false))) {
            event->ignore();
            return;
        }
    }
    doc_.OnCloseDocument();
    if (IDocumentView* view = DocumentView()) {
        view->ClearGrid();
    }
    event->accept();
}

void CChildFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QMainWindow::changeEvent(event);
}

void CChildFrame::Retranslate() {
    functionDock_->setWindowTitle(Text(IDS_FUNCTION_VIEW));
    shortlistDock_->setWindowTitle(Text(IDS_SHORTLIST_VIEW));
    outputDock_->setWindowTitle(Text(IDS_OUTPUT_VIEW));
    problemsDock_->setWindowTitle(tr("Problems"));
}

void CChildFrame::AddOutputLine(const QString& line) {
    if (output_) {
        output_->AddLine(line);
    }
}

} // namespace vd
