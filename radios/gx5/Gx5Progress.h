#pragma once
#include "app/StringTable.h"
#include "model/ProgressSignal.h"

#include <string>

namespace vd::gx5 {

/// Progress texts of the image codec (string-table entries, shown in the current language).
inline constexpr StringId kFillZoneText = IDS_FILL_ZONE_INFO;
inline constexpr StringId kFillChannelText = IDS_FILL_CHANNEL_INFO;
inline constexpr StringId kFillScanText = IDS_FILL_SCAN_INFO;
inline constexpr StringId kFillEmergencyText = IDS_FILL_EMERGENCY_INFO;
inline constexpr StringId kFillFmText = IDS_FILL_FM_INFO;
inline constexpr StringId kFillNoaaText = IDS_FILL_NOAA_INFO;
inline constexpr StringId kFillDtmfText = IDS_FILL_DTMF_INFO;
inline constexpr StringId kImportChannelText = IDS_IMPORT_CHANNEL;
inline constexpr StringId kChannelErrorText = IDS_IMPORT_CHANNEL_ERROR;

/// Emits one progress step; throws ValdrenCpsException "break!" when a slot asked to cancel.
void Report(ProgressSignal& progress, StringId text, int position, int total);

/// The "Import channel error" tip raised for a reference that cannot be resolved. Every tip
/// is emitted as progress (text, 0, 1); while the control's counter is above 0 it is also
/// sent to the control's notice signal, which the document shows in a message box, and the
/// counter goes down, so that one import or encoding never shows more than the configured
/// number of message boxes.
class ChannelErrorTip {
public:
    /// @param remaining the control's counter, shared by the import and the later encoding
    ChannelErrorTip(ProgressSignal& progress, NoticeSignal& notice, int& remaining);

    /// Reports one unresolved reference; detail names it for the log.
    void Raise(const std::string& detail);

private:
    ProgressSignal& progress_;
    NoticeSignal& notice_;
    int& remaining_;
};

} // namespace vd::gx5
