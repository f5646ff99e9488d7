// The document window's side of the whole-project check: the problems pane, the counts in
// the status bar, the jump to a problem's element and the question before Write Device.
#include "app/StringTable.h"
#include "ui/dialogs/CpsMessageBox.h"
#include "ui/frames/CChildFrame.h"
#include "ui/frames/CProblemsPane.h"

#include "ui/panes/CFunctionPane.h"
#include "ui/panes/CFunctionTree.h"
#include "ui/view/CValdrenCpsView.h"

#include "app/LanguageCode.h"

#include <QDockWidget>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

namespace vd {

namespace {

/// The most problems a question lists; the pane has them all.
constexpr size_t kListedProblems = 20;

} // namespace

void CChildFrame::AddProblemsPane() {
    problems_ = new CProblemsPane([this] { return doc_.Control(); });
    // not closable: no menu brings it back, and a hidden list of errors helps no one
    problemsDock_ = AddPane(problems_, Qt::BottomDockWidgetArea, false, "ProblemsPane");
    splitDockWidget(outputDock_, problemsDock_, Qt::Horizontal);
    problemCounts_ = new QLabel(this);
    statusBar()->addPermanentWidget(problemCounts_);
    connect(problems_, &CProblemsPane::problemActivated, this, &CChildFrame::JumpTo);
    connect(problems_, &CProblemsPane::countsChanged, this, [this](int errors, int warnings) {
        problemCounts_->setText(ProblemCountsText(errors, warnings));
    });
}

void CChildFrame::JumpTo(const Problem& problem) {
    HamCpsControl* control = doc_.Control();
    if (!control) {
        return;
    }
    // the record's own node, or the chapter of a setting
    CFunctionTree& tree = functionPane_->Tree();
    QTreeWidgetItem* node = tree.RecordItem(problem.id);
    if (!node) {
        if (std::unique_ptr<HamCpsElement> element = control->GetElement(problem.id)) {
            node = tree.ChapterItem(element->parentID);
        }
    }
    if (node) {
        tree.setCurrentItem(node); // the view follows the selection
        tree.scrollToItem(node);
    }
    CGrid2& grid = view_->Grid();
    for (int row = 0; row < grid.GetRowCount(); ++row) {
        for (int column = 0; column < grid.GetColumnCount(); ++column) {
            const ElementPtr element = grid.GetItemElement(row, column);
            if (!element) {
                continue;
            }
            const bool match = problem.fieldId.empty()
                                   ? !element->IsChild() && element->id == problem.id
                                   : element->IsChild() && element->parentID == problem.id &&
                                         element->id == problem.fieldId;
            if (match) {
                grid.SetFocusCell(row, column);
                grid.setFocus();
                return;
            }
        }
    }
}

bool CChildFrame::ConfirmWriteDespiteErrors() {
    problems_->CheckNow();
    const std::vector<Problem>& problems = problems_->Problems();
    const size_t errors = CountProblems(problems, Severity::Error);
    if (errors == 0) {
        return true;
    }
    const std::string language = CurrentLanguageCode();
    QString list;
    size_t listed = 0;
    for (const Problem& problem : problems) {
        if (problem.severity != Severity::Error) {
            continue;
        }
        if (listed++ == kListedProblems) {
            list += QStringLiteral("…\n");
            break;
        }
        list += QString::fromStdString(problem.selector + ": " + problem.Message(language)) +
                QLatin1Char('\n');
    }
    QMessageBox box(QMessageBox::Question, ApplicationTitle(),
                    tr("The project has %1 errors. Write anyway?").arg(errors),
                    QMessageBox::Yes | QMessageBox::No, dialogParent_);
    box.setInformativeText(list.trimmed());
    box.setDefaultButton(QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QString::fromStdString(LoadString(IDS_YES)));
    box.button(QMessageBox::No)->setText(QString::fromStdString(LoadString(IDS_NO)));
    return box.exec() == QMessageBox::Yes;
}

} // namespace vd
