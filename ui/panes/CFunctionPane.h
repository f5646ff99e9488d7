#pragma once
#include "ui/frames/FrameInterfaces.h"

#include <QWidget>

namespace vd {

class CFunctionTree;

/// The function pane of a document window: the chapter tree, whose selection becomes the
/// document's selection, with the context menus of its nodes.
class CFunctionPane : public QWidget, public IFunctionPane, public IFrameMessageSink {
    Q_OBJECT
public:
    /// The pane of frame's document; the tree stays empty until FillTree.
    explicit CFunctionPane(IChildFrame& frame, QWidget* parent = nullptr);
    ~CFunctionPane() override;

    void FillTree() override;
    void UpdateCurrentTreeNode(const std::string& id) override;
    void AddRecordNode(const std::string& id) override;
    void RemoveRecordNode(const std::string& id) override;
    void Navigate(int command) override;
    /// Brings a list's record items in line with its records, keeping the selection.
    void SyncListNode(const std::string& chapterId);
    bool HandleCommand(int command) override;
    void OnFrameMessage(int message, quint32 param) override;

    /// The tree, for tests and the frame.
    CFunctionTree& Tree() { return *tree_; }

private:
    void OnContextMenu(const QPoint& position);
    void OnNodeSelected(const QString& id, const QString& kind);

    IChildFrame& frame_;
    CFunctionTree* tree_;
};

} // namespace vd
