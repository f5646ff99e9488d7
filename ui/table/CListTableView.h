#pragma once
#include "model/HamCpsControl.h"
#include "ui/frames/FrameInterfaces.h"
#include "ui/grid/GridControl.h"
#include "ui/view/ViewMessageBox.h"

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QLineEdit;

namespace vd {

class ElementCellMaker;
class ListTable;
class TableSortProxy;

/// A list chapter as a table: one row per in-use record in list order, the record's name
/// first and then one column per field. Every cell is edited like the record's grid; a
/// value typed while several rows are selected goes to all of them as one change. The
/// header sorts the rows on screen only, and the filter box hides the rows whose cells do
/// not hold its text. The list operations (clipboard, insert, delete, move, sort, import,
/// export) are in ListTableCommands.cpp.
class CListTableView : public QWidget {
    Q_OBJECT
public:
    /// The control identifier of the table's grid.
    static constexpr int kGridId = 1008;

    /// How a file is chosen for Import List (open) or Export List (save); empty when
    /// cancelled.
    using FileChooser = std::function<QString(QWidget* owner, bool save, const QString& name)>;

    /// A table of frame's document; empty until ShowList.
    explicit CListTableView(IChildFrame& frame, QWidget* parent = nullptr);
    ~CListTableView() override;

    /// Shows the list chapterId, keeping the selected records when it was shown already.
    void ShowList(HamCpsControl& control, const std::string& chapterId);
    /// Empties the table.
    void Clear();
    /// The chapter shown, empty for none.
    const std::string& ChapterId() const { return chapterId_; }
    /// The selected records, in list order.
    std::vector<std::string> SelectedRecordIds() const;
    /// Selects the rows of these records (the first becomes the current row).
    void SelectRecords(const std::vector<std::string>& ids);

    /// Runs a menu command on the table; false when it is not one of the table's.
    bool HandleCommand(int command);
    /// Whether a command of the table is available now.
    bool IsCommandEnabled(int command) const;

    /// The grid, the filter box and the record of each row, for tests.
    GridControl& Grid() { return *grid_; }
    QLineEdit& FilterBox() { return *filter_; }
    const std::vector<std::string>& RowRecordIds() const { return rowIds_; }

    /// Replaces the message box routine and the file dialogs (tests answer them).
    void SetMessageBox(MessageBoxFn messageBox) { messageBox_ = std::move(messageBox); }
    void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
    /// The header and filter texts in the current language.
    void Retranslate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    /// Something the person should know of went to the output pane (a value moved, a pasted
    /// value skipped).
    void Noticed(const QString& text);
    /// The selected rows changed (the commands that act on them may change state).
    void SelectionChanged();

private:
    struct Column {
        std::string field; ///< empty for the record's own name
        QString header;
        bool members = false; ///< a zone's or scan list's member fields, shown as one text
    };

    // filling (CListTableView.cpp)
    std::vector<GridCell> RowCells(ElementCellMaker& maker, const ListTable& list,
                                   const std::string& recordId);
    void RefillRows(HamCpsControl& control, const std::vector<int>& rows);
    /// Rebuilds the table and the function tree after records were added, removed or
    /// moved, keeping these records selected; listOrder drops the header's order.
    void AfterListChange(HamCpsControl& control, const std::vector<std::string>& select,
                         bool listOrder = false);

    // editing (CListTableView.cpp)
    bool OnBeginEdit(int row, int column, QString& text, int chosen);
    void OnCellEdited(int row, int column);
    void OnFocusCellChanged(int row, int column);
    /// Gives a drop-down cell its entries, which the table leaves out when it fills.
    void FillChoices(HamCpsControl& control, int row, int column);
    void OnContextMenu(const QPoint& position);

    // commands (ListTableCommands.cpp)
    void CopyRows();
    void PasteRows(bool replace);
    void InsertRow(HamCpsControl& control);
    void DeleteRows(HamCpsControl& control);
    void MoveRows(HamCpsControl& control, int delta);
    void SortList(HamCpsControl& control);
    void ImportList(HamCpsControl& control);
    void ExportList(HamCpsControl& control);
    /// The list's text in the current language ("Channels").
    QString ListText(HamCpsControl& control) const;

    HamCpsControl* Control() const;
    void Guarded(const std::function<void()>& handler);
    QMessageBox::StandardButton Message(const QString& text, MessageStyle style,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok);
    /// A line with the time in the output pane, and the Noticed signal.
    void Notice(const QString& text);

    IChildFrame& frame_;
    QLineEdit* filter_;
    GridControl* grid_;
    TableSortProxy* proxy_;
    MessageBoxFn messageBox_;
    FileChooser chooseFile_;
    std::string chapterId_;
    std::vector<Column> columns_;
    std::vector<std::string> rowIds_; ///< record id of each row of the cells
};

} // namespace vd
