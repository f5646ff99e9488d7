// The list table: construction, filling and the editing of its cells.
#include "ui/table/CListTableView.h"

#include "app/LanguageCode.h"
#include "app/Log.h"
#include "app/StringTable.h"
#include "document/CValdrenCpsDoc.h"
#include "document/ListTable.h"
#include "model/HamCpsElement.h"
#include "ui/frames/UiConstants.h"
#include "ui/panes/CFunctionPane.h"
#include "ui/table/TableSortProxy.h"
#include "ui/view/ElementCells.h"
#include "ui/view/ReferenceCells.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QTime>
#include <QVBoxLayout>
#include <set>

namespace vd {

namespace {

QString ChooseListFile(QWidget* owner, bool save, const QString& name) {
    const QString filter = CListTableView::tr("CSV file (*.csv)");
    return save ? QFileDialog::getSaveFileName(owner, QString(), name + QStringLiteral(".csv"),
                                               filter)
                : QFileDialog::getOpenFileName(owner, QString(), QString(), filter);
}

} // namespace

CListTableView::CListTableView(IChildFrame& frame, QWidget* parent)
    : QWidget(parent), frame_(frame), filter_(new QLineEdit(this)),
      grid_(new GridControl(kGridId, this)), proxy_(new TableSortProxy(this)),
      messageBox_(ProgramMessageBox()), chooseFile_(ChooseListFile) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    filter_->setClearButtonEnabled(true);
    layout->addWidget(filter_);
    layout->addWidget(grid_);
    grid_->SetSortFilterModel(proxy_);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->verticalHeader()->show();
    grid_->setSortingEnabled(true);
    grid_->horizontalHeader()->setSortIndicatorShown(true);
    grid_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder); // list order first
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    grid_->SetEndEditHandler([this](int row, int column, QString& text, int chosen) {
        return OnBeginEdit(row, column, text, chosen);
    });
    connect(grid_, &GridControl::cellEdited, this, &CListTableView::OnCellEdited);
    connect(grid_, &GridControl::focusCellChanged, this, &CListTableView::OnFocusCellChanged);
    connect(grid_, &QWidget::customContextMenuRequested, this, &CListTableView::OnContextMenu);
    connect(filter_, &QLineEdit::textChanged, proxy_, &TableSortProxy::SetFilterText);
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CListTableView::SelectionChanged);
    grid_->installEventFilter(this);
    Retranslate();
}

CListTableView::~CListTableView() = default;

HamCpsControl* CListTableView::Control() const {
    HamCpsControl* control = frame_.GetDocument().Control();
    if (!control) {
        VD_LOG_ERROR("无法获取doc:{}", "ham_cps == nullptr");
    }
    return control;
}

void CListTableView::Guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        VD_LOG_ERROR("表格操作失败:{}", error.what());
        Message(QString::fromStdString(error.what()), MessageStyle::Error);
    }
}

QMessageBox::StandardButton CListTableView::Message(const QString& text, MessageStyle style,
                                                    QMessageBox::StandardButtons buttons) {
    return messageBox_ ? messageBox_(this, text, style, buttons) : QMessageBox::NoButton;
}

void CListTableView::Notice(const QString& text) {
    frame_.AddOutputLine(QTime::currentTime().toString(QStringLiteral("HH:mm:ss ")) + text);
    emit Noticed(text);
}

