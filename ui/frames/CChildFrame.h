#pragma once
#include "document/CValdrenCpsDoc.h"
#include "ui/frames/FrameInterfaces.h"
#include "ui/frames/QtUserInterface.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>

class QDockWidget;
class QLabel;

namespace vd {

class CValdrenCpsView;
class CProblemsPane;
struct Problem;

/// The window of one document inside the main window's tabbed document area: the grid view
/// in the middle, the function pane on the left, the shortlist pane on the right and the
/// output pane below. It owns the document, forwards the window messages between the view
/// and the panes, and asks before a document with changes is closed.
class CChildFrame : public QMainWindow, public IChildFrame {
    Q_OBJECT
public:
    /// Builds the window with an empty document; dialogs of its operations are centred over
    /// dialogParent.
    explicit CChildFrame(QWidget* dialogParent, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CValdrenCpsDoc& GetDocument() override { return doc_; }
    COutputWnd* OutputPane() override { return output_; }
    void AddOutputLine(const QString& line) override;
    CFunctionPane* FunctionPane() override { return functionPane_; }
    CShortlistPane* ShortlistPane() override { return shortlistPane_; }
    IDocumentView* DocumentView() override;
    void Subscribe(int message, QObject* window) override;
    void PostFrameMessage(int message, quint32 param) override;
    void SendFrameMessage(int message, quint32 param) override;
    void NavigateTree(int command) override;
    bool RunReadDevice() override;
    void SetModified(const QString& stepName) override;

    /// After the document was created or opened: title and function tree.
    void InitialUpdate();
    /// The document's title as the window shows it.
    QString Title() const;
    /// Whether the person changed the document since it was made, opened or saved.
    bool IsModified() const { return modified_; }
    /// Whether a radio or file operation runs (the window cannot be closed meanwhile).
    bool IsBusy() const { return busy_; }
    /// Saves to the document's file, or asks for one first (always with saveAs); false when
    /// the person cancelled or the file could not be written (the person was told).
    bool Save(bool saveAs);
    /// Read Bin File into this new document; closes the window when nothing was taken.
    bool RunReadBinFile();
    /// Write Device.
    void RunWriteDevice();
    /// Generate Bin File.
    void RunGenerateBinFile();
    /// The port option dialog.
    void RunOption();
    /// Device Restore Backup: the model's backups to choose from, then a write of the chosen.
    void RunRestoreBackup();
    /// Device Compare with Radio: reads the radio and lists what differs from the document.
    void RunCompareWithRadio();
    /// Lists differences in a dialog from which the person can go to their nodes here.
    void ShowDifferences(const std::vector<Difference>& differences, const QString& oldSide,
                         const QString& newSide);
    /// Selects a record or chapter in the function tree; false when it is not there.
    bool ShowNode(const std::string& nodeId);
    /// Runs a radio or file operation with the window marked busy.
    void RunBusy(const std::function<void()>& operation);
    /// Offers a menu command to the function pane, then to the view; true when handled.
    bool HandleCommand(int command);
    /// Whether the view or pane that handles a command has it available.
    bool IsCommandEnabled(int command) const;
    /// The dock of the output pane, whose visibility the View menu switches.
    QDockWidget* OutputDock() const { return outputDock_; }
    /// The problems pane (the whole-project check), beside the output pane.
    CProblemsPane* ProblemsPane() const { return problems_; }
    /// Selects a problem's tree node and its cell in the grid (ChildFrameProblems.cpp).
    void JumpTo(const Problem& problem);

    /// Takes back the document's last change, or takes the last undone change again; the
    /// views and the modified mark follow.
    void Undo();
    void Redo();

signals:
    /// The title or the modified mark changed.
    void TitleChanged();
    /// A change was recorded, undone or redone: Undo and Redo change their state and name.
    void HistoryChanged();
    /// The document was saved under path.
    void Saved(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    /// Closes the window without asking (a document made for a read that failed).
    void CloseDiscarding();
    /// Shows the modified mark, or takes it away.
    void ShowModified(bool modified);
    /// Undo (back) or Redo and what follows from it.
    void StepHistory(bool back);
    void Retranslate();
    bool IsSubscribed(int message, const QObject* window) const;
    QDockWidget* AddPane(QWidget* pane, Qt::DockWidgetArea area, bool closable,
                         const QString& objectName);
    template <typename Operation> auto Busy(Operation operation);
    /// Builds the problems pane and its status bar counts (ChildFrameProblems.cpp).
    void AddProblemsPane();
    /// Before Write Device: true when the project has no errors or the person wants it
    /// written anyway (ChildFrameProblems.cpp).
    bool ConfirmWriteDespiteErrors();

    QPointer<QWidget> dialogParent_;
    QtUserInterface ui_;
    CValdrenCpsDoc doc_;
    CValdrenCpsView* view_ = nullptr;
    CFunctionPane* functionPane_ = nullptr;
    CShortlistPane* shortlistPane_ = nullptr;
    COutputWnd* output_ = nullptr;
    QDockWidget* functionDock_ = nullptr;
    QDockWidget* shortlistDock_ = nullptr;
    QDockWidget* outputDock_ = nullptr;
    CProblemsPane* problems_ = nullptr;
    QDockWidget* problemsDock_ = nullptr;
    QLabel* problemCounts_ = nullptr;
    std::map<int, QList<QPointer<QObject>>> subscribers_;
    bool modified_ = false;
    bool busy_ = false;
    bool discard_ = false;
};

} // namespace vd
