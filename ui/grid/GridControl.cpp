#include "ui/grid/GridControl.h"

#include "ui/grid/CellDelegateRouter.h"

#include <QHeaderView>
#include <QScopedValueRollback>
#include <set>

namespace vd {

GridControl::GridControl(int id, QWidget* parent)
    : QTableView(parent), id_(id), model_(new GridModel(this)),
      router_(new CellDelegateRouter(*this, this)) {
    setModel(model_);
    setItemDelegate(router_);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    // a drop-down opens on the first click, as drop-downs do everywhere else
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (editingEnabled_ && index.isValid() &&
            GetCell(ModelCell(index).row, ModelCell(index).column).kind == CellKind::Combo &&
            state() != QAbstractItemView::EditingState) {
            edit(index);
        }
    });
}

GridControl::~GridControl() = default;

void GridControl::SetRowCount(int rows) {
    model_->SetRowCount(rows);
}

int GridControl::GetRowCount() const {
    return model_->rowCount();
}

void GridControl::SetColumnCount(int columns) {
    model_->SetColumnCount(columns);
}

int GridControl::GetColumnCount() const {
    return model_->columnCount();
}

void GridControl::SetFixedColumnCount(int count) {
    model_->SetFixedColumnCount(count);
}

int GridControl::GetFixedColumnCount() const {
    return model_->FixedColumnCount();
}

void GridControl::SetColumnWidth(int column, int width) {
    setColumnWidth(column, width);
}

void GridControl::SetHeaderText(int column, const QString& text) {
    model_->SetHeaderText(column, text);
}

QString GridControl::GetHeaderText(int column) const {
    return model_->HeaderText(column);
}

void GridControl::SetCells(int rows, int columns, std::vector<GridCell> cells) {
    model_->Assign(rows, columns, std::move(cells));
}

void GridControl::SetSortFilterModel(QSortFilterProxyModel* proxy) {
    proxy_ = proxy;
    proxy_->setParent(this);
    proxy_->setSourceModel(model_);
    setModel(proxy_);
}

CellId GridControl::ModelCell(const QModelIndex& viewIndex) const {
    const QModelIndex source =
        proxy_ && viewIndex.model() == proxy_ ? proxy_->mapToSource(viewIndex) : viewIndex;
    return source.isValid() ? CellId{source.row(), source.column()} : CellId{};
}

QModelIndex GridControl::ViewIndex(int row, int column) const {
    const QModelIndex source = model_->index(row, column);
    return proxy_ ? proxy_->mapFromSource(source) : source;
}

void GridControl::DeleteAllItems() {
    clearSpans();
    model_->SetRowCount(0);
}

bool GridControl::IsValid(int row, int column) const {
    return model_->Contains(row, column);
}

const GridCell& GridControl::GetCell(int row, int column) const {
    return model_->Cell(row, column);
}

void GridControl::SetCell(int row, int column, GridCell cell) {
    if (IsValid(row, column)) {
        model_->SetCell(row, column, std::move(cell));
    }
}

QString GridControl::GetItemText(int row, int column) const {
    return IsValid(row, column) ? model_->Cell(row, column).text : QString();
}

void GridControl::SetItemText(int row, int column, const QString& text) {
    if (IsValid(row, column)) {
        model_->Update(row, column, [&](GridCell& cell) { cell.text = text; });
    }
}

ElementPtr GridControl::GetItemElement(int row, int column) const {
    return IsValid(row, column) ? model_->Cell(row, column).element : nullptr;
}

void GridControl::SetItemChoices(int row, int column, std::vector<GridChoice> choices) {
    if (IsValid(row, column)) {
        model_->Update(row, column, [&](GridCell& cell) {
            cell.choices = std::move(choices);
            cell.chosen = -1;
        });
    }
}

void GridControl::SetItemBkColour(int row, int column, const QColor& colour) {
    if (IsValid(row, column)) {
        model_->Update(row, column, [&](GridCell& cell) { cell.background = colour; });
    }
}

void GridControl::SetItemToolTip(int row, int column, const QString& text) {
    if (IsValid(row, column)) {
        model_->Update(row, column, [&](GridCell& cell) { cell.toolTip = text; });
    }
}

void GridControl::SetCellSpan(int row, int column, int rows, int columns) {
    if (IsValid(row, column) && (rows > 1 || columns > 1)) {
        setSpan(row, column, rows, columns);
    }
}

void GridControl::RedrawCell(int row, int column) {
    if (IsValid(row, column)) {
        model_->Redraw(row, column);
    }
}

CellId GridControl::GetFocusCell() const {
    return ModelCell(currentIndex());
}

void GridControl::SetFocusCell(int row, int column) {
    if (IsValid(row, column)) {
        setCurrentIndex(ViewIndex(row, column));
    }
}

std::vector<int> GridControl::GetSelectedRows() const {
    std::set<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
        rows.insert(ModelCell(index).row);
    }
    return {rows.begin(), rows.end()};
}

void GridControl::SetListMode(bool list) {
    setSelectionMode(list ? QAbstractItemView::ExtendedSelection
                          : QAbstractItemView::SingleSelection);
    setSelectionBehavior(list ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

void GridControl::SetEditingEnabled(bool enabled) {
    editingEnabled_ = enabled;
    setEditTriggers(enabled
                        ? QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                              QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                        : QAbstractItemView::NoEditTriggers);
}

void GridControl::SetEndEditHandler(EndEditHandler handler) {
    endEdit_ = std::move(handler);
}

bool GridControl::CommitEdit(int row, int column, QString text, int chosen) {
    // A message box shown by the handler takes the focus from the editor, whose delegate
    // then ends the same edit a second time; that second ending is ignored.
    if (!IsValid(row, column) || !editingEnabled_ || committing_) {
        return false;
    }
    const QScopedValueRollback<bool> committing(committing_, true);
    const GridCell& cell = model_->Cell(row, column);
    if (!cell.editable || !cell.enabled || column < GetFixedColumnCount()) {
        return false;
    }
    if (endEdit_ && !endEdit_(row, column, text, chosen)) {
        RedrawCell(row, column); // the refused text never reached the cell
        return false;
    }
    model_->Update(row, column, [&](GridCell& edited) {
        edited.text = text;
        edited.chosen = chosen;
    });
    emit cellEdited(row, column);
    return true;
}

void GridControl::PressButton(int row, int column) {
    if (!IsValid(row, column) || !editingEnabled_) {
        return;
    }
    const GridCell& cell = model_->Cell(row, column);
    if (cell.kind == CellKind::Button && cell.editable && cell.enabled) {
        emit buttonClicked(row, column);
    }
}

void GridControl::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (const CellId cell = ModelCell(current); cell.IsValid()) {
        emit focusCellChanged(cell.row, cell.column);
    }
}

} // namespace vd