bool CListTableView::eventFilter(QObject* watched, QEvent* event) {
    // the table view copies and pastes one cell's text by itself; here rows are copied
    if (watched == grid_ && event->type() == QEvent::KeyPress && !grid_->IsEditingCell()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int command = key->matches(QKeySequence::Copy)    ? ui::ID_EDIT_COPY
                            : key->matches(QKeySequence::Paste) ? ui::ID_EDIT_PASTE
                                                                : 0;
        if (command != 0) {
            HandleCommand(command);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CListTableView::Retranslate() {
    filter_->setPlaceholderText(tr("Filter: rows whose cells hold this text"));
}

void CListTableView::Clear() {
    chapterId_.clear();
    columns_.clear();
    rowIds_.clear();
    grid_->SetCells(0, 0, {});
}

void CListTableView::ShowList(HamCpsControl& control, const std::string& listId) {
    const std::string chapterId = listId; // listId may be chapterId_, which Clear empties
    const bool again = chapterId == chapterId_;
    const std::vector<std::string> keep = again ? SelectedRecordIds() : std::vector<std::string>();
    const CellId focus = grid_->GetFocusCell();
    const std::string focusId =
        again && focus.IsValid() && static_cast<size_t>(focus.row) < rowIds_.size()
            ? rowIds_[static_cast<size_t>(focus.row)]
            : std::string();
    Clear();
    ListTable list(control, chapterId);
    chapterId_ = chapterId;
    const bool chinese = CurrentLanguageCode() == "CHN";
    for (const ListColumn& column : list.Columns()) {
        const std::string& text =
            chinese && !column.chineseText.empty() ? column.chineseText : column.englishText;
        columns_.push_back({column.field,
                            QString::fromStdString(text.empty() ? column.field : text),
                            column.members});
    }
    std::vector<GridCell> cells;
    cells.reserve(list.RecordIds().size() * columns_.size());
    ReferenceCache cache;
    ElementCellMaker maker(control);
    const int total = static_cast<int>(list.RecordIds().size());
    const std::string loading = LoadString(IDS_LOADING);
    for (int i = 0; i < total; ++i) {
        const std::string& id = list.RecordIds()[static_cast<size_t>(i)];
        if (!control.progress(loading, i + 1, total)) {
            break;
        }
        std::unique_ptr<HamCpsElement> record = control.GetElement(id);
        if (record && control.RemapReferences(id, record->name, cache)) {
            list.Reload(); // a reference to a deleted record was cleared
        }
        std::vector<GridCell> row = RowCells(maker, list, id);
        cells.insert(cells.end(), std::make_move_iterator(row.begin()),
                     std::make_move_iterator(row.end()));
        rowIds_.push_back(id);
    }
    const int columnCount = static_cast<int>(columns_.size());
    grid_->SetCells(static_cast<int>(rowIds_.size()), columnCount, std::move(cells));
    for (int column = 0; column < columnCount; ++column) {
        grid_->SetHeaderText(column, columns_[static_cast<size_t>(column)].header);
    }
    if (!again) {
        grid_->horizontalHeader()->resizeSections(QHeaderView::ResizeToContents);
        // a drop-down cell's arrow takes room the text would need
        const int arrow = grid_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        for (int column = 0; column < columnCount && !rowIds_.empty(); ++column) {
            if (grid_->GetCell(0, column).kind == CellKind::Combo) {
                grid_->setColumnWidth(column, grid_->columnWidth(column) + arrow);
            }
        }
    }
    SelectRecords(keep);
    if (!focusId.empty()) {
        const auto at = std::find(rowIds_.begin(), rowIds_.end(), focusId);
        if (at != rowIds_.end()) {
            grid_->selectionModel()->setCurrentIndex(
                grid_->ViewIndex(static_cast<int>(at - rowIds_.begin()), focus.column),
                QItemSelectionModel::NoUpdate);
        }
    }
}

std::vector<GridCell> CListTableView::RowCells(ElementCellMaker& maker, const ListTable& list,
                                               const std::string& recordId) {
    std::vector<GridCell> row(columns_.size());
    for (size_t column = 0; column < columns_.size(); ++column) {
        const ElementPtr element = list.CellElement(recordId, column);
        if (!element) {
            continue; // the record lacks the field: an empty cell nobody edits
        }
        if (columns_[column].members) {
            // members are chosen in the record's grid with the shortlist pane
            GridCell cell;
            cell.text = ShownModelText(list.CellText(recordId, column));
            cell.toolTip = cell.text;
            cell.element = element;
            row[column] = std::move(cell);
        } else {
            row[column] = maker.Make(element, false, false); // entries come with the focus
        }
    }
    return row;
}

void CListTableView::RefillRows(HamCpsControl& control, const std::vector<int>& rows) {
    const ListTable list(control, chapterId_);
    ElementCellMaker maker(control);
    for (int row : rows) {
        std::vector<GridCell> cells = RowCells(maker, list, rowIds_[static_cast<size_t>(row)]);
        for (size_t column = 0; column < cells.size(); ++column) {
            grid_->SetCell(row, static_cast<int>(column), std::move(cells[column]));
        }
    }
}

std::vector<std::string> CListTableView::SelectedRecordIds() const {
    std::vector<std::string> ids;
    for (int row : grid_->GetSelectedRows()) {
        if (row >= 0 && static_cast<size_t>(row) < rowIds_.size()) {
            ids.push_back(rowIds_[static_cast<size_t>(row)]);
        }
    }
    return ids;
}

void CListTableView::SelectRecords(const std::vector<std::string>& ids) {
    QItemSelection selection;
    QModelIndex first;
    for (const std::string& id : ids) {
        const auto at = std::find(rowIds_.begin(), rowIds_.end(), id);
        if (at == rowIds_.end()) {
            continue;
        }
        const QModelIndex index = grid_->ViewIndex(static_cast<int>(at - rowIds_.begin()), 0);
        if (!index.isValid()) {
            continue; // filtered out
        }
        selection.select(index, index);
        if (!first.isValid()) {
            first = index;
        }
    }
    grid_->selectionModel()->clearSelection();
    if (first.isValid()) {
        grid_->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
        grid_->selectionModel()->select(selection,
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        grid_->scrollTo(first);
    }
}

bool CListTableView::OnBeginEdit(int row, int column, QString& text, int chosen) {
    HamCpsControl* control = Control();
    if (!control) {
        return false;
    }
    bool accept = false;
    Guarded([&] {
        FillChoices(*control, row, column);
        const GridCell& cell = grid_->GetCell(row, column);
        if (!cell.element) {
            return;
        }
        accept = ReportEditCheck(
            CheckEditedText(*control, *cell.element, cell, text, chosen), text,
            [this](const QString& notice) { Notice(notice); },
            [this](const QString& message, MessageStyle style) { Message(message, style); });
    });
    return accept;
}

void CListTableView::OnCellEdited(int row, int column) {
    HamCpsControl* control = Control();
    if (!control) {
        return;
    }
    Guarded([&] {
        const GridCell cell = grid_->GetCell(row, column);
        if (!cell.element) {
            return;
        }
        const std::optional<std::string> value =
            ParseCellText(*control, *cell.element, cell, cell.text, cell.chosen);
        // the value goes to every selected row when the edited one is among them
        std::vector<int> rows = grid_->GetSelectedRows();
        if (std::find(rows.begin(), rows.end(), row) == rows.end()) {
            rows = {row};
        }
        std::vector<int> changedRows;
        bool renamed = false;
        for (int target : rows) {
            const GridCell& other = grid_->GetCell(target, column);
            if (!value || !other.element || !other.editable || !other.enabled ||
                other.element->IsLocked(*control)) {
                continue;
            }
            bool refresh = false;
            if (!other.element->SetValue(*control, *value, refresh)) {
                VD_LOG_WARN("无法设置element:{}", other.element->id);
                continue;
            }
            std::vector<ElementKey> dependents;
            control->OnValueChanged(*other.element, *value, dependents);
            changedRows.push_back(target);
            renamed = renamed || refresh;
        }
        if (!changedRows.empty()) {
            frame_.SetModified(tr("Edit %1").arg(columns_[static_cast<size_t>(column)].header));
        }
        if (renamed) {
            if (CFunctionPane* pane = frame_.FunctionPane()) {
                for (int target : changedRows) {
                    pane->UpdateCurrentTreeNode(rowIds_[static_cast<size_t>(target)]);
                }
            }
        }
        // what is really stored, also in the row whose edit was refused
        if (std::find(changedRows.begin(), changedRows.end(), row) == changedRows.end()) {
            changedRows.push_back(row);
        }
        RefillRows(*control, changedRows);
    });
}

void CListTableView::OnFocusCellChanged(int row, int column) {
    HamCpsControl* control = frame_.GetDocument().Control();
    if (control) {
        Guarded([&] { FillChoices(*control, row, column); });
    }
}

void CListTableView::FillChoices(HamCpsControl& control, int row, int column) {
    if (!grid_->IsValid(row, column)) {
        return;
    }
    const GridCell& cell = grid_->GetCell(row, column);
    if (cell.kind != CellKind::Combo || !cell.element ||
        columns_[static_cast<size_t>(column)].members) {
        return;
    }
    if (IsReferenceCell(cell.element->name)) {
        // the entries follow the records as they are now
        grid_->SetItemChoices(row, column, BuildReferenceChoices(control, *cell.element).choices);
    } else if (cell.choices.empty()) {
        grid_->SetItemChoices(row, column, MakeElementCell(control, cell.element, false).choices);
    }
}

void CListTableView::OnContextMenu(const QPoint& position) {
    const QModelIndex index = grid_->indexAt(position);
    if (index.isValid() && !grid_->selectionModel()->isSelected(index)) {
        grid_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
    }
    QMenu menu(this);
    const std::pair<QString, int> entries[] = {{tr("&Insert Row"), ui::ID_NODE_NEW},
                                               {tr("&Delete Rows"), ui::ID_NODE_DELETE},
                                               {QString(), 0},
                                               {tr("Move &Up"), ui::ID_MOVE_ROWS_UP},
                                               {tr("Move Do&wn"), ui::ID_MOVE_ROWS_DOWN},
                                               {QString(), 0},
                                               {tr("&Copy"), ui::ID_EDIT_COPY},
                                               {tr("&Paste"), ui::ID_EDIT_PASTE},
                                               {tr("Paste &Over"), ui::ID_EDIT_PASTE_OVER}};
    std::vector<std::pair<QAction*, int>> actions;
    for (const auto& [text, command] : entries) {
        if (command == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(text);
        action->setEnabled(IsCommandEnabled(command));
        actions.emplace_back(action, command);
    }
    QAction* picked = menu.exec(grid_->viewport()->mapToGlobal(position));
    for (const auto& [action, command] : actions) {
        if (action == picked) {
            HandleCommand(command);
        }
    }
}

} // namespace vd
