#pragma once
// Stand-ins for the grid view and the function and shortlist panes, built only while the
// view library is not part of the build, so that the program and its tests can run.
#include "ui/frames/FrameInterfaces.h"

#include <QBasicTimer>
#include <QLabel>

namespace vd {

/// Stand-in of the grid view: a label, and the Read Device timer.
class CValdrenCpsView : public QLabel, public IDocumentView {
    Q_OBJECT
public:
    /// Builds the stand-in for a frame.
    explicit CValdrenCpsView(IChildFrame& frame, QWidget* parent = nullptr);
    void ShowSelectedNode() override {}
    void ClearGrid() override {}
    void Retranslate() override {}
    void StartReadDeviceTimer() override;

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    IChildFrame& frame_;
    QBasicTimer readDeviceTimer_;
};

/// Stand-in of the function pane.
class CFunctionPane : public QLabel, public IFunctionPane {
    Q_OBJECT
public:
    /// Builds the stand-in for a frame.
    explicit CFunctionPane(IChildFrame& frame, QWidget* parent = nullptr);
    void FillTree() override {}
    void UpdateCurrentTreeNode(const std::string&) override {}
    void AddRecordNode(const std::string&) override {}
    void RemoveRecordNode(const std::string&) override {}
    void Navigate(int) override {}
};

/// Stand-in of the shortlist pane.
class CShortlistPane : public QLabel, public IShortlistPane {
    Q_OBJECT
public:
    /// Builds the stand-in for a frame.
    explicit CShortlistPane(IChildFrame& frame, QWidget* parent = nullptr);
    void Retranslate() override {}
};

} // namespace vd
