#include "document/FleetRun.h"

#include "app/CpsIni.h"
#include "app/LanguageCode.h"
#include "document/ElementEdit.h"
#include "document/ElementSelector.h"

#include <chrono>
#include <fmt/format.h>
#include <set>
#include <thread>

namespace vd {

/// Answers one radio's write without a person: its port, yes to the write (the run was
/// confirmed once for all), the run's password; progress goes to the run's observer, and a
/// cancelled run answers the transfer's next progress step with "stop".
class FleetRun::PortUi : public IUserInterface {
public:
    PortUi(std::string port, std::size_t index, const std::atomic<bool>& cancelled,
           const std::optional<std::string>& password)
        : port_(std::move(port)), index_(index), cancelled_(cancelled), password_(password) {}

    void SetProgress(const FleetProgress* progress) { progress_ = progress; }
    const std::string& LastMessage() const { return message_; }
    const std::string& BackupPath() const { return backup_; }

    bool ChooseDevice(int, const std::string& presetModel, DeviceChoice& choice) override {
        choice.model = presetModel;
        choice.port = port_;
        return true;
    }
    bool AskText(const std::string&, const std::string&, std::string& text) override {
        if (!password_) {
            return false;
        }
        text = *password_;
        return true;
    }
    bool AskYesNo(const std::string&) override { return true; }
    void ShowMessage(const std::string& text, MessageStyle) override { message_ = text; }
    bool ChooseOpenFile(const std::string&, const std::string&, std::string&) override {
        return false;
    }
    bool ChooseSaveFile(const std::string&, const std::string&, std::string&) override {
        return false;
    }
    bool ShowPortOptions() override { return false; }
    std::unique_ptr<IProgressDisplay> CreateProgressDisplay() override {
        return std::make_unique<Display>(*this);
    }
    void AppendOutputLine(const std::string&) override {}
    void ImageImported() override {}
    void BackupSaved(const std::string& path) override { backup_ = path; }

private:
    /// Forwards "TEXT N%" to the observer as the text and its share.
    class Display : public IProgressDisplay {
    public:
        explicit Display(PortUi& ui) : ui_(ui) {}
        bool Show(const std::string& text, bool) override {
            if (ui_.progress_ != nullptr && *ui_.progress_) {
                const std::size_t space = text.rfind(' ');
                int percent = 0;
                std::string step = text;
                if (space != std::string::npos && !text.empty() && text.back() == '%') {
                    percent = std::atoi(text.c_str() + space + 1);
                    step = text.substr(0, space);
                }
                (*ui_.progress_)(ui_.index_, step, percent);
            }
            return ui_.cancelled_.load();
        }

    private:
        PortUi& ui_;
    };

    std::string port_;
    std::size_t index_;
    const std::atomic<bool>& cancelled_;
    const std::optional<std::string>& password_;
    const FleetProgress* progress_ = nullptr;
    std::string message_;
    std::string backup_;
};

/// One radio: its person-less interface and its own document.
struct FleetRun::Port {
    std::string name;
    std::unique_ptr<PortUi> ui;
    std::unique_ptr<CValdrenCpsDoc> doc;
};

std::vector<FleetTarget> FleetTargetsFromCsv(const CsvRows& rows) {
    if (rows.empty() || rows[0].empty() || rows[0][0] != "port") {
        throw FleetSetupError("the values table must start with a header whose first column is "
                              "'port'");
    }
    const std::vector<std::string>& header = rows[0];
    std::vector<FleetTarget> targets;
    std::set<std::string> seen;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const std::vector<std::string>& row = rows[r];
        if (row.size() != header.size()) {
            throw FleetSetupError(fmt::format("row {} of the values table has {} fields, the "
                                              "header {}",
                                              r + 1, row.size(), header.size()));
        }
        if (row[0].empty() || !seen.insert(row[0]).second) {
            throw FleetSetupError(fmt::format("row {} of the values table: port '{}' is empty or "
                                              "named twice",
                                              r + 1, row[0]));
        }
        FleetTarget target{row[0], {}};
        for (std::size_t c = 1; c < row.size(); ++c) {
            target.values.emplace_back(header[c], row[c]);
        }
        targets.push_back(std::move(target));
    }
    return targets;
}

std::string FleetResultText(const FleetPortResult& result, bool verified) {
    switch (result.result) {
    case OperationResult::Success:
        return verified ? "written and verified" : "written";
    case OperationResult::Cancelled:
        return "cancelled";
    default:
        return "failed: " + result.message.substr(0, result.message.find('\n'));
    }
}

