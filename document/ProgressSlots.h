#pragma once
#include "document/IUserInterface.h"
#include "model/ProgressSignal.h"

#include <memory>
#include <string>

namespace vd {

/// The progress text of the dialog: "%s %d%%" in percent mode, else "%s %d/%d".
std::string ProgressText(const std::string& text, int position, int total, bool percent);

/// Whether the display lets the person act at this step: small totals always, otherwise
/// every 4th step and the last two.
bool ProgressWantsPump(int position, int total);

/// Connects the output list and a progress display to a control's progress signal, and the
/// message routine to its notices, for one operation, and disconnects every slot when it ends,
/// however it ends.
class ProgressConnection {
public:
    /// @param cancelRequested set to true when the person asks the display to cancel
    ProgressConnection(ProgressSignal& signal, NoticeSignal& notice, IUserInterface& ui,
                       bool* cancelRequested = nullptr);
    ~ProgressConnection();
    ProgressConnection(const ProgressConnection&) = delete;
    ProgressConnection& operator=(const ProgressConnection&) = delete;

private:
    ProgressSignal& signal_;
    NoticeSignal& notice_;
    std::shared_ptr<IProgressDisplay> display_;
};

} // namespace vd
