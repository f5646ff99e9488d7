#pragma once
#include "model/ProgressSignal.h"

#include <string>

namespace vd::gx5 {

/// Progress texts of the image codec (the program's string resources).
inline constexpr const char* kFillZoneText = "Fill zone info";
inline constexpr const char* kFillChannelText = "Fill channel info";
inline constexpr const char* kFillScanText = "Fill scan info";
inline constexpr const char* kFillEmergencyText = "Fill Emergency info";
inline constexpr const char* kFillFmText = "Fill FM info";
inline constexpr const char* kFillNoaaText = "Fill NOAA info";
inline constexpr const char* kFillDtmfText = "Fill DTMF info";
inline constexpr const char* kImportChannelText = "Import Channel";
inline constexpr const char* kChannelErrorText = "Import channel error";

/// Emits one progress step; throws ValdrenCpsException "break!" when a slot asked to cancel.
void Report(ProgressSignal& progress, const std::string& text, int position, int total);

/// The "Import channel error" tip raised for a reference that cannot be resolved. Every tip
/// is emitted as progress (text, 0, 1); while the control's counter is above 0 it is also
/// brought to the user's attention (for now a warning in the log, the place where the
/// document layer will show its message box) and the counter goes down, so that one import
/// or encoding never shows more than the configured number of message boxes.
class ChannelErrorTip {
public:
    /// @param remaining the control's counter, shared by the import and the later encoding
    ChannelErrorTip(ProgressSignal& progress, int& remaining);

    /// Reports one unresolved reference; detail names it for the log.
    void Raise(const std::string& detail);

private:
    ProgressSignal& progress_;
    int& remaining_;
};

} // namespace vd::gx5
