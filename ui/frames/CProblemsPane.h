#pragma once
#include "document/ProjectCheck.h"

#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace vd {

/// The problems pane of a document window: what the whole-project check finds, one row per
/// problem (severity, element, message in the current language). The check runs shortly
/// after the last change, so typing is never held up by it; a double-click asks the frame to
/// show the element.
class CProblemsPane : public QWidget {
    Q_OBJECT
public:
    /// Builds an empty pane; `control` gives the document's control (null: no document).
    explicit CProblemsPane(std::function<HamCpsControl*()> control, QWidget* parent = nullptr);

    /// Runs the check once the changes of the moment are over (coalesced).
    void ScheduleCheck();
    /// Runs the check now and shows its problems.
    void CheckNow();
    /// The problems shown.
    const std::vector<Problem>& Problems() const { return problems_; }
    /// The list of problems, for tests.
    QTreeWidget* List() const { return list_; }
    /// Whether a check is waiting to run.
    bool IsCheckPending() const { return timer_.isActive(); }

signals:
    /// The person double-clicked a problem.
    void problemActivated(const vd::Problem& problem);
    /// The counts after a check ("N errors, M warnings" in the status bar).
    void countsChanged(int errors, int warnings);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Fill();
    void Retranslate();
    void OnActivated(QTreeWidgetItem* item);

    std::function<HamCpsControl*()> control_;
    QTreeWidget* list_;
    QTimer timer_;
    std::vector<Problem> problems_;
};

/// "N errors, M warnings" in the current language, for the status bar.
QString ProblemCountsText(int errors, int warnings);

} // namespace vd
