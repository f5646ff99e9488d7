#pragma once
#include "document/CValdrenCpsDoc.h"
#include "tests/support/FixtureControl.h"
#include "tests/support/ModelHelpers.h"
#include "tests/support/ScriptedUi.h"
#include "ui/frames/FrameInterfaces.h"
#include "ui/grid/GridControl.h"
#include "ui/panes/CFunctionPane.h"
#include "ui/panes/CShortlistPane.h"
#include "ui/view/CValdrenCpsView.h"
#include "ui/view/CellRules.h"
#include "ui/view/ViewMessageBox.h"

#include <QPointer>
#include <QStringList>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace vdtest {

/// The view tests' models: GX5 under rules the test sets, and a small document of every kind.
inline constexpr const char* kGx5TestModel = "VIEWTEST";
inline constexpr const char* kFixtureModel = "VIEWFIXTURE";

/// Registers both test models (once) and points the settings at a fresh temporary folder.
void SetUpTestEnvironment();

/// The control of the test models.
using TestControl = FixtureControl;

/// Records every message box and answers with a chosen button.
struct MessageLog {
    QStringList texts;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
    /// The routine to hand to the view and the panes.
    vd::MessageBoxFn Recorder();
};

/// A document window without a main window: a document, its panes and view, wired as the
/// program's child frame wires them; posted messages come from the event loop.
class TestFrame : public vd::IChildFrame {
public:
    /// A new document of the model with its panes and view; the tree is filled.
    explicit TestFrame(const std::string& modelName);
    ~TestFrame() override;

    vd::CValdrenCpsDoc& GetDocument() override { return document_; }
    vd::COutputWnd* OutputPane() override { return nullptr; }
    vd::CFunctionPane* FunctionPane() override { return functionPane_; }
    vd::CShortlistPane* ShortlistPane() override { return shortlist_; }
    vd::IDocumentView* DocumentView() override;
    void Subscribe(int message, QObject* window) override;
    void PostFrameMessage(int message, quint32 param) override;
    void SendFrameMessage(int message, quint32 param) override;
    void NavigateTree(int command) override;
    /// Counts the runs; no radio is behind it.
    bool RunReadDevice() override {
        ++readDeviceRuns;
        return false;
    }
    int readDeviceRuns = 0; ///< how often the start-up read ran
    void SetModified(const QString& stepName) override {
        modified = true;
        lastStep = stepName;
        document_.Journal().Record(stepName.toStdString());
        ++steps;
    }

    /// The window's parts and its document's control.
    vd::CValdrenCpsView& View() { return *view_; }
    vd::CFunctionPane& Functions() { return *functionPane_; }
    vd::CShortlistPane& Shortlist() { return *shortlist_; }
    vd::HamCpsControl& Control() { return *document_.Control(); }
    /// The control as the test model, or null for a real model.
    TestControl* Test() { return dynamic_cast<TestControl*>(document_.Control()); }
    /// Selects a tree node as the person would (the view follows).
    void Select(const std::string& id, const std::string& kind);
    /// Lets the posted messages arrive.
    void DeliverPosted();
    /// Types text into the view's value cell of that name as the end of an in-place edit does.
    bool Type(const std::string& name, const QString& text, int chosen = -1);
    /// The text the view's value cell of that name shows.
    QString Shown(const std::string& name);

    MessageLog messages;
    bool modified = false;
    QString lastStep; ///< the step name of the last change
    int steps = 0;    ///< how many changes (undo steps) were made
    std::vector<std::pair<int, quint32>> posted;

private:
    ScriptedUi ui_; ///< cancels what a document operation asks
    vd::CValdrenCpsDoc document_;
    std::map<int, std::vector<QPointer<QObject>>> subscribers_;
    QPointer<vd::CFunctionPane> functionPane_;
    QPointer<vd::CShortlistPane> shortlist_;
    QPointer<vd::CValdrenCpsView> view_;
};

/// The grid cell that edits the element of that name (the first found), or (-1, -1).
vd::CellId FindValueCell(const vd::GridControl& grid, const std::string& name);

/// The value the element of that id holds now, read through the control.
std::string StoredValue(vd::HamCpsControl& control, const std::string& id);

} // namespace vdtest
