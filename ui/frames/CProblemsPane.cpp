#include "ui/frames/CProblemsPane.h"

#include "app/LanguageCode.h"

#include <QEvent>
#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vd {

namespace {

/// Quiet time after a change before the check runs: long enough to coalesce typing.
constexpr int kCheckDelayMs = 400;

} // namespace

CProblemsPane::CProblemsPane(std::function<HamCpsControl*()> control, QWidget* parent)
    : QWidget(parent), control_(std::move(control)), list_(new QTreeWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    list_->setColumnCount(3);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->header()->setStretchLastSection(true);
    list_->setColumnWidth(0, 90);
    list_->setColumnWidth(1, 180);
    timer_.setSingleShot(true);
    timer_.setInterval(kCheckDelayMs);
    connect(&timer_, &QTimer::timeout, this, &CProblemsPane::CheckNow);
    connect(list_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int) { OnActivated(item); });
    Retranslate();
}

void CProblemsPane::ScheduleCheck() {
    timer_.start(); // a change meanwhile starts the wait again
}

void CProblemsPane::CheckNow() {
    timer_.stop();
    HamCpsControl* control = control_ ? control_() : nullptr;
    problems_ = control ? CheckProject(*control) : std::vector<Problem>();
    Fill();
    emit countsChanged(static_cast<int>(CountProblems(problems_, Severity::Error)),
                       static_cast<int>(CountProblems(problems_, Severity::Warning)));
}

void CProblemsPane::Fill() {
    const std::string language = CurrentLanguageCode();
    list_->clear();
    QList<QTreeWidgetItem*> items;
    for (size_t i = 0; i < problems_.size(); ++i) {
        const Problem& problem = problems_[i];
        auto* item =
            new QTreeWidgetItem({problem.severity == Severity::Error ? tr("Error") : tr("Warning"),
                                 QString::fromStdString(problem.selector),
                                 QString::fromStdString(problem.Message(language))});
        item->setToolTip(1, QString::fromStdString(problem.path));
        item->setData(0, Qt::UserRole, static_cast<qulonglong>(i));
        item->setIcon(0, style()->standardIcon(problem.severity == Severity::Error
                                                   ? QStyle::SP_MessageBoxCritical
                                                   : QStyle::SP_MessageBoxWarning));
        items.push_back(item);
    }
    list_->addTopLevelItems(items); // a thousand problems cost one insertion
}

void CProblemsPane::OnActivated(QTreeWidgetItem* item) {
    const auto index = static_cast<size_t>(item->data(0, Qt::UserRole).toULongLong());
    if (index < problems_.size()) {
        emit problemActivated(problems_[index]);
    }
}

void CProblemsPane::Retranslate() {
    list_->setHeaderLabels({tr("Severity"), tr("Element"), tr("Problem")});
}

void CProblemsPane::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
        Fill(); // the messages come in both languages
        emit countsChanged(static_cast<int>(CountProblems(problems_, Severity::Error)),
                           static_cast<int>(CountProblems(problems_, Severity::Warning)));
    }
    QWidget::changeEvent(event);
}

QString ProblemCountsText(int errors, int warnings) {
    return CProblemsPane::tr("%1 errors, %2 warnings").arg(errors).arg(warnings);
}

} // namespace vd
