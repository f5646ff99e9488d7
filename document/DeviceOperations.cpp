// Read Device and Write Device: the radio operations of a document, with their result
// messages and the clean-up on every path.
#include "app/CpsIni.h"
#include "app/StringTable.h"
#include "document/CValdrenCpsDoc.h"
#include "document/HeardPort.h"
#include "document/ProgressSlots.h"
#include "document/SafeWrite.h"
#include "link/CpsSerialPort.h"
#include "link/SerialException.h"
#include "model/Exceptions.h"

#include <chrono>
#include <fmt/format.h>

namespace vd {

void AppendResultLine(std::string& message, const std::string& line) {
    if (!message.empty() && message.back() != '\n') {
        message += '\n';
    }
    message += line;
}

/// The frame of one radio operation: the port, the progress slots, the message that is built
/// step by step, and the handling of every failure.
class DeviceOperation : public DeviceSession {
public:
    DeviceOperation(CValdrenCpsDoc& doc, int mode)
        : doc_(doc), control_(*doc.control_), mode_(mode) {}

    /// Runs body between opening the port and showing the result; body returns whether the
    /// operation succeeded. False also when anything failed or was cancelled.
    template <typename Body> bool Run(Body body) {
        bool result = false;
        try {
            control_.OpenPort(port_, doc_.PortSetting());
            start_ = std::chrono::steady_clock::now();
            style_ = MessageStyle::Information;
            {
                // the progress display is gone before the result is shown
                ProgressConnection progress(control_.progress, control_.notice, doc_.ui_,
                                            &cancelRequested_);
                if (!EnterProgrammingMode(mode_)) {
                    doc_.lastResult_ = OperationResult::Cancelled;
                    port_.Close();
                    return false; // the password was not given: no message
                }
                result = body(*this);
            }
            doc_.ui_.ShowMessage(message_, style_);
        } catch (const ValdrenCpsException& e) {
            AppendResultLine(message_, e.what());
            doc_.lastResult_ = Classify(e);
            Reboot();
            doc_.ui_.ShowMessage(message_, FailureStyle());
            result = false;
        } catch (const ValdrenPasswordException& e) {
            message_ = e.what();
            doc_.lastResult_ = OperationResult::RadioError;
            Reboot();
            doc_.ui_.ShowMessage(message_, FailureStyle());
            result = false;
        } catch (const CSerialException& e) {
            doc_.lastResult_ = OperationResult::DeviceError;
            // the known text first, then the port and the system's reason
            doc_.ui_.ShowMessage(e.GetErrorCode() == 2 ? LoadString(IDS_DEVICE_NOT_FOUND) + "\n" +
                                                             e.GetErrorMessage().substr(0, 512)
                                                       : e.GetErrorMessage().substr(0, 512),
                                 FailureStyle());
            result = false;
        } catch (const std::exception& e) {
            // a file system or memory failure must still end the operation cleanly
            doc_.lastResult_ = OperationResult::DataError;
            Reboot();
            doc_.ui_.ShowMessage(message_ + e.what(), MessageStyle::Error);
            result = false;
        }
        port_.Close();
        return result;
    }

    HamCpsControl& control() override { return control_; }
    ISerialPort& port() override { return port_; }
    IUserInterface& ui() override { return doc_.ui_; }
    std::string& message() override { return message_; }
    void SetStyle(MessageStyle style) override { style_ = style; }
    bool Handshake(int mode) override { return EnterProgrammingMode(mode); }
    void RebootRadio() override { Reboot(); }
    long long ElapsedMs() const override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - start_)
            .count();
    }

