#include "ui/panes/CShortlistPane.h"

#include "app/Log.h"
#include "document/CValdrenCpsDoc.h"
#include "model/HamCpsElement.h"
#include "ui/frames/UiConstants.h"
#include "ui/view/CellRules.h"
#include "ui/view/ReferenceCells.h"
#include "ui/view/ViewStrings.h"

#include <QDockWidget>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace vd {

namespace {

constexpr int kNameColumnWidth = 157;
constexpr int kSplitterSize = 150;
constexpr std::array<int, 5> kCommands = {ui::ID_SELECT_ONE, ui::ID_UNSELECT_ONE, ui::ID_SELECT_ALL,
                                          ui::ID_UNSELECT_ALL, ui::ID_ALL_CHANNEL};

std::vector<int> AllRows(int count) {
    std::vector<int> rows(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        rows[static_cast<size_t>(i)] = i;
    }
    return rows;
}

/// The rows the person picked; the row with the focus when none is selected.
std::vector<int> PickedRows(const CGrid2& grid) {
    std::vector<int> rows = grid.GetSelectedRows();
    if (rows.empty() && grid.GetFocusCell().IsValid()) {
        rows.push_back(grid.GetFocusCell().row);
    }
    return rows;
}

/// The record's number, and for a channel its first frequency: "3 · 446.006250".
std::string RecordDetail(HamCpsControl& control, const HamCpsElement& record, int number) {
    std::string detail = std::to_string(number);
    ElementList fields;
    control.GetChildElements(record.id, fields);
    for (const ElementPtr& field : fields) {
        const std::optional<ValueRule> rule = LookUpRule(control, field->name);
        if (rule && IsFrequencyRule(*rule)) {
            return detail + " · " + FrequencyToDisplay(field->inputValue).toStdString();
        }
    }
    return detail;
}

} // namespace

CShortlistPane::CShortlistPane(IChildFrame& frame, QWidget* parent)
    : QWidget(parent), frame_(frame), candidates_(new CGrid2(kCandidateGridId)),
      members_(new CGrid2(kMemberGridId)), messageBox_(ProgramMessageBox()) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QHBoxLayout;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i] = new QPushButton(this);
        const int command = kCommands[i];
        connect(buttons_[i], &QPushButton::clicked, this,
                [this, command] { HandleCommand(command); });
        bar->addWidget(buttons_[i]);
    }
    moveUp_ = new QPushButton(this);
    moveDown_ = new QPushButton(this);
    connect(moveUp_, &QPushButton::clicked, this, [this] { MoveMember(-1); });
    connect(moveDown_, &QPushButton::clicked, this, [this] { MoveMember(+1); });
    bar->addWidget(moveUp_);
    bar->addWidget(moveDown_);
    bar->addStretch();
    layout->addLayout(bar);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    for (CGrid2* grid : {candidates_, members_}) {
        grid->SetListMode(true);
        grid->SetEditingEnabled(false);
        grid->SetColumnCount(2);
        grid->SetColumnWidth(0, kNameColumnWidth);
        grid->horizontalHeader()->setStretchLastSection(true);
        splitter->addWidget(grid);
    }
    splitter->setSizes({kSplitterSize, kSplitterSize});
    layout->addWidget(splitter, 1);
    connect(candidates_, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { MoveToMembers({index.row()}); });
    connect(members_, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { MoveToCandidates({index.row()}); });

    frame_.Subscribe(ui::WM_LANGUAGE_CHANGED, this);
    Retranslate();
}

CShortlistPane::~CShortlistPane() = default;

void CShortlistPane::SetMessageBox(MessageBoxFn messageBox) {
    messageBox_ = std::move(messageBox);
}

HamCpsControl* CShortlistPane::Control() const {
    HamCpsControl* control = frame_.GetDocument().Control();
    if (!control) {
        VD_LOG_ERROR("无法获取doc:{}", "ham_cps == nullptr");
    }
    return control;
}

std::vector<ShortlistEntry> CShortlistPane::TargetRecords(HamCpsControl& control,
                                                          const std::string& name) {
    ElementList records;
    control.GetElementsByName(control.GetReferenceTarget(name), records);
    std::vector<ShortlistEntry> entries;
    int number = 0;
    for (const ElementPtr& record : records) {
        if (record && IsOfferedRecord(*record)) {
            ++number; // the memory channel's number, as the radio's display counts them
            details_[record->id] = RecordDetail(control, *record, number);
            entries.push_back({record->id, record->inputValue});
        }
    }
    return entries;
}