std::string FleetReportCsv(const std::vector<FleetTarget>& targets,
                           const std::vector<FleetPortResult>& results, bool verified) {
    std::vector<std::string> header = {"port", "result", "backup", "elapsed_s"};
    if (!targets.empty()) {
        for (const auto& assignment : targets[0].values) {
            header.push_back(assignment.first);
        }
    }
    std::string csv = CsvLine(header);
    for (std::size_t i = 0; i < results.size(); ++i) {
        std::vector<std::string> row = {results[i].port, FleetResultText(results[i], verified),
                                        results[i].backupPath,
                                        fmt::format("{:.1f}", results[i].elapsedMs / 1000.0)};
        if (i < targets.size()) {
            for (const auto& assignment : targets[i].values) {
                row.push_back(assignment.second);
            }
        }
        csv += CsvLine(row);
    }
    return csv;
}

FleetRun::FleetRun(const std::string& projectPath, const std::vector<FleetTarget>& targets,
                   Options options)
    : options_(std::move(options)) {
    // the language code is read lazily once; settle it before any thread reads it
    CurrentLanguageCode();
    std::set<std::string> seen;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const FleetTarget& target = targets[i];
        if (!seen.insert(target.port).second) {
            throw FleetSetupError(fmt::format("port {} is named twice", target.port));
        }
        auto port = std::make_unique<Port>();
        port->name = target.port;
        port->ui = std::make_unique<PortUi>(target.port, i, cancelled_, options_.password);
        port->doc = std::make_unique<CValdrenCpsDoc>(*port->ui);
        if (!port->doc->OnOpenDocument(projectPath) || port->doc->Control() == nullptr) {
            throw FleetSetupError(fmt::format("{} is not a project of a known model", projectPath));
        }
        HamCpsControl& control = *port->doc->Control();
        for (const auto& [selector, value] : target.values) {
            std::string error;
            try {
                const ElementPtr element = ResolveSelector(control, selector);
                const EditResult result =
                    SetElementValue(control, *element, value, options_.forceLocked);
                error = result.stored ? std::string() : result.error;
            } catch (const std::exception& e) {
                error = e.what();
            }
            if (!error.empty()) {
                throw FleetSetupError(
                    fmt::format("{}: {}={} is refused: {}", target.port, selector, value, error));
            }
        }
        port->doc->SetWriteSafety(options_.safety);
        port->doc->SetBinStructContent(options_.content);
        ports_.push_back(std::move(port));
    }
}

FleetRun::~FleetRun() = default;

std::string FleetRun::ModelName() const {
    return ports_.empty() ? std::string() : ports_[0]->doc->Control()->GetModelName();
}

bool FleetRun::Verifies() const {
    return options_.safety.verify.value_or(CpsIni::GetInt("Option", "verify_after_write", 1) != 0);
}

FleetPortResult FleetRun::RunPort(Port& port, const FleetProgress& progress) {
    FleetPortResult result;
    result.port = port.name;
    if (cancelled_) {
        result.result = OperationResult::Cancelled;
        result.message = "cancelled before it started";
        return result;
    }
    const auto start = std::chrono::steady_clock::now();
    port.ui->SetProgress(&progress);
    try {
        port.doc->OnEditWriteDevice();
        result.result = port.doc->LastResult();
        result.message = port.ui->LastMessage();
    } catch (const std::exception& e) {
        // nothing a radio does may take the other radios' threads down
        result.result = OperationResult::DataError;
        result.message = e.what();
    }
    port.ui->SetProgress(nullptr);
    if (result.result == OperationResult::Cancelled && result.message.empty()) {
        result.message = "cancelled";
    }
    result.backupPath = port.ui->BackupPath();
    result.elapsedMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                           std::chrono::steady_clock::now() - start)
                           .count();
    return result;
}

std::vector<FleetPortResult> FleetRun::Run(const FleetProgress& progress) {
    std::vector<FleetPortResult> results(ports_.size());
    {
        std::vector<std::jthread> threads;
        threads.reserve(ports_.size());
        for (std::size_t i = 0; i < ports_.size(); ++i) {
            threads.emplace_back(
                [this, i, &results, &progress] { results[i] = RunPort(*ports_[i], progress); });
        }
    }
    return results;
}

} // namespace vd
