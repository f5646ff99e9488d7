#pragma once
#include "document/FleetRun.h"

#include <QDialog>
#include <memory>
#include <thread>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace vd {

/// Device → Program Several Radios…: writes the current project to the ports the person picks,
/// each with its row of a values CSV, one thread per port, and shows one row per port with its
/// progress and result. The window stays usable while the radios are written.
class FleetDlg : public QDialog {
    Q_OBJECT
public:
    /// A dialog for the saved project at `projectPath`.
    explicit FleetDlg(const QString& projectPath, QWidget* parent = nullptr);
    ~FleetDlg() override;

    /// Starts the run with the checked ports and the values file; false (with the reason
    /// shown) when the values are refused. Public for the tests.
    bool Start();
    /// Whether a run is going on.
    bool Running() const { return worker_.joinable() && !finished_; }
    /// The result column of a row ("written and verified", "failed: …").
    QString ResultText(int row) const;
    /// The line below the table: what is going on, or why nothing was written.
    QString StatusText() const;
    /// The summary as CSV, as `vdcps fleet --report` writes it.
    std::string ReportCsv() const;

    QListWidget* ports() const { return ports_; }
    QLineEdit* valuesFile() const { return values_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void AddPort();
    void ChooseValues();
    void SaveCsv();
    void Cancel();
    void Progress(int row, const QString& text, int percent);
    void Finished();

    QString project_;
    QListWidget* ports_;
    QLineEdit* manualPort_;
    QLineEdit* values_;
    QTableWidget* table_;
    QLabel* status_;
    QPushButton* start_;
    QPushButton* cancel_;
    QPushButton* save_;
    std::vector<FleetTarget> targets_;
    std::vector<FleetPortResult> results_;
    bool verified_ = true;
    std::unique_ptr<FleetRun> run_;
    std::thread worker_;
    bool finished_ = false;
};

} // namespace vd
