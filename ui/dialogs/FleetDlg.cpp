#include "ui/dialogs/FleetDlg.h"

#include "link/PortList.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <fstream>
#include <sstream>

namespace vd {

namespace {

enum Column { kPort, kProgress, kResult, kBackup, kColumns };

} // namespace

FleetDlg::FleetDlg(const QString& projectPath, QWidget* parent)
    : QDialog(parent), project_(projectPath), ports_(new QListWidget(this)),
      manualPort_(new QLineEdit(this)), values_(new QLineEdit(this)),
      table_(new QTableWidget(0, kColumns, this)), status_(new QLabel(this)),
      start_(new QPushButton(tr("&Start"), this)), cancel_(new QPushButton(tr("Cancel"), this)),
      save_(new QPushButton(tr("Save CSV..."), this)) {
    setWindowTitle(tr("Program Several Radios"));
    for (const PortInfo& port : list_ports()) {
        auto* item = new QListWidgetItem(QString::fromStdString(describe_port(port)), ports_);
        item->setData(Qt::UserRole, QString::fromStdString(port.name));
        item->setCheckState(Qt::Unchecked);
    }
    auto* add = new QPushButton(tr("Add"), this);
    auto* browse = new QPushButton(tr("Browse..."), this);
    auto* close = new QPushButton(tr("Close"), this);
    manualPort_->setPlaceholderText(tr("Another port, such as /dev/pts/3"));
    values_->setPlaceholderText(tr("Values per radio (CSV: port,radioName,...), optional"));
    table_->setHorizontalHeaderLabels({tr("Port"), tr("Progress"), tr("Result"), tr("Backup")});
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Project: %1").arg(project_), this));
    layout->addWidget(ports_);
    auto* manual = new QHBoxLayout;
    manual->addWidget(manualPort_);
    manual->addWidget(add);
    layout->addLayout(manual);
    auto* values = new QHBoxLayout;
    values->addWidget(values_);
    values->addWidget(browse);
    layout->addLayout(values);
    layout->addWidget(table_, 1);
    layout->addWidget(status_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start_);
    buttons->addWidget(cancel_);
    buttons->addWidget(save_);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    cancel_->setEnabled(false);
    save_->setEnabled(false);
    resize(760, 520);

    connect(add, &QPushButton::clicked, this, &FleetDlg::AddPort);
    connect(browse, &QPushButton::clicked, this, &FleetDlg::ChooseValues);
    connect(start_, &QPushButton::clicked, this, &FleetDlg::Start);
    connect(cancel_, &QPushButton::clicked, this, &FleetDlg::Cancel);
    connect(save_, &QPushButton::clicked, this, &FleetDlg::SaveCsv);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

FleetDlg::~FleetDlg() {
    if (run_) {
        run_->Cancel();
    }
    if (worker_.joinable()) {
        worker_.join();
    }
}

void FleetDlg::AddPort() {
    const QString port = manualPort_->text().trimmed();
    if (port.isEmpty()) {
        return;
    }
    auto* item = new QListWidgetItem(port, ports_);
    item->setData(Qt::UserRole, port);
    item->setCheckState(Qt::Checked);
    manualPort_->clear();
}

void FleetDlg::ChooseValues() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Values per radio"), QString(),
                                                      tr("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty()) {
        values_->setText(path);
    }
}

QString FleetDlg::StatusText() const {
    return status_->text();
}

bool FleetDlg::Start() {
    if (Running()) {
        return false;
    }
    if (worker_.joinable()) {
        worker_.join();
    }
    std::vector<FleetTarget> targets;
    try {
        std::vector<FleetTarget> rows;
        if (!values_->text().isEmpty()) {
            std::ifstream in(values_->text().toStdString(), std::ios::binary);
            std::stringstream text;
            text << in.rdbuf();
            if (!in) {
                throw FleetSetupError("cannot read " + values_->text().toStdString());
            }
            rows = FleetTargetsFromCsv(ParseCsv(text.str()));
        }
        for (int i = 0; i < ports_->count(); ++i) {
            QListWidgetItem* item = ports_->item(i);
            if (item->checkState() != Qt::Checked) {
                continue;
            }
            FleetTarget target{item->data(Qt::UserRole).toString().toStdString(), {}};
            for (const FleetTarget& row : rows) {
                if (row.port == target.port) {
                    target.values = row.values;
                }
            }
            targets.push_back(std::move(target));
        }
        if (targets.empty()) {
            throw FleetSetupError(tr("Pick the ports of the radios.").toStdString());
        }
        run_ = std::make_unique<FleetRun>(project_.toStdString(), targets, FleetRun::Options());
    } catch (const std::exception& e) {
        // refused before any port was opened: the reason stays in sight in the window
        status_->setText(tr("Nothing was written: %1").arg(QString::fromStdString(e.what())));
        return false;
    }
    targets_ = targets;
    verified_ = run_->Verifies();
    results_.clear();
    table_->setRowCount(static_cast<int>(targets_.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        table_->setItem(row, kPort,
                        new QTableWidgetItem(QString::fromStdString(targets_[row].port)));
        auto* bar = new QProgressBar(table_);
        bar->setRange(0, 100);
        table_->setCellWidget(row, kProgress, bar);
        table_->setItem(row, kResult, new QTableWidgetItem(tr("waiting")));
        table_->setItem(row, kBackup, new QTableWidgetItem());
    }
    finished_ = false;
    start_->setEnabled(false);
    save_->setEnabled(false);
    cancel_->setEnabled(true);
    status_->setText(tr("Writing %n radio(s)...", nullptr, table_->rowCount()));
    FleetRun* run = run_.get();
    worker_ = std::thread([this, run] {
        auto results = run->Run([this](std::size_t index, const std::string& text, int percent) {
            const int row = static_cast<int>(index);
            const QString step = QString::fromStdString(text);
            QMetaObject::invokeMethod(
                this, [this, row, step, percent] { Progress(row, step, percent); },
                Qt::QueuedConnection);
        });
        QMetaObject::invokeMethod(
            this,
            [this, results = std::move(results)]() mutable {
                results_ = std::move(results);
                Finished();
            },
            Qt::QueuedConnection);
    });
    return true;
}

void FleetDlg::Progress(int row, const QString& text, int percent) {
    if (auto* bar = qobject_cast<QProgressBar*>(table_->cellWidget(row, kProgress))) {
        bar->setValue(percent);
    }
    table_->item(row, kResult)->setText(text);
}

void FleetDlg::Finished() {
    finished_ = true;
    int failed = 0;
    for (std::size_t i = 0; i < results_.size(); ++i) {
        const int row = static_cast<int>(i);
        const FleetPortResult& result = results_[i];
        table_->item(row, kResult)
            ->setText(QString::fromStdString(FleetResultText(result, verified_)));
        table_->item(row, kResult)->setToolTip(QString::fromStdString(result.message));
        table_->item(row, kBackup)->setText(QString::fromStdString(result.backupPath));
        if (result.result == OperationResult::Success) {
            qobject_cast<QProgressBar*>(table_->cellWidget(row, kProgress))->setValue(100);
        } else {
            ++failed;
        }
    }
    status_->setText(failed == 0 ? tr("Every radio was written and verified.")
                                 : tr("%n radio(s) not written.", nullptr, failed));
    start_->setEnabled(true);
    cancel_->setEnabled(false);
    save_->setEnabled(true);
}

void FleetDlg::Cancel() {
    if (run_) {
        run_->Cancel();
    }
}

QString FleetDlg::ResultText(int row) const {
    const QTableWidgetItem* item = table_->item(row, kResult);
    return item ? item->text() : QString();
}

std::string FleetDlg::ReportCsv() const {
    return FleetReportCsv(targets_, results_, verified_);
}

void FleetDlg::SaveCsv() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Save the result"), QString(),
                                                      tr("CSV files (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    std::ofstream out(path.toStdString(), std::ios::binary | std::ios::trunc);
    out << ReportCsv();
    if (!out.flush()) {
        QMessageBox::warning(this, windowTitle(), tr("%1 cannot be written.").arg(path));
    }
}

void FleetDlg::closeEvent(QCloseEvent* event) {
    if (Running()) {
        // closing while radios are written would leave them half programmed: cancel first
        Cancel();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace vd
