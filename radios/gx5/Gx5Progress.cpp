#include "radios/gx5/Gx5Progress.h"

#include "app/Log.h"
#include "model/Exceptions.h"

namespace vd::gx5 {

void Report(ProgressSignal& progress, StringId text, int position, int total) {
    if (!progress(LoadString(text), position, total)) {
        throw CancelledException();
    }
}

ChannelErrorTip::ChannelErrorTip(ProgressSignal& progress, NoticeSignal& notice, int& remaining)
    : progress_(progress), notice_(notice), remaining_(remaining) {}

void ChannelErrorTip::Raise(const std::string& detail) {
    Report(progress_, kChannelErrorText, 0, 1);
    if (remaining_ > 0) {
        VD_LOG_WARN("引用无效:{}", detail);
        --remaining_;
        notice_(LoadString(kChannelErrorText));
    }
}

} // namespace vd::gx5
