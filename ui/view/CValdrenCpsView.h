#pragma once
#include "model/HamCpsControl.h"
#include "ui/frames/FrameInterfaces.h"
#include "ui/grid/CGrid2.h"
#include "ui/view/ViewMessageBox.h"

#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QLabel;

namespace vd {

struct BandChange;
struct GridPlan;
class CListTableView;
class CShortlistPane;

/// The one view of a document: the node selected in the function tree as a grid of label
/// and value pairs, with the editing rules of each control type, New node and Delete node
/// on lists, and the timer that starts Read Device.
class CValdrenCpsView : public QWidget, public IDocumentView, public IFrameMessageSink {
    Q_OBJECT
public:
    /// The control identifier of the view's grid.
    static constexpr int kGridId = 1001;

    /// How a bitmap file is chosen for a file cell; empty text when cancelled.
    using BitmapChooser = std::function<QString(QWidget* owner)>;

    /// The view of frame's document; subscribes to the member count and language messages.
    explicit CValdrenCpsView(IChildFrame& frame, QWidget* parent = nullptr);
    ~CValdrenCpsView() override;

    void ShowSelectedNode() override;
    void ClearGrid() override;
    void Retranslate() override;
    void StartReadDeviceTimer() override;
    bool HandleCommand(int command) override;
    bool IsCommandEnabled(int command) const override;
    void OnFrameMessage(int message, quint32 param) override;

    /// New node: creates a record in the selected list (or the list of the selected record).
    void OnNodeNew();
    /// Delete node: deletes the selected record after asking.
    void OnNodeDelete();

    /// The grid, for the frame's printing and for tests.
    CGrid2& Grid() { return *grid_; }
    /// The table of a list chapter, for tests.
    CListTableView& Table() { return *table_; }
    /// Whether the selected node is shown as a table.
    bool IsTableShown() const;
    /// Replaces the message box routine (tests record the messages instead).
    void SetMessageBox(MessageBoxFn messageBox);
    /// Replaces the bitmap file dialog.
    void SetBitmapChooser(BitmapChooser chooser);
    /// Whether the Read Device timer is running.
    bool IsReadDeviceTimerActive() const { return readDeviceTimer_.isActive(); }

signals:
    /// A notice was given (see Notice): a value moved, a band changed, a reference cleared.
    void Noticed(const QString& text);
    /// What the menu commands of the view may do changed (another node, other rows selected).
    void CommandStatesChanged();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // grid notifications (ViewEditing.cpp)
    bool OnGridBeginEdit(int row, int column, QString& text, int chosen);
    void OnGridAfterEdit(int row, int column);
    void OnGridButtonClick(int row, int column);
    void OnFocusCellChanged(int row, int column);
    void OnContextMenu(const QPoint& position);

    // filling (CValdrenCpsView.cpp)
    void ShowNode(HamCpsControl& control);
    void PrepareRecord(HamCpsControl& control, const ElementPtr& record, ElementList& shown,
                       ReferenceCache& cache);
    void BuildHeader(int columns);
    void FillGrid(HamCpsControl& control, const GridPlan& plan);
    void fill_cell(HamCpsControl& control, int row, int column, const ElementPtr& element);
    void RefillCell(HamCpsControl& control, int row, int column);
    void RefillDependents(HamCpsControl& control, const std::vector<ElementKey>& changed);
    ElementPtr ReadElement(HamCpsControl& control, const HamCpsElement& snapshot);

    /// The document's control; logs "ham_cps == nullptr" when there is none.
    HamCpsControl* Control() const;
    /// Runs a handler, turning a failure of the model into a log line and a message.
    void Guarded(const std::function<void()>& handler);
    QMessageBox::StandardButton Message(const QString& text, MessageStyle style,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok);
    CShortlistPane* Shortlist() const;
    /// While a read runs the window shows "Reading from PORT…" instead of the template's
    /// values, which would look like the radio's.
    void ShowReading(bool reading);
    // notices (ViewNotices.cpp)
    /// Tells the person of something the program did on its own: a line with the time in the
    /// output pane and the text in the main window's status bar.
    void Notice(const QString& text);
    /// Asks before a band change moves channel frequencies; true to go on.
    bool ConfirmBandChange(const BandChange& plan);
    /// Lists the frequencies a band change moved.
    void ReportBandChange(HamCpsControl& control, const BandChange& plan);
    /// The name of the list chapter selected in the tree, empty when it is no list chapter.
    std::string SelectedListName() const;
    /// View → Table / Name Grid for the selected list chapter.
    void ShowListAs(bool table);

    IChildFrame& frame_;
    CGrid2* grid_;
    CListTableView* table_;
    QTimer readDeviceTimer_;
    QLabel* reading_ = nullptr;
    std::vector<int> labelColumns_; ///< columns of the shown node's labels
    std::vector<int> valueColumns_; ///< columns of its editing cells
    MessageBoxFn messageBox_;
    BitmapChooser chooseBitmap_;
    std::string memberField_; ///< "Channel" while a record with a member list is shown
    CellId memberCell_;       ///< the cell that shows that record's member count
    int headerColumns_ = 3;
};

} // namespace vd
