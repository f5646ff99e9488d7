#pragma once
#include "document/CValdrenCpsDoc.h"
#include "document/CsvTable.h"
#include "document/WriteSafety.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace vd {

/// One radio of a fleet: its port and the values it gets on top of the project.
struct FleetTarget {
    std::string port;
    std::vector<std::pair<std::string, std::string>> values; ///< selector, value
};

/// A fleet that cannot start: a values row that names no element or breaks the model's rules,
/// a port given twice, a project that does not open. Nothing was sent to any radio.
class FleetSetupError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// How one radio of a fleet ended.
struct FleetPortResult {
    std::string port;
    OperationResult result = OperationResult::Cancelled;
    std::string message;    ///< the operation's result message (the reason on failure)
    std::string backupPath; ///< the backup saved before the write, or empty
    long long elapsedMs = 0;
};

/// Told of each radio's progress; called from the radios' threads, so it must be thread-safe.
using FleetProgress = std::function<void(std::size_t index, const std::string& text, int percent)>;

/// The per-radio targets a values table gives: a header `port,SELECTOR,...` and one row per
/// port. Throws FleetSetupError when the header has no `port` first, a row has another number
/// of fields, or a port is named twice.
std::vector<FleetTarget> FleetTargetsFromCsv(const CsvRows& rows);

/// How a radio ended, as the summary shows it: "written and verified" ("written" without
/// verification), "cancelled", or "failed: " and the first line of the reason.
std::string FleetResultText(const FleetPortResult& result, bool verified);

/// The summary as CSV: port, result, backup, elapsed seconds, then each target's values.
std::string FleetReportCsv(const std::vector<FleetTarget>& targets,
                           const std::vector<FleetPortResult>& results, bool verified);

/// Writes one project to several radios at once, one thread per port. Each port gets a
/// document of its own, opened from the project, with its own values set and checked by the
/// model's rules before any port is opened; each write is backed up and verified on its own.
/// A radio that fails does not stop the others; Cancel stops them all through the transfers'
/// cancel path.
class FleetRun {
public:
    /// What every write of the run shares.
    struct Options {
        WriteSafety safety;
        std::optional<int> content;          ///< GX5 content variant (none: the setting)
        std::optional<std::string> password; ///< for radios that ask for one
        bool forceLocked = false;            ///< values may change read-only elements
    };

    /// Opens the project once per target and applies each target's values (selectors as
    /// `vdcps set` takes them); throws
    /// FleetSetupError with the port and the reason when any of them is refused.
    FleetRun(const std::string& projectPath, const std::vector<FleetTarget>& targets,
             Options options);
    ~FleetRun();
    FleetRun(const FleetRun&) = delete;
    FleetRun& operator=(const FleetRun&) = delete;

    /// The model of the project.
    std::string ModelName() const;
    /// Whether each write is read back and compared (the option, else `verify_after_write`).
    bool Verifies() const;
    /// Number of radios.
    std::size_t Size() const { return ports_.size(); }
    /// Writes every radio at once and waits for all; one result per target, in their order.
    std::vector<FleetPortResult> Run(const FleetProgress& progress);
    /// Asks every running transfer to stop at its next step; safe from any thread or a
    /// signal-watching thread.
    void Cancel() { cancelled_ = true; }

private:
    class PortUi;
    struct Port;

    FleetPortResult RunPort(Port& port, const FleetProgress& progress);

    Options options_;
    std::vector<std::unique_ptr<Port>> ports_;
    std::atomic<bool> cancelled_{false};
};

} // namespace vd
