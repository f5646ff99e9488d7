#include "document/ProgressSlots.h"

#include <fmt/format.h>

namespace vd {

std::string ProgressText(const std::string& text, int position, int total, bool percent) {
    if (percent) {
        // a total of 0 would divide by zero; such a step has no share to show
        const long long share = total > 0 ? static_cast<long long>(position) * 100 / total : 0;
        return fmt::format("{} {}%", text, share);
    }
    return fmt::format("{} {}/{}", text, position, total);
}

bool ProgressWantsPump(int position, int total) {
    return total <= 100 || position % 4 == 0 || position == total || position + 1 == total;
}

ProgressConnection::ProgressConnection(ProgressSignal& signal, NoticeSignal& notice,
                                       IUserInterface& ui, bool* cancelRequested)
    : signal_(signal), notice_(notice), display_(ui.CreateProgressDisplay()) {
    signal_.disconnect_all_slots();
    notice_.disconnect_all_slots();
    notice_.connect(
        [&ui](const std::string& text) { ui.ShowMessage(text, MessageStyle::Default); });
    signal_.connect([&ui](const std::string& text, int position, int total) {
        ui.AppendOutputLine(ProgressText(text, position, total, false));
        return false;
    });
    std::shared_ptr<IProgressDisplay> display = display_;
    signal_.connect([display, cancelRequested](const std::string& text, int position, int total) {
        const bool cancel = display->Show(ProgressText(text, position, total, true),
                                          ProgressWantsPump(position, total));
        if (cancel && cancelRequested) {
            *cancelRequested = true;
        }
        return cancel;
    });
}

ProgressConnection::~ProgressConnection() {
    signal_.disconnect_all_slots();
    notice_.disconnect_all_slots();
}

} // namespace vd