ShortlistEntry CShortlistPane::EntryFor(HamCpsControl& control, const std::string& id,
                                        const std::vector<ShortlistEntry>& records) const {
    if (id == kAllChannelValue) {
        return {id, kAllChannelText};
    }
    for (const ShortlistEntry& record : records) {
        if (record.id == id) {
            return record;
        }
    }
    std::unique_ptr<HamCpsElement> element = control.GetElement(id);
    return {id, element ? element->inputValue : id};
}

bool CShortlistPane::SwitchShortlistPane(const HamCpsElement& record, const ElementList& fields) {
    ClearShortlist();
    HamCpsControl* control = Control();
    if (!control) {
        return false;
    }
    std::vector<std::string> values;
    QString listName;
    bool found = false;
    for (const ElementPtr& field : fields) {
        if (!field || field->name != kMemberField) {
            continue;
        }
        if (!found) {
            listName = QString::fromStdString(field->text.empty() ? field->name : field->text);
            found = true;
        }
        if (!field->inputValue.empty()) {
            values.push_back(field->inputValue);
        }
    }
    if (!found) {
        return false;
    }
    std::vector<ShortlistEntry> records = TargetRecords(*control, kMemberField);
    std::vector<ShortlistEntry> members;
    for (const std::string& value : values) {
        members.push_back(EntryFor(*control, value, records));
    }
    target_ = {};
    target_.active = true;
    target_.recordId = record.id;
    target_.field = kMemberField;
    target_.listName = listName;
    state_.Reset(std::move(records), std::move(members), kMaxListMembers);
    ShowState();
    return true;
}

void CShortlistPane::SwitchToReference(const HamCpsElement& reference, CellId cell) {
    ClearShortlist();
    HamCpsControl* control = Control();
    if (!control) {
        return;
    }
    std::vector<ShortlistEntry> records = TargetRecords(*control, reference.name);
    std::vector<ShortlistEntry> members;
    if (!reference.inputValue.empty()) {
        members.push_back(EntryFor(*control, reference.inputValue, records));
    }
    target_ = {};
    target_.active = true;
    target_.single = true;
    target_.zoneReference = IsPowerUpZoneReference(reference.name);
    target_.reference = reference.Clone();
    target_.field = reference.name;
    target_.listName =
        QString::fromStdString(reference.text.empty() ? reference.name : reference.text);
    target_.cell = cell;
    state_.Reset(std::move(records), std::move(members), 1);
    ShowState();
}

void CShortlistPane::SetMemberCell(CellId cell) {
    target_.cell = cell;
}

void CShortlistPane::ClearShortlist() {
    target_ = {};
    state_.Clear();
    ShowState();
}

