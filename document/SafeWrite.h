#pragma once
#include "document/CValdrenCpsDoc.h"
#include "document/DeviceSession.h"

#include <optional>
#include <string>

namespace vd {

/// One transactional write: read the radio and save that image as a backup, build what is to
/// be written (the document's values, or an image restored as it is), write it, read the radio
/// again and compare every byte that was sent. Runs inside a device operation, whose first
/// handshake must use FirstMode().
class SafeWrite {
public:
    /// A write of the document's values with a GX5 content variant.
    SafeWrite(WriteSafety safety, int content);
    /// A write of an image as it is (restore); its size must fit the model.
    SafeWrite(WriteSafety safety, ByteVector image);

    /// The handshake mode the operation starts with: 0 when a GX5 radio is read first.
    int FirstMode(HamCpsControl& control) const;
    /// Runs every step, building the result message in the session; how it ended.
    OperationResult Run(DeviceSession& session);

    /// The backup saved by Run, or empty text.
    const std::string& BackupPath() const { return backupPath_; }
    /// The radio's image read before the write (empty when it was not read).
    const ByteVector& RadioImage() const { return radioImage_; }
    /// The image the write sends (or, on a dry run, would send).
    const ByteVector& PlannedImage() const { return planned_; }

private:
    bool Backup() const;
    bool Verify() const;
    bool ReadsGx5First(HamCpsControl& control) const;
    OperationResult Fail(DeviceSession& session, const std::string& text) const;
    OperationResult VerifyWrite(DeviceSession& session);
    /// Where the backup is and how to write it back, for a message; empty without a backup.
    std::string RestoreHint() const;

    WriteSafety safety_;
    int content_ = 1;
    std::optional<ByteVector> restore_;
    std::string backupPath_;
    ByteVector radioImage_;
    ByteVector planned_;
};

} // namespace vd
