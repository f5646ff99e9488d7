// Read Bin File and Generate Bin File: the radio's memory image to and from a file.
#include "app/StringTable.h"
#include "document/CValdrenCpsDoc.h"
#include "document/ImageFile.h"
#include "document/ProgressSlots.h"
#include "model/Exceptions.h"

#include <algorithm>
#include <fmt/format.h>

namespace vd {

namespace {

constexpr const char* kBinFilter = "bin file(*.bin)|*.bin||";

} // namespace

void CValdrenCpsDoc::import_bin_struct(const ByteVector& image) {
    if (std::string problem = control_->ImageProblem(image); !problem.empty()) {
        throw ValdrenCpsException(problem, FailureKind::Data);
    }
    control_->ResetToTemplate();
    if (!control_->ImportImage(image)) {
        throw ValdrenCpsException("import_bin_struct failed!", FailureKind::Data);
    }
    // every value was replaced: the history starts over from the image, which a project
    // file of this document does not hold
    journal_.Reset(control_->ValueStore(), pathName_.empty());
    ui_.ImageImported();
}

void CValdrenCpsDoc::generate_bin_struct(ByteVector& image, int binStructContent) {
    ProgressConnection progress(control_->progress, control_->notice, ui_);
    if (!control_->GenerateImage(image, binStructContent)) {
        throw ValdrenCpsException("Generate bin failed!", FailureKind::Data);
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
        ByteVector image = ReadImageFile(path);
        // a radio whose memory was erased (every byte 0xFF) or never written (0x00) holds no
        // configuration: it imports as a blank radio, as an image of zeros decodes
        const bool blank =
            !image.empty() && std::all_of(image.begin(), image.end(), [&](uint8_t byte) {
                return byte == image.front() && (byte == 0x00 || byte == 0xFF);
            });
        const uint8_t fill = blank ? image.front() : uint8_t{0};
        if (blank) {
            std::fill(image.begin(), image.end(), uint8_t{0});
        }
        {
            ProgressConnection progress(control_->progress, control_->notice, ui_);
            import_bin_struct(image);
        }
        if (blank) {
            ui_.ShowMessage(
                fmt::format("{}: every byte is 0x{:02X}; imported as a blank radio", path, fill),
                MessageStyle::Warning);
        }
        ui_.ShowMessage("OK", MessageStyle::Information);
        lastResult_ = OperationResult::Success;
        return true;
    } catch (const ValdrenCpsException& e) {
        lastResult_ = e.kind() == FailureKind::Cancelled ? OperationResult::Cancelled
                                                         : OperationResult::DataError;
        ui_.ShowMessage(e.what(), MessageStyle::Error);
        return false;
    } catch (const std::exception& e) {
        lastResult_ = OperationResult::DataError;
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
            throw ValdrenCpsException("Generate bin cancel!", FailureKind::Cancelled);
        }
        WriteImageFile(path, image);
        lastResult_ = OperationResult::Success;
        ui_.ShowMessage("OK", MessageStyle::Default);
    } catch (const ValdrenCpsException& e) {
        lastResult_ = e.kind() == FailureKind::Cancelled ? OperationResult::Cancelled
                                                         : OperationResult::DataError;
        ui_.ShowMessage(e.what(), MessageStyle::Default);
    } catch (const std::exception& e) {
        lastResult_ = OperationResult::DataError;
        ui_.ShowMessage(e.what(), MessageStyle::Default);
    }
}

} // namespace vd
