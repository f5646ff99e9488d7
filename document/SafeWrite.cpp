#include "document/SafeWrite.h"

#include "app/CpsIni.h"
#include "app/StringTable.h"
#include "document/BackupStore.h"
#include "document/FactoryValues.h"
#include "document/WriteReach.h"
#include "link/ISerialPort.h"
#include "model/Exceptions.h"

#include <fmt/format.h>

namespace vd {

SafeWrite::SafeWrite(WriteSafety safety, int content)
    : safety_(std::move(safety)), content_(content) {}

SafeWrite::SafeWrite(WriteSafety safety, ByteVector image)
    : safety_(std::move(safety)), restore_(std::move(image)) {}

bool SafeWrite::Backup() const {
    return safety_.backup.value_or(CpsIni::GetInt("Option", "backup_before_write", 1) != 0);
}

bool SafeWrite::Verify() const {
    return safety_.verify.value_or(CpsIni::GetInt("Option", "verify_after_write", 1) != 0);
}

// A GX5 write builds the whole image from the values, so the radio is read in a session of its
// own: for the backup, for a dry run, and for the factory values a write must keep.
bool SafeWrite::ReadsGx5First(HamCpsControl& control) const {
    if (!control.NeedsNoBaseImage()) {
        return false;
    }
    return Backup() || safety_.dryRun || (!restore_ && !safety_.writeFactoryData);
}

int SafeWrite::FirstMode(HamCpsControl& control) const {
    return ReadsGx5First(control) ? 0 : 1;
}

OperationResult SafeWrite::Fail(DeviceSession& session, const std::string& text) const {
    session.message() = text;
    session.SetStyle(MessageStyle::Error);
    return OperationResult::RadioError;
}

OperationResult SafeWrite::Run(DeviceSession& session) {
    HamCpsControl& control = session.control();
    const std::string writeText = LoadString(IDS_HOST_WRITE_ALL_DATA);
    bool radioRead = false;
    if (!control.NeedsNoBaseImage()) {
        // LM704 and VS: the write is merged into the radio's image, read in the same session.
        if (!control.ReadBaseImage(session.port(), radioImage_, writeText)) {
            return Fail(session, writeText + "\n" + LoadString(IDS_DATA_NOT_FULLY_READ));
        }
        radioRead = true;
    } else if (ReadsGx5First(control)) {
        const int blocks =
            control.ReadAll(session.port(), radioImage_, LoadString(IDS_HOST_READ_ALL_DATA));
        session.RebootRadio();
        if (blocks <= 0 || !ImageSizeProblem(control, radioImage_.size()).empty()) {
            return Fail(session, "The radio's memory could not be read before writing: nothing "
                                 "was written");
        }
        radioRead = true;
    }
    if (radioRead && Backup()) {
        backupPath_ = BackupStore::Save(BackupStore::Folder(safety_.backupDir),
                                        control.GetModelName(), radioImage_);
        session.ui().BackupSaved(backupPath_);
    }

    if (restore_) {
        planned_ = WritableImage(control, *restore_);
    } else {
        planned_ = control.NeedsNoBaseImage() ? ByteVector() : radioImage_;
        std::optional<RadioFactoryValues> factory;
        if (radioRead && !safety_.writeFactoryData) {
            factory.emplace(control, radioImage_);
        }
        if (!control.GenerateImage(planned_, content_)) {
            throw ValdrenCpsException("Generate bin failed!", FailureKind::Data);
        }
    }
    if (safety_.dryRun) {
        session.message() =
            LoadString(IDS_HOST_READ_ALL_DATA) + "\n" + LoadString(IDS_DATA_READ_COMPLETED);
        return OperationResult::Success;
    }

    if (control.NeedsNoBaseImage() && radioRead && !session.Handshake(1)) {
        return OperationResult::Cancelled;
    }
    session.message() = writeText;
    const int blocks = control.WriteAll(session.port(), planned_, session.message());
    if (CpsIni::GetInt("Option", "show_read_write_info", 0) != 0) {
        session.message() = fmt::format("package_count:{}\r\n binsize:{}\r\n UseTime:{}\r\n",
                                        blocks, planned_.size(), session.ElapsedMs());
    }
    if (blocks < 0) {
        AppendResultLine(session.message(), LoadString(IDS_DATA_NOT_FULLY_WRITTEN) +
                                                RestoreHint(session.port().GetPortPath()));
        session.SetStyle(MessageStyle::Error);
        return OperationResult::RadioError;
    }
    AppendResultLine(session.message(), LoadString(IDS_DATA_WRITE_COMPLETED));
    const OperationResult result = Verify() ? VerifyWrite(session) : OperationResult::Success;
    if (result == OperationResult::Success && !backupPath_.empty()) {
        session.message() += "\nBackup: " + backupPath_;
    }
    return result;
}

std::string SafeWrite::RestoreHint(const std::string& port) const {
    return backupPath_.empty()
               ? std::string()
               : fmt::format("\nBackup: {}\nTo restore it: vdcps restore {} --port {}", backupPath_,
                             backupPath_, port);
}

OperationResult SafeWrite::VerifyWrite(DeviceSession& session) {
    HamCpsControl& control = session.control();
    const std::string written = session.message();
    const std::string restoreHint = RestoreHint(session.port().GetPortPath());
    ByteVector readBack;
    int blocks = -1;
    try {
        if (!session.Handshake(0)) {
            return OperationResult::Cancelled;
        }
        blocks = control.ReadAll(session.port(), readBack, LoadString(IDS_HOST_READ_ALL_DATA));
    } catch (const ValdrenCpsException& e) {
        if (e.kind() == FailureKind::Cancelled) {
            throw;
        }
        // a radio that does not answer the verify read is reported below
    }
    if (control.NeedsNoBaseImage()) {
        session.RebootRadio();
    }
    if (blocks <= 0) {
        return Fail(session, written +
                                 "\nThe radio could not be read back to verify the write: "
                                 "it may or may not hold what was sent." +
                                 restoreHint);
    }
    const auto mismatch =
        CompareWritten(WrittenRanges(control, planned_.size()), planned_, readBack);
    if (mismatch) {
        return Fail(session, fmt::format("Verify failed: {} bytes differ, the first at 0x{:04X}",
                                         mismatch->count, mismatch->first) +
                                 restoreHint);
    }
    session.message() = written + "\nVerified: the radio holds what was written.";
    return OperationResult::Success;
}

} // namespace vd