void CShortlistPane::FillGrid(CGrid2& grid, const std::vector<ShortlistEntry>& entries) {
    grid.clearSelection();
    grid.DeleteAllItems();
    grid.SetRowCount(static_cast<int>(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) {
        const int row = static_cast<int>(i);
        grid.SetItemText(row, 0, QString::fromStdString(entries[i].name));
        const auto detail = details_.find(entries[i].id);
        grid.SetItemText(
            row, 1, detail == details_.end() ? QString() : QString::fromStdString(detail->second));
    }
}

void CShortlistPane::ShowDock(bool shown) {
    // a dock of its own in the program's window; in tests the pane stands alone
    if (auto* dock = qobject_cast<QDockWidget*>(parentWidget())) {
        dock->setVisible(shown);
    }
}

void CShortlistPane::ShowState(int markedMembers) {
    ShowDock(target_.active);
    moveUp_->setEnabled(target_.active && !target_.single);
    moveDown_->setEnabled(target_.active && !target_.single);
    FillGrid(*candidates_, state_.Candidates());
    FillGrid(*members_, state_.Members());
    // the rows just moved in stay marked
    const int count = members_->GetRowCount();
    for (int row = std::max(0, count - markedMembers); row < count; ++row) {
        members_->selectionModel()->select(members_->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

void CShortlistPane::MoveToMembers(const std::vector<int>& candidateRows) {
    if (!target_.active) {
        return;
    }
    const ShortlistState before = state_;
    const SelectResult result = state_.Select(candidateRows);
    if (result.moved > 0) {
        ShowState(result.moved);
        Write(before);
    }
    if (result.stoppedAtMaximum && messageBox_) {
        messageBox_(this, TextWithArg(IDS_MAXIMUM_EXCEEDED, target_.listName),
                    MessageStyle::Default, QMessageBox::Ok);
    }
}

void CShortlistPane::MoveToCandidates(const std::vector<int>& memberRows) {
    const ShortlistState before = state_;
    if (target_.active && state_.Unselect(memberRows) > 0) {
        ShowState();
        Write(before);
    }
}

void CShortlistPane::SelectOne() {
    MoveToMembers(PickedRows(*candidates_));
}

void CShortlistPane::UnselectOne() {
    MoveToCandidates(PickedRows(*members_));
}

void CShortlistPane::SelectAll() {
    const ShortlistState before = state_;
    MoveToMembers(AllRows(candidates_->GetRowCount()));
    // all of them: in the list's own order, whatever order the members had
    if (target_.active && !target_.single && state_.Members() != before.Members()) {
        state_.SortMembers();
        ShowState();
        Write(before);
    }
}

void CShortlistPane::MoveMember(int delta) {
    const std::vector<int> rows = PickedRows(*members_);
    if (!target_.active || target_.single || rows.size() != 1) {
        return;
    }
    const ShortlistState before = state_;
    if (!state_.MoveMember(rows.front(), delta)) {
        return;
    }
    ShowState();
    const int row = rows.front() + delta;
    members_->SetFocusCell(row, 0);
    members_->selectionModel()->select(members_->model()->index(row, 0),
                                       QItemSelectionModel::ClearAndSelect |
                                           QItemSelectionModel::Rows);
    Write(before);
}

void CShortlistPane::UnselectAll() {
    MoveToCandidates(AllRows(members_->GetRowCount()));
}

void CShortlistPane::AllChannel() {
    if (!target_.active || !target_.zoneReference) {
        if (messageBox_) {
            messageBox_(this, Text(IDS_POWER_ON_ZONE_ONLY), MessageStyle::Default, QMessageBox::Ok);
        }
        return;
    }
    const ShortlistState before = state_;
    state_.SetOnlyMember({kAllChannelValue, kAllChannelText});
    ShowState(1);
    Write(before);
}

bool CShortlistPane::Write(const ShortlistState& before) {
    HamCpsControl* control = Control();
    bool stored = false;
    try {
        const std::vector<std::string> ids = state_.MemberIds();
        if (!control) {
            stored = false;
        } else if (target_.single) {
            const HamCpsElement& reference = *target_.reference;
            const std::string value = ids.empty() ? std::string() : ids.front();
            stored = reference.IsChild()
                         ? control->SetInputValue(reference.parentID, reference.id, value, false)
                         : control->SetInputValue(reference.id, "", value, false);
        } else {
            stored = control->SetFieldValue(target_.recordId, target_.field, ids);
        }
    } catch (const std::exception& error) {
        VD_LOG_ERROR("界面操作失败:{}", error.what());
        if (messageBox_) {
            messageBox_(this, QString::fromStdString(error.what()), MessageStyle::Error,
                        QMessageBox::Ok);
        }
    }
    if (!stored) {
        // what the pane shows must be what the model holds
        VD_LOG_WARN("无法写入成员列表:{}",
                    target_.single ? target_.reference->id : target_.recordId);
        state_ = before;
        ShowState();
        return false;
    }
    frame_.SetModified(tr("Change Members"));
    if (target_.cell.IsValid()) {
        frame_.PostFrameMessage(ui::WM_MEMBER_COUNT_CHANGED,
                                ui::PackCell(target_.cell.row, target_.cell.column));
    }
    return true;
}

bool CShortlistPane::HandleCommand(int command) {
    switch (command) {
    case ui::ID_SELECT_ONE:
        SelectOne();
        return true;
    case ui::ID_UNSELECT_ONE:
        UnselectOne();
        return true;
    case ui::ID_SELECT_ALL:
        SelectAll();
        return true;
    case ui::ID_UNSELECT_ALL:
        UnselectAll();
        return true;
    case ui::ID_ALL_CHANNEL:
        AllChannel();
        return true;
    default:
        return false;
    }
}

void CShortlistPane::Retranslate() {
    candidates_->SetHeaderText(0, Text(IDS_SHORTLIST));
    members_->SetHeaderText(0, Text(IDS_MEMBER_LIST));
    for (CGrid2* grid : {candidates_, members_}) {
        grid->SetHeaderText(1, tr("No. · MHz"));
    }
    moveUp_->setText(tr("Move up"));
    moveDown_->setText(tr("Move down"));
    buttons_[0]->setText(tr("Select one"));
    buttons_[1]->setText(tr("Unselect one"));
    buttons_[2]->setText(tr("Select all"));
    buttons_[3]->setText(tr("Unselect all"));
    buttons_[4]->setText(tr("All channel"));
}

void CShortlistPane::OnFrameMessage(int message, quint32) {
    if (message == ui::WM_LANGUAGE_CHANGED) {
        Retranslate();
    }
}

void CShortlistPane::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QWidget::changeEvent(event);
}

} // namespace vd
