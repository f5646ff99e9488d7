#pragma once
#include "model/ModelTypes.h"
#include "model/ProgressSignal.h"
#include "radios/gx5/Gx5ListLimits.h"

#include <string_view>

namespace vd {
class XmlStore;
}

namespace vd::gx5 {

/// Builds the GX5 family's memory image from the document: header, device information,
/// version, general settings, the list sections, DTMF, and the extension block that
/// repeats the first records of the lists.
class ImageEncoder {
public:
    /// @param tipCounter the control's channel error tip counter (what the last import left)
    /// @param identity   the 32-byte model identity written as the model string
    ImageEncoder(const XmlStore& store, ProgressSignal& progress, NoticeSignal& notice,
                 int& tipCounter, std::string_view identity, const ListLimits& limits);

    /// The whole image, cut to the size of the content variant (0 to 3, others as 1).
    ByteVector Encode(int contentVariant);

private:
    const XmlStore& store_;
    ProgressSignal& progress_;
    NoticeSignal& notice_;
    int& tipCounter_;
    std::string_view identity_;
    ListLimits limits_;
};

} // namespace vd::gx5
