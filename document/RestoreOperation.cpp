// Restore: a backup written back to the radio by the same road as every write.
#include "app/StringTable.h"
#include "document/CValdrenCpsDoc.h"
#include "document/SafeWrite.h"
#include "document/WriteReach.h"
#include "model/Exceptions.h"

namespace vd {

void CValdrenCpsDoc::RestoreImage(const ByteVector& image) {
    if (!control_) {
        return;
    }
    const std::string problem = ImageSizeProblem(*control_, image.size());
    if (!problem.empty()) {
        lastResult_ = OperationResult::DataError;
        ui_.ShowMessage(problem, MessageStyle::Error);
        return;
    }
    if (!ui_.AskYesNo(LoadString(IDS_WRITE_QUESTION))) {
        lastResult_ = OperationResult::Cancelled;
        return;
    }
    SafeWrite write(writeSafety_, image);
    RunWrite(write);
}

} // namespace vd
