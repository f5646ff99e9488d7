// The list table's commands: clipboard, insert, delete, move, sort, import and export. The
// work is done by the document's list operations; this file asks, reports and refreshes.
#include "app/Log.h"
#include "document/CValdrenCpsDoc.h"
#include "document/CsvTable.h"
#include "document/ForeignChannelCsv.h"
#include "document/ListOrder.h"
#include "document/ListRows.h"
#include "document/ListTable.h"
#include "document/RecordReferences.h"
#include "model/HamCpsElement.h"
#include "ui/frames/UiConstants.h"
#include "ui/panes/CFunctionPane.h"
#include "ui/table/CListTableView.h"
#include "ui/table/SortListDlg.h"
#include "ui/table/TableSortProxy.h"
#include "ui/view/ViewStrings.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QMimeData>
#include <QSaveFile>
#include <QStringList>

namespace vd {

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

/// The problems of rows taken from the clipboard or a file, one line each.
QStringList ProblemLines(const RowsOutcome& outcome) {
    QStringList lines;
    for (const RowProblem& problem : outcome.problems) {
        lines << CListTableView::tr("row %1, %2: %3")
                     .arg(problem.row)
                     .arg(FromUtf8(problem.field), FromUtf8(problem.message));
    }
    if (!outcome.ignoredColumns.empty()) {
        QStringList names;
        for (const std::string& column : outcome.ignoredColumns) {
            names << FromUtf8(column);
        }
        lines << CListTableView::tr("columns this list has no field for: %1")
                     .arg(names.join(QStringLiteral(", ")));
    }
    if (outcome.skippedRows > 0) {
        lines << CListTableView::tr("rows skipped because the list is full: %1")
                     .arg(outcome.skippedRows);
    }
    return lines;
}

} // namespace

bool CListTableView::HandleCommand(int command) {
    HamCpsControl* control = Control();
    if (!control || chapterId_.empty()) {
        return false;
    }
    switch (command) {
    case ui::ID_EDIT_CUT:
    case ui::ID_EDIT_COPY:
    case ui::ID_EDIT_PASTE:
    case ui::ID_EDIT_PASTE_OVER:
        // while a cell's text is being typed, the text box cuts, copies and pastes itself
        if (grid_->IsEditingCell()) {
            return false;
        }
        if (command == ui::ID_EDIT_COPY) {
            Guarded([&] { CopyRows(); });
        } else if (command != ui::ID_EDIT_CUT) {
            Guarded([&] { PasteRows(command == ui::ID_EDIT_PASTE_OVER); });
        }
        return true;
    case ui::ID_NODE_NEW:
        Guarded([&] { InsertRow(*control); });
        return true;
    case ui::ID_NODE_DELETE:
        Guarded([&] { DeleteRows(*control); });
        return true;
    case ui::ID_MOVE_ROWS_UP:
    case ui::ID_MOVE_ROWS_DOWN:
        Guarded([&] { MoveRows(*control, command == ui::ID_MOVE_ROWS_UP ? -1 : 1); });
        return true;
    case ui::ID_SORT_LIST:
        Guarded([&] { SortList(*control); });
        return true;
    case ui::ID_IMPORT_LIST:
        Guarded([&] { ImportList(*control); });
        return true;
    case ui::ID_EXPORT_LIST:
        Guarded([&] { ExportList(*control); });
        return true;
    default:
        return false;
    }
}

bool CListTableView::IsCommandEnabled(int command) const {
    if (chapterId_.empty() || !frame_.GetDocument().Control()) {
        return false;
    }
    const std::vector<int> rows = grid_->GetSelectedRows(); // ascending, in list order
    const int count = static_cast<int>(rowIds_.size());
    // the formats only: this runs at every change of the selection
    const QMimeData* offered = QGuiApplication::clipboard()->mimeData();
    const bool clipboard = offered != nullptr && offered->hasText();
    switch (command) {
    case ui::ID_EDIT_COPY:
        return !rows.empty();
    case ui::ID_NODE_DELETE:
        // records the model keeps (the VFOs, a fixed channel list) show a greyed name
        return std::any_of(rows.begin(), rows.end(),
                           [this](int row) { return grid_->GetCell(row, 0).enabled; });
    case ui::ID_EDIT_PASTE:
        return clipboard;
    case ui::ID_EDIT_PASTE_OVER:
        return clipboard && !rows.empty();
    case ui::ID_MOVE_ROWS_UP:
        return !rows.empty() && rows.front() > 0;
    case ui::ID_MOVE_ROWS_DOWN:
        return !rows.empty() && rows.back() + 1 < count;
    case ui::ID_SORT_LIST:
        return count > 1;
    case ui::ID_NODE_NEW:
    case ui::ID_IMPORT_LIST:
    case ui::ID_EXPORT_LIST:
        return true;
    default:
        return false;
    }
}

