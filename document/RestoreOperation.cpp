// Restore and Compare with Radio: the radio operations that go the road of every write.
#include "app/StringTable.h"
#include "document/CValdrenCpsDoc.h"
#include "document/ProjectDiff.h"
#include "document/SafeWrite.h"
#include "document/WriteReach.h"

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
    if (!ChooseWritePort(true)) {
        return;
    }
    SafeWrite write(writeSafety_, image);
    RunWrite(write);
}

std::vector<Difference> CValdrenCpsDoc::CompareWithDevice() {
    if (!control_) {
        return {};
    }
    // A dry run of Write Device reads the radio exactly as a write would, and writes nothing.
    const WriteSafety kept = writeSafety_;
    writeSafety_.dryRun = true;
    OnEditWriteDevice();
    writeSafety_ = kept;
    if (lastResult_ != OperationResult::Success) {
        return {};
    }
    const std::unique_ptr<HamCpsControl> radio =
        DecodeImage(control_->GetModelName(), lastWriteRadio_);
    if (!radio) {
        lastResult_ = OperationResult::DataError;
        ui_.ShowMessage("import_bin_struct failed!", MessageStyle::Error);
        return {};
    }
    return CompareConfigurations(*radio, *control_);
}

} // namespace vd
