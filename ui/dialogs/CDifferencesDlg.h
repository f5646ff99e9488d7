#pragma once
#include "document/ProjectDiff.h"

#include <QDialog>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace vd {

/// The differences between two configurations of a model: one row per difference with its
/// place in the function tree, the setting, the old and the new value. Activating a row (double
/// click, Enter or "Go to") asks for its node to be shown in the document.
class CDifferencesDlg : public QDialog {
    Q_OBJECT
public:
    /// A dialog listing `differences`; `oldSide` and `newSide` name the two columns' sources.
    CDifferencesDlg(const std::vector<Difference>& differences, const QString& oldSide,
                    const QString& newSide, QWidget* parent = nullptr);

    /// The list, for the tests.
    QTreeWidget* List() const { return list_; }

signals:
    /// The person wants to see the function tree node nodeId.
    void showNode(const QString& nodeId);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();
    void GoTo();

    QString oldSide_;
    QString newSide_;
    QLabel* summary_;
    QTreeWidget* list_;
    QPushButton* goTo_;
    QPushButton* close_;
    std::size_t count_;
};

} // namespace vd