QString CListTableView::ListText(HamCpsControl& control) const {
    HamCpsChapter chapter;
    control.GetChapter(chapterId_, chapter);
    return FromUtf8(chapter.text.empty() ? chapter.name : chapter.text);
}

void CListTableView::AfterListChange(HamCpsControl& control, const std::vector<std::string>& select,
                                     bool listOrder) {
    if (CFunctionPane* pane = frame_.FunctionPane()) {
        pane->SyncListNode(chapterId_);
    }
    if (listOrder) {
        // a change of the order is seen in the list's own order, not a header's
        grid_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        proxy_->sort(-1);
    }
    ShowList(control, chapterId_);
    SelectRecords(select);
}

void CListTableView::CopyRows() {
    HamCpsControl* control = Control();
    const std::vector<std::string> ids = SelectedRecordIds();
    if (!control || ids.empty()) {
        return;
    }
    TextTable rows = ExportRows(*control, chapterId_, ids);
    // headed by the texts the person sees; a paste matches them in either language
    const ListTable list(*control, chapterId_);
    for (std::string& header : rows.header) {
        const std::optional<size_t> column = list.ColumnOf(header);
        if (column && *column < columns_.size()) {
            header = columns_[*column].header.toStdString();
        }
    }
    QGuiApplication::clipboard()->setText(FromUtf8(TsvText(rows)));
}

void CListTableView::PasteRows(bool replace) {
    HamCpsControl* control = Control();
    const QString text = QGuiApplication::clipboard()->text();
    if (!control || text.isEmpty()) {
        return;
    }
    TextTable table;
    try {
        table = ParseTsv(text.toStdString());
    } catch (const CsvFormatError&) {
        table = {}; // not a table: said below
    }
    if (table.header.empty() || table.rows.empty()) {
        Message(tr("The clipboard holds no rows with a header row of column names."),
                MessageStyle::Warning);
        return;
    }
    const std::vector<std::string> selected = SelectedRecordIds();
    const RowPlacement placement = replace            ? RowPlacement::ReplaceRecords
                                   : selected.empty() ? RowPlacement::Append
                                                      : RowPlacement::AfterRecords;
    const RowsOutcome outcome =
        ApplyRows(*control, chapterId_, table, placement, selected, RowFaults::SkipFaults);
    for (const QString& line : ProblemLines(outcome)) {
        Notice(tr("Paste: %1").arg(line));
    }
    if (outcome.recordIds.empty()) {
        return;
    }
    const int pasted = static_cast<int>(outcome.recordIds.size());
    frame_.SetModified(pasted == 1 ? tr("Paste Row") : tr("Paste %1 Rows").arg(pasted));
    AfterListChange(*control, outcome.recordIds);
}

void CListTableView::InsertRow(HamCpsControl& control) {
    ElementList free;
    if (!control.FindFreeRecord(chapterId_, free) || free.empty() || !free.front()) {
        Message(TextWithArg(IDS_MAXIMUM_EXCEEDED, ListText(control)), MessageStyle::Default);
        return;
    }
    const int capacity = control.GetCapacity(free.front()->name);
    if (capacity >= 0 && rowIds_.size() >= static_cast<size_t>(capacity)) {
        Message(TextWithArg(IDS_MAXIMUM_EXCEEDED, ListText(control)), MessageStyle::Default);
        return;
    }
    ElementPtr created;
    if (!control.NewRecord(free.front()->id, created) || !created) {
        VD_LOG_WARN("无法创建新{}", free.front()->name);
        Message(tr("No record could be added to %1.").arg(ListText(control)),
                MessageStyle::Default);
        return;
    }
    // the new record comes after the selection (new records start at the end of the list)
    const std::vector<int> rows = grid_->GetSelectedRows();
    if (!rows.empty()) {
        const int after = static_cast<int>(rowIds_.size()) - rows.back() - 1;
        if (after > 0) {
            MoveRecords(control, chapterId_, {created->id}, -after);
        }
    }
    frame_.SetModified(tr("New %1").arg(FromUtf8(created->inputValue)));
    AfterListChange(control, {created->id}, true);
}

void CListTableView::DeleteRows(HamCpsControl& control) {
    std::vector<std::string> ids;
    QStringList names;
    QStringList cleared;
    for (const std::string& id : SelectedRecordIds()) {
        std::unique_ptr<HamCpsElement> record = control.GetElement(id);
        if (!record || record->IsLocked(control)) {
            continue;
        }
        ids.push_back(id);
        names << FromUtf8(record->inputValue);
        for (const RecordReference& reference : ReferencesTo(control, id)) {
            cleared << FromUtf8(DescribeReference(reference));
        }
    }
    if (ids.empty()) {
        return;
    }
    QString question = TextWithArg(IDS_DELETE_QUESTION, names.join(QStringLiteral(", ")));
    if (!cleared.isEmpty()) {
        question += QLatin1Char('\n') + tr("These references to them will be cleared: %1")
                                            .arg(cleared.join(QStringLiteral("; ")));
    }
    if (Message(question, MessageStyle::Question, QMessageBox::Yes | QMessageBox::No) !=
        QMessageBox::Yes) {
        return;
    }
    int deleted = 0;
    for (size_t i = 0; i < ids.size(); ++i) {
        if (control.DeleteRecord(ids[i])) {
            ++deleted;
        } else {
            VD_LOG_WARN("无法删除指定节点{}:{}", chapterId_, ids[i]);
            Notice(tr("%1 could not be deleted").arg(names[static_cast<int>(i)]));
        }
    }
    if (deleted == 0) {
        return;
    }
    frame_.SetModified(deleted == 1 ? tr("Delete Row") : tr("Delete %1 Rows").arg(deleted));
    for (const QString& reference : cleared) {
        Notice(tr("Deleting rows cleared %1").arg(reference));
    }
    AfterListChange(control, {});
}

