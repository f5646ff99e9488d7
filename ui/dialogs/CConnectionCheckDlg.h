#pragma once
#include <QDialog>

class QDialogButtonBox;
class QPlainTextEdit;
class QPushButton;

namespace vd {

/// Help → Connection Check...: the connection doctor's report for the port in cps.ini, one
/// line per check with OK or PROBLEM and the fix, as `vdcps doctor` prints it.
class CConnectionCheckDlg : public QDialog {
    Q_OBJECT
public:
    /// Builds the dialog; the checks run when it is first shown.
    explicit CConnectionCheckDlg(QWidget* parent = nullptr);

    /// The report as shown.
    QString Report() const;

public slots:
    /// Runs every check again and shows the report.
    void RunChecks();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPlainTextEdit* report_;
    QPushButton* again_;
    QDialogButtonBox* buttons_;
    bool ran_ = false;
};

} // namespace vd
