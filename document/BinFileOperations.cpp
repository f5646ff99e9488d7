// Read Bin File and Generate Bin File: the radio's memory image to and from a file.
#include "app/StringTable.h"
#include "document/CValdrenCpsDoc.h"
#include "document/ImageFile.h"
#include "document/ProgressSlots.h"
#include "model/Exceptions.h"

namespace vd {

namespace {

constexpr const char* kBinFilter = "bin file(*.bin)|*.bin||";

} // namespace

void CValdrenCpsDoc::import_bin_struct(const ByteVector& image) {
    control_->ResetToTemplate();
    if (!control_->ImportImage(image)) {
        throw ValdrenCpsException("import_bin_struct failed!");
    }
    ui_.ImageImported();
}

void CValdrenCpsDoc::generate_bin_struct(ByteVector& image, int binStructContent) {
    ProgressConnection progress(control_->progress, control_->notice, ui_);
    if (!control_->GenerateImage(image, binStructContent)) {
        throw ValdrenCpsException("Generate bin failed!");
    }
}

bool CValdrenCpsDoc::ReadBinfile() {
    if (!control_) {
        return false;
    }
    std::string path;
    if (!ui_.ChooseOpenFile("bin", kBinFilter, path)) {
        lastResult_ = OperationResult::Cancelled;
        return false;
    }
    try {
        const ByteVector image = ReadImageFile(path);
        {
            ProgressConnection progress(control_->progress, control_->notice, ui_);
            import_bin_struct(image);
        }
        ui_.ShowMessage("OK", MessageStyle::Information);
        lastResult_ = OperationResult::Success;
        return true;
    } catch (const std::exception& e) {
        lastResult_ = std::string(e.what()) == "break!" ? OperationResult::Cancelled
                                                        : OperationResult::DataError;
        ui_.ShowMessage(e.what(), MessageStyle::Error);
        return false;
    }
}

void CValdrenCpsDoc::OnGenerateBinFile() {
    if (!control_) {
        return;
    }
    try {
        ByteVector image;
        generate_bin_struct(image, 3);
        std::string path;
        if (!ui_.ChooseSaveFile("bin", kBinFilter, path)) {
            throw ValdrenCpsException("Generate bin cancel!");
        }
        WriteImageFile(path, image);
        lastResult_ = OperationResult::Success;
        ui_.ShowMessage("OK", MessageStyle::Default);
    } catch (const std::exception& e) {
        const std::string text = e.what();
        lastResult_ = text == "Generate bin cancel!" || text == "break!"
                          ? OperationResult::Cancelled
                          : OperationResult::DataError;
        ui_.ShowMessage(text, MessageStyle::Default);
    }
}

} // namespace vd