void CListTableView::MoveRows(HamCpsControl& control, int delta) {
    const std::vector<std::string> ids = SelectedRecordIds();
    if (ids.empty() || !MoveRecords(control, chapterId_, ids, delta)) {
        return;
    }
    frame_.SetModified(delta < 0 ? tr("Move Rows Up") : tr("Move Rows Down"));
    AfterListChange(control, ids, true);
}

void CListTableView::SortList(HamCpsControl& control) {
    QStringList headers;
    for (const Column& column : columns_) {
        headers << column.header;
    }
    SortListDlg dialog(headers, this);
    const int shown = grid_->horizontalHeader()->sortIndicatorSection();
    if (shown >= 0) {
        dialog.SetChoice(shown,
                         grid_->horizontalHeader()->sortIndicatorOrder() == Qt::AscendingOrder);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const std::vector<std::string> selected = SelectedRecordIds();
    SortRecords(control, chapterId_, static_cast<size_t>(dialog.Column()), dialog.Ascending());
    frame_.SetModified(tr("Sort List"));
    AfterListChange(control, selected, true);
}

void CListTableView::ImportList(HamCpsControl& control) {
    const QString path = chooseFile_ ? chooseFile_(this, false, ListText(control)) : QString();
    if (path.isEmpty()) {
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Message(tr("%1 cannot be read: %2").arg(path, file.errorString()), MessageStyle::Error);
        return;
    }
    const QByteArray bytes = file.readAll();
    const QMessageBox::StandardButton how =
        Message(tr("Replace the records of %1 by the rows of the file?\nYes replaces them, No "
                   "adds the rows after them.")
                    .arg(ListText(control)),
                MessageStyle::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (how != QMessageBox::Yes && how != QMessageBox::No) {
        return;
    }
    TextTable table;
    try {
        table = ParseCsvTable(bytes.toStdString());
    } catch (const CsvFormatError& error) {
        Notice(tr("Import List: %1").arg(FromUtf8(error.what())));
        Message(tr("Nothing was imported from %1:\n%2").arg(path, FromUtf8(error.what())),
                MessageStyle::Error);
        return;
    }
    RowsOutcome converted;
    if (IsForeignChannelCsv(table)) {
        // the channel CSV of other programming tools, in this model's fields
        ForeignChannels foreign = ConvertForeignChannels(control, chapterId_, table);
        converted.ignoredColumns = std::move(foreign.ignoredColumns);
        converted.problems = std::move(foreign.problems);
        table = std::move(foreign.table);
    }
    RowsOutcome outcome = converted;
    if (converted.problems.empty()) {
        outcome =
            ApplyRows(control, chapterId_, table,
                      how == QMessageBox::Yes ? RowPlacement::ReplaceList : RowPlacement::Append,
                      {}, RowFaults::AllOrNothing);
        outcome.ignoredColumns.insert(outcome.ignoredColumns.end(),
                                      converted.ignoredColumns.begin(),
                                      converted.ignoredColumns.end());
    }
    const QStringList lines = ProblemLines(outcome);
    for (const QString& line : lines) {
        Notice(tr("Import List: %1").arg(line));
    }
    if (!outcome.applied) {
        Message(tr("Nothing was imported from %1:\n%2").arg(path, lines.join(QLatin1Char('\n'))),
                MessageStyle::Error);
        return;
    }
    frame_.SetModified(tr("Import List"));
    Notice(tr("Import List: %1 rows from %2").arg(outcome.recordIds.size()).arg(path));
    AfterListChange(control, {});
}

void CListTableView::ExportList(HamCpsControl& control) {
    const QString path = chooseFile_ ? chooseFile_(this, true, ListText(control)) : QString();
    if (path.isEmpty()) {
        return;
    }
    const std::string text = CsvText(ExportRows(control, chapterId_, {}));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        Message(tr("%1 cannot be written: %2").arg(path, file.errorString()), MessageStyle::Error);
        return;
    }
    Notice(tr("Export List: %1 rows to %2").arg(rowIds_.size()).arg(path));
}

} // namespace vd
