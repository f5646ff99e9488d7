// The view: construction, showing a node and filling the grid.
#include "ui/view/CValdrenCpsView.h"

#include "app/Log.h"
#include "document/CValdrenCpsDoc.h"
#include "model/HamCpsElement.h"
#include "ui/frames/UiConstants.h"
#include "ui/panes/CShortlistPane.h"
#include "ui/table/CListTableView.h"
#include "ui/table/ListViewChoice.h"
#include "ui/view/ColumnFit.h"
#include "ui/view/ElementCells.h"
#include "ui/view/GridPlan.h"
#include "ui/view/ReferenceCells.h"
#include "ui/view/ViewStrings.h"

#include <QEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QStatusBar>
#include <QVBoxLayout>
#include <set>

namespace vd {

namespace {

constexpr int kFixedColumnWidth = 33;
constexpr int kNameColumnWidth = 157;
constexpr int kControlColumnWidth = 233;
constexpr int kInitialColumns = 3;

QString ChooseBitmapFile(QWidget* owner) {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    dialog.setNameFilter(CValdrenCpsView::tr("bmp file(*.bmp)"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

} // namespace

CValdrenCpsView::CValdrenCpsView(IChildFrame& frame, QWidget* parent)
    : QWidget(parent), frame_(frame), grid_(new CGrid2(kGridId, this)),
      table_(new CListTableView(frame, this)), messageBox_(ProgramMessageBox()),
      chooseBitmap_(ChooseBitmapFile) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    layout->addWidget(table_);
    table_->hide();
    connect(table_, &CListTableView::SelectionChanged, this,
            &CValdrenCpsView::CommandStatesChanged);
    connect(table_, &CListTableView::Noticed, this, [this](const QString& text) {
        emit Noticed(text);
        if (auto* main = qobject_cast<QMainWindow*>(window())) {
            main->statusBar()->showMessage(text, 15000);
        }
    });
    reading_ = new QLabel(this);
    reading_->setAlignment(Qt::AlignCenter);
    reading_->hide();
    layout->addWidget(reading_);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    grid_->SetEndEditHandler([this](int row, int column, QString& text, int chosen) {
        return OnGridBeginEdit(row, column, text, chosen);
    });
    connect(grid_, &GridControl::cellEdited, this, &CValdrenCpsView::OnGridAfterEdit);
    connect(grid_, &GridControl::buttonClicked, this, &CValdrenCpsView::OnGridButtonClick);
    connect(grid_, &GridControl::focusCellChanged, this, &CValdrenCpsView::OnFocusCellChanged);
    connect(grid_, &QWidget::customContextMenuRequested, this, &CValdrenCpsView::OnContextMenu);

    readDeviceTimer_.setSingleShot(true);
    readDeviceTimer_.setInterval(ui::kReadDeviceDelayMs);
    connect(&readDeviceTimer_, &QTimer::timeout, this, [this] {
        QPointer<CValdrenCpsView> self(this);
        Guarded([this] { frame_.RunReadDevice(); });
        if (self) {
            ShowReading(false); // the radio's values are in (a failed read closed the window)
        }
    });

    frame_.Subscribe(ui::WM_MEMBER_COUNT_CHANGED, this);
    frame_.Subscribe(ui::WM_LANGUAGE_CHANGED, this);
    ClearGrid();
}

CValdrenCpsView::~CValdrenCpsView() = default;

void CValdrenCpsView::SetMessageBox(MessageBoxFn messageBox) {
    table_->SetMessageBox(messageBox);
    messageBox_ = std::move(messageBox);
}

void CValdrenCpsView::SetBitmapChooser(BitmapChooser chooser) {
    chooseBitmap_ = std::move(chooser);
}

HamCpsControl* CValdrenCpsView::Control() const {
    HamCpsControl* control = frame_.GetDocument().Control();
    if (!control) {
        VD_LOG_ERROR("无法获取doc:{}", "ham_cps == nullptr");
    }
    return control;
}

CShortlistPane* CValdrenCpsView::Shortlist() const {
    return frame_.ShortlistPane();
}

void CValdrenCpsView::Guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        VD_LOG_ERROR("界面操作失败:{}", error.what());
        Message(QString::fromStdString(error.what()), MessageStyle::Error);
    }
}

QMessageBox::StandardButton CValdrenCpsView::Message(const QString& text, MessageStyle style,
                                                     QMessageBox::StandardButtons buttons) {
    return messageBox_ ? messageBox_(this, text, style, buttons) : QMessageBox::NoButton;
}

void CValdrenCpsView::ShowSelectedNode() {
    HamCpsControl* control = Control();
    if (!control) {
        ClearGrid();
        return;
    }
    Guarded([&] { ShowNode(*control); });
    emit CommandStatesChanged();
}

void CValdrenCpsView::ShowNode(HamCpsControl& control) {
    const CValdrenCpsDoc& document = frame_.GetDocument();
    const std::string id = document.SelectedId();
    const std::string kind = document.SelectedKind();
    memberField_.clear();
    memberCell_ = {};
    if (CShortlistPane* pane = Shortlist()) {
        pane->ClearShortlist();
    }

    ElementList shown;
    ReferenceCache cache;
    if (kind == "element") {
        std::unique_ptr<HamCpsElement> element = control.GetElement(id);
        if (!element) {
            VD_LOG_ERROR("无法查询element:{}", id);
            ClearGrid();
            return;
        }
        PrepareRecord(control, ElementPtr(std::move(element)), shown, cache);
    } else if (kind == "chapter") {
        if (const std::string list = SelectedListName(); !list.empty() && IsTableChosen(list)) {
            ClearGrid();
            grid_->hide();
            table_->show();
            table_->ShowList(control, id);
            return;
        }
        ElementList elements;
        control.GetElements(id, elements);
        if (!elements.empty() && elements.front() && elements.front()->controlType == 0) {
            // a list: the references of its records are brought up to date one by one
            const int total = static_cast<int>(elements.size());
            const std::string loading = LoadString(IDS_LOADING);
            for (int i = 0; i < total; ++i) {
                const ElementPtr& record = elements[static_cast<size_t>(i)];
                if (record && record->controlType != 0) {
                    control.RemapReferences(record->id, record->name, cache);
                }
                if (!control.progress(loading, i + 1, total)) {
                    break;
                }
            }
            shown = std::move(elements);
        } else {
            for (const ElementPtr& element : elements) {
                if (element && element->controlType == 7) {
                    control.RemapReferences(element->id, element->name, cache);
                }
                shown.push_back(element);
            }
        }
    }

    std::vector<std::string> layout;
    control.GetWindowLayout(id, layout);
    table_->hide();
    table_->Clear();
    grid_->show();
    ClearGrid();
    FillGrid(control, layout.empty() ? PlanDefaultGrid(shown, memberField_)
                                     : PlanLayoutGrid(layout, shown, memberField_));
}

void CValdrenCpsView::PrepareRecord(HamCpsControl& control, const ElementPtr& record,
                                    ElementList& shown, ReferenceCache& cache) {
    shown.push_back(record);
    if (record->controlType != 7) {
        return;
    }
    control.RemapReferences(record->id, record->name, cache);
    ElementList fields;
    control.GetChildElements(record->id, fields);
    shown.insert(shown.end(), fields.begin(), fields.end());
    CShortlistPane* pane = Shortlist();
    if (pane && pane->SwitchShortlistPane(*record, fields)) {
        memberField_ = kMemberField;
    }
}

void CValdrenCpsView::ClearGrid() {
    grid_->DeleteAllItems();
    grid_->SetColumnCount(kInitialColumns);
    grid_->SetFixedColumnCount(1);
    BuildHeader(kInitialColumns);
    memberCell_ = {};
    labelColumns_.clear();
    valueColumns_.clear();
}

void CValdrenCpsView::BuildHeader(int columns) {
    headerColumns_ = columns;
    grid_->SetHeaderText(0, QString());
    grid_->SetColumnWidth(0, kFixedColumnWidth);
    for (int column = 1; column < columns; ++column) {
        const bool name = column % 2 == 1;
        grid_->SetHeaderText(column, Text(name ? IDS_COLUMN_NAME : IDS_COLUMN_CONTROL));
        grid_->SetColumnWidth(column, name ? kNameColumnWidth : kControlColumnWidth);
    }
}

void CValdrenCpsView::FillGrid(HamCpsControl& control, const GridPlan& plan) {
    const int columns = std::max(plan.columns, kInitialColumns);
    grid_->SetColumnCount(columns);
    BuildHeader(columns);
    grid_->SetRowCount(plan.rows);
    for (const HeadingPlacement& heading : plan.headings) {
        for (int column = heading.column; column < columns; ++column) {
            grid_->SetItemBkColour(heading.row, column, heading.colour);
        }
        grid_->SetItemText(heading.row, heading.column, heading.text);
        grid_->SetCellSpan(heading.row, heading.column, 1, columns - heading.column);
    }
    std::set<int> labelColumns;
    std::set<int> valueColumns;
    for (const ElementPlacement& placement : plan.elements) {
        GridCell label;
        label.text = QString::fromStdString(placement.element->text);
        label.background = placement.labelColour;
        // the whole label, also when the column cuts it
        label.toolTip = placement.element->tiptext.empty()
                            ? label.text
                            : label.text + QLatin1Char('\n') +
                                  QString::fromStdString(placement.element->tiptext);
        grid_->SetCell(placement.row, placement.column, std::move(label));
        labelColumns.insert(placement.column);
        valueColumns.insert(placement.column + 1);
        if (placement.memberCell) {
            memberCell_ = {placement.row, placement.column + 1};
        }
        fill_cell(control, placement.row, placement.column + 1, placement.element);
    }
    if (CShortlistPane* pane = Shortlist(); pane && memberCell_.IsValid()) {
        pane->SetMemberCell(memberCell_);
    }
    labelColumns_.assign(labelColumns.begin(), labelColumns.end());
    valueColumns_.assign(valueColumns.begin(), valueColumns.end());
    FitColumns(*grid_, labelColumns_, valueColumns_);
}

void CValdrenCpsView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitColumns(*grid_, labelColumns_, valueColumns_);
}

