#include "radios/gx5/Gx5Progress.h"

#include "app/Log.h"
#include "model/Exceptions.h"

namespace vd::gx5 {

void Report(ProgressSignal& progress, const std::string& text, int position, int total) {
    if (!progress(text, position, total)) {
        throw ValdrenCpsException("break!");
    }
}

ChannelErrorTip::ChannelErrorTip(ProgressSignal& progress, int& remaining)
    : progress_(progress), remaining_(remaining) {}

void ChannelErrorTip::Raise(const std::string& detail) {
    Report(progress_, kChannelErrorText, 0, 1);
    if (remaining_ > 0) {
        VD_LOG_WARN("引用无效:{}", detail);
        --remaining_;
    }
}

} // namespace vd::gx5