private:
    /// The handshake, with the password question when the radio wants one. False when the
    /// person did not give the password (the radio is rebooted then).
    bool EnterProgrammingMode(int mode) {
        try {
            if (!control_.host_handshake(port_, mode, nullptr, 0)) {
                throw ValdrenCpsException(HostFailedText());
            }
            return true;
        } catch (const ValdrenPasswordException& refusal) {
            return EnterWithPassword(mode, refusal.what());
        }
    }

    /// The radio wants a password: first the one it took earlier in this document, then the
    /// person's, who has three tries. False when the person cancels (the radio is rebooted).
    bool EnterWithPassword(int mode, std::string refusal) {
        constexpr int kTries = 3;
        std::string password = doc_.acceptedPassword_;
        for (int tries = password.empty() ? 0 : -1; tries < kTries; ++tries) {
            if (tries >= 0) {
                std::string prompt = LoadString(mode == 0 ? IDS_READ_PASSWORD : IDS_WRITE_PASSWORD);
                if (tries > 0) {
                    prompt = refusal + "\n" + prompt; // say why it asks again
                }
                password.clear();
                if (!doc_.ui_.AskText(LoadString(IDS_PLEASE_INPUT), prompt, password)) {
                    if (tries > 0) {
                        // the radio refused what was typed: that stays the result
                        throw ValdrenPasswordException(refusal);
                    }
                    Reboot();
                    return false;
                }
            }
            try {
                if (!control_.host_handshake(port_, mode,
                                             reinterpret_cast<const uint8_t*>(password.data()),
                                             static_cast<int>(password.size()))) {
                    throw ValdrenCpsException(HostFailedText());
                }
                doc_.acceptedPassword_ = password;
                return true;
            } catch (const ValdrenPasswordException& again) {
                refusal = again.what();
                if (tries + 1 >= kTries) {
                    throw;
                }
            }
        }
        return false;
    }

    /// Takes the radio out of programming mode; a port that is gone cannot be asked.
    void Reboot() {
        try {
            control_.host_reboot(port_);
        } catch (const std::exception&) {
        }
    }

    /// A failure shows the error icon; a transfer the person cancelled is only information.
    MessageStyle FailureStyle() const {
        return doc_.lastResult_ == OperationResult::Cancelled ? MessageStyle::Information
                                                              : MessageStyle::Error;
    }

    /// "Host failed!" and what to look at: the radio did not take the handshake.
    std::string HostFailedText() const {
        const std::string model = control_.GetModelName();
        const std::string port = port_.GetPortPath();
        // which radio is on the cable: the command line and the Read Device chooser both ask
        const std::string detect = fmt::format(
            ". To find out which radio answers, run `vdcps detect --port {}` or press Detect "
            "in Read Device",
            port);
        if (port_.BytesHeard() == 0) {
            return fmt::format("Host failed! No answer on {}: check the cable, that the radio "
                               "is on, and that it is a {}{}",
                               port, model, detect);
        }
        return fmt::format("Host failed! The radio on {} answered, but not as a {} does: "
                           "check that it is a {}{}",
                           port, model, model, detect);
    }

    /// A cancel asked for through the progress display ends the operation as cancelled,
    /// whichever step noticed it.
    OperationResult Classify(const ValdrenCpsException& e) const {
        if (e.kind() == FailureKind::Cancelled || cancelRequested_) {
            return OperationResult::Cancelled;
        }
        return e.kind() == FailureKind::Data ? OperationResult::DataError
                                             : OperationResult::RadioError;
    }

    CValdrenCpsDoc& doc_;
    HamCpsControl& control_;
    int mode_;
    CpsSerialPort device_;
    HeardPort port_{device_};
    std::string message_;
    bool cancelRequested_ = false;
    MessageStyle style_ = MessageStyle::Information;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

bool CValdrenCpsDoc::ReadDevice() {
    if (!control_) {
        return false;
    }
    lastResult_ = OperationResult::Success;
    DeviceOperation operation(*this, 0);
    return operation.Run([this](DeviceOperation& op) {
        op.message() = LoadString(IDS_HOST_READ_ALL_DATA);
        ByteVector image;
        if (op.control().ReadAll(op.port(), image, op.message()) < 0) {
            AppendResultLine(op.message(), LoadString(IDS_DATA_NOT_FULLY_READ));
            op.SetStyle(MessageStyle::Error);
            lastResult_ = OperationResult::RadioError;
            return false;
        }
        try {
            import_bin_struct(image);
        } catch (const ValdrenCpsException& e) {
            // an image the radio sent that cannot be this model's is the radio's failure
            throw ValdrenCpsException(e.what(), e.kind() == FailureKind::Data ? FailureKind::Radio
                                                                              : e.kind());
        }
        AppendResultLine(op.message(), LoadString(IDS_DATA_READ_COMPLETED));
        lastReadImage_ = std::move(image);
        return true;
    });
}

void CValdrenCpsDoc::OnEditWriteDevice() {
    if (!control_) {
        return;
    }
    if (!ChooseWritePort(!writeSafety_.dryRun)) {
        return;
    }
    const int content =
        contentOverride_ ? *contentOverride_ : CpsIni::GetInt("Device", "bin_struct_content", 1);
    SafeWrite write(writeSafety_, content);
    RunWrite(write);
}

bool CValdrenCpsDoc::ChooseWritePort(bool askToWrite) {
    DeviceChoice choice;
    if (!ui_.ChooseDevice(2, control_->GetModelName(), choice) ||
        choice.model != control_->GetModelName()) {
        lastResult_ = OperationResult::Cancelled;
        return false;
    }
    if (!choice.port.empty()) {
        chosenPort_ = choice.port;
    }
    if (askToWrite && !ui_.AskYesNo(LoadString(IDS_WRITE_QUESTION))) {
        lastResult_ = OperationResult::Cancelled;
        return false;
    }
    return true;
}

void CValdrenCpsDoc::RunWrite(SafeWrite& write) {
    lastResult_ = OperationResult::Success;
    lastBackupPath_.clear();
    DeviceOperation operation(*this, write.FirstMode(*control_));
    operation.Run([this, &write](DeviceOperation& op) {
        lastResult_ = write.Run(op);
        return lastResult_ == OperationResult::Success;
    });
    lastBackupPath_ = write.BackupPath();
    lastWriteRadio_ = write.RadioImage();
    lastWritePlanned_ = write.PlannedImage();
}

} // namespace vd