void CValdrenCpsView::fill_cell(HamCpsControl& control, int row, int column,
                                const ElementPtr& element) {
    const bool member = memberCell_ == CellId{row, column};
    grid_->SetCell(row, column, MakeElementCell(control, element, member));
}

ElementPtr CValdrenCpsView::ReadElement(HamCpsControl& control, const HamCpsElement& snapshot) {
    if (!snapshot.IsChild()) {
        return ElementPtr(control.GetElement(snapshot.id));
    }
    ElementList fields;
    control.GetChildElements(snapshot.parentID, fields);
    for (ElementPtr& field : fields) {
        if (field && field->id == snapshot.id) {
            return field;
        }
    }
    return nullptr;
}

void CValdrenCpsView::RefillCell(HamCpsControl& control, int row, int column) {
    const ElementPtr element = grid_->GetItemElement(row, column);
    if (!element) {
        return;
    }
    if (ElementPtr fresh = ReadElement(control, *element)) {
        fill_cell(control, row, column, fresh);
    }
}

void CValdrenCpsView::RefillDependents(HamCpsControl& control,
                                       const std::vector<ElementKey>& changed) {
    if (changed.empty()) {
        return;
    }
    for (int row = 0; row < grid_->GetRowCount(); ++row) {
        for (int column = 0; column < grid_->GetColumnCount(); ++column) {
            const ElementPtr element = grid_->GetItemElement(row, column);
            if (!element) {
                continue;
            }
            const ElementKey key = element->IsChild() ? ElementKey{element->parentID, element->id}
                                                      : ElementKey{element->id, std::string()};
            if (std::find(changed.begin(), changed.end(), key) != changed.end()) {
                RefillCell(control, row, column);
            }
        }
    }
}

std::string CValdrenCpsView::SelectedListName() const {
    const CValdrenCpsDoc& document = frame_.GetDocument();
    HamCpsControl* control = document.Control();
    if (!control || document.SelectedKind() != "chapter") {
        return {};
    }
    HamCpsChapter chapter;
    control->GetChapter(document.SelectedId(), chapter);
    if (chapter.id.empty() || !chapter.showElement) {
        return {}; // only the chapters of a list show their records in the tree
    }
    return chapter.name.empty() ? chapter.id : chapter.name;
}

bool CValdrenCpsView::IsTableShown() const {
    return !table_->isHidden() && !table_->ChapterId().empty();
}

void CValdrenCpsView::ShowListAs(bool table) {
    const std::string list = SelectedListName();
    if (list.empty()) {
        return;
    }
    ChooseTable(list, table);
    ShowSelectedNode();
}

void CValdrenCpsView::Retranslate() {
    table_->Retranslate();
    BuildHeader(headerColumns_);
    grid_->viewport()->update();
}

void CValdrenCpsView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QWidget::changeEvent(event);
}

void CValdrenCpsView::StartReadDeviceTimer() {
    ShowReading(true);
    readDeviceTimer_.start();
}

} // namespace vd
