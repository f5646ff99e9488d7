#pragma once
#include <QString>
#include <QtGlobal>

#include <string>

class QObject;

// What a document window (CChildFrame) and the widgets it hosts know of each other. The
// frame holds its view and panes through these interfaces; the view and panes reach their
// frame through IChildFrame, so neither side links against the other's classes.
//
// The view and pane classes are QWidgets constructed as
//     CValdrenCpsView(IChildFrame& frame, QWidget* parent = nullptr)   ui/view/CValdrenCpsView.h
//     CFunctionPane(IChildFrame& frame, QWidget* parent = nullptr)     ui/panes/CFunctionPane.h
//     CShortlistPane(IChildFrame& frame, QWidget* parent = nullptr)    ui/panes/CShortlistPane.h
// in namespace vd. The frame sets the view as its central widget and wraps each pane in a
// dock widget of its own, whose title it sets and retranslates; the panes are the contents.
// This header, UiConstants.h and the message box (ui/dialogs/CpsMessageBox.h) come with the
// CMake target valdren_ui_base.
namespace vd {

class CValdrenCpsDoc;
class COutputWnd;
class CFunctionPane;
class CShortlistPane;

/// A window that receives the frame's forwarded messages (WM_MEMBER_COUNT_CHANGED,
/// WM_LANGUAGE_CHANGED) after subscribing with IChildFrame::Subscribe.
class IFrameMessageSink {
public:
    virtual ~IFrameMessageSink() = default;
    /// One forwarded message with its parameter.
    virtual void OnFrameMessage(int message, quint32 param) = 0;
};

/// The grid view of a document, as its frame drives it.
class IDocumentView {
public:
    virtual ~IDocumentView() = default;
    /// Shows the node the document has selected (called after every selection change).
    virtual void ShowSelectedNode() = 0;
    /// Empties the grid (the document is closing).
    virtual void ClearGrid() = 0;
    /// Rebuilds every text after a language change.
    virtual void Retranslate() = 0;
    /// Starts the one-second timer TIMER_READ_DEVICE; when it fires the view stops it and
    /// calls IChildFrame::RunReadDevice().
    virtual void StartReadDeviceTimer() = 0;
    /// Offers a menu command (ID_NODE_NEW, ID_EDIT_COPY, ...); true when the view handled it.
    virtual bool HandleCommand(int command) {
        (void)command;
        return false;
    }
    /// Whether a command the view handles is available now (menu items are greyed otherwise).
    virtual bool IsCommandEnabled(int command) const {
        (void)command;
        return false;
    }
};

/// The function pane with its chapter tree.
class IFunctionPane {
public:
    virtual ~IFunctionPane() = default;
    /// Rebuilds the whole tree from the document's control and selects the first leaf.
    virtual void FillTree() = 0;
    /// Refreshes the text of a record's item after its value changed.
    virtual void UpdateCurrentTreeNode(const std::string& id) = 0;
    /// Adds a record that was just created and selects it.
    virtual void AddRecordNode(const std::string& id) = 0;
    /// Removes a record that was just deleted.
    virtual void RemoveRecordNode(const std::string& id) = 0;
    /// Moves the selection for a navigation command (ID_MOVE_FIRST_NODE, ID_NEXT_NODE, ...).
    virtual void Navigate(int command) = 0;
    /// Offers a command before the view sees it; true when the pane handled it.
    virtual bool HandleCommand(int command) {
        (void)command;
        return false;
    }
};

/// The shortlist pane (list membership).
class IShortlistPane {
public:
    virtual ~IShortlistPane() = default;
    /// Rebuilds every text after a language change.
    virtual void Retranslate() = 0;
};

/// A document window as its view and panes see it.
class IChildFrame {
public:
    virtual ~IChildFrame() = default;
    /// The window's document.
    virtual CValdrenCpsDoc& GetDocument() = 0;
    /// The output pane (progress lines of radio operations).
    virtual COutputWnd* OutputPane() = 0;
    /// Appends a line to the output pane, when the window has one.
    virtual void AddOutputLine(const QString& line) { (void)line; }
    /// The function pane.
    virtual CFunctionPane* FunctionPane() = 0;
    /// The shortlist pane.
    virtual CShortlistPane* ShortlistPane() = 0;
    /// The grid view.
    virtual IDocumentView* DocumentView() = 0;
    /// Asks for the forwarded messages of one number; window must implement IFrameMessageSink.
    /// A window that is destroyed is dropped from the table by itself.
    virtual void Subscribe(int message, QObject* window) = 0;
    /// Queues a message for the frame: WM_REBUILD_TREE rebuilds the tree, the others go to
    /// their subscribers once the current event has been handled.
    virtual void PostFrameMessage(int message, quint32 param) = 0;
    /// The same, handled before the call returns.
    virtual void SendFrameMessage(int message, quint32 param) = 0;
    /// Passes a navigation command to the function pane.
    virtual void NavigateTree(int command) = 0;
    /// Runs the document's Read Device and closes this window when it did not complete.
    virtual bool RunReadDevice() = 0;
    /// Records that the person changed the document, so that closing asks to save it; the
    /// change becomes one undo step named stepName ("Edit Power", "Paste").
    virtual void SetModified(const QString& stepName) = 0;
};

} // namespace vd
