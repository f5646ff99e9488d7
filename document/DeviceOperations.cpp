// Read Device and Write Device: the radio operations of a document, with their result
// messages and the clean-up on every path.
#include "app/CpsIni.h"
#include "app/StringTable.h"
#include "document/CValdrenCpsDoc.h"
#include "document/ProgressSlots.h"
#include "link/CpsSerialPort.h"
#include "link/SerialException.h"
#include "model/Exceptions.h"

#include <chrono>
#include <fmt/format.h>

namespace vd {

/// The frame of one radio operation: the port, the progress slots, the message that is built
/// step by step, and the handling of every failure.
class DeviceOperation {
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
                ProgressConnection progress(control_.progress, control_.notice, doc_.ui_);
                if (!EnterProgrammingMode()) {
                    doc_.lastResult_ = OperationResult::Cancelled;
                    port_.Close();
                    return false; // the password was not given: no message
                }
                result = body(*this);
            }
            doc_.ui_.ShowMessage(message_, style_);
        } catch (const ValdrenCpsException& e) {
            message_ += e.what();
            doc_.lastResult_ = Classify(e.what());
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
            doc_.ui_.ShowMessage(e.GetErrorCode() == 2 ? LoadString(IDS_DEVICE_NOT_FOUND)
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

    HamCpsControl& control() { return control_; }
    ISerialPort& port() { return port_; }
    std::string& message() { return message_; }
    void SetStyle(MessageStyle style) { style_ = style; }
    long long ElapsedMs() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - start_)
            .count();
    }

private:
    /// The handshake, with the password question when the radio wants one. False when the
    /// person did not give the password (the radio is rebooted then).
    bool EnterProgrammingMode() {
        try {
            if (!control_.host_handshake(port_, mode_, nullptr, 0)) {
                throw ValdrenCpsException("Host failed!");
            }
            return true;
        } catch (const ValdrenPasswordException& refusal) {
            return EnterWithPassword(refusal.what());
        }
    }

    /// The radio wants a password: first the one it took earlier in this document, then the
    /// person's, who has three tries. False when the person cancels (the radio is rebooted).
    bool EnterWithPassword(std::string refusal) {
        constexpr int kTries = 3;
        std::string password = doc_.acceptedPassword_;
        for (int tries = password.empty() ? 0 : -1; tries < kTries; ++tries) {
            if (tries >= 0) {
                std::string prompt =
                    LoadString(mode_ == 0 ? IDS_READ_PASSWORD : IDS_WRITE_PASSWORD);
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
                if (!control_.host_handshake(port_, mode_,
                                             reinterpret_cast<const uint8_t*>(password.data()),
                                             static_cast<int>(password.size()))) {
                    throw ValdrenCpsException("Host failed!");
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

    static OperationResult Classify(const std::string& text) {
        if (text == "break!") {
            return OperationResult::Cancelled;
        }
        if (text == "import_bin_struct failed!" || text == "Generate bin failed!") {
            return OperationResult::DataError;
        }
        return OperationResult::RadioError;
    }

    CValdrenCpsDoc& doc_;
    HamCpsControl& control_;
    int mode_;
    CpsSerialPort port_;
    std::string message_;
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
        if (op.control().ReadAll(op.port(), image, op.message()) == -1) {
            op.message() += LoadString(IDS_DATA_NOT_FULLY_READ);
            op.SetStyle(MessageStyle::Error);
            lastResult_ = OperationResult::RadioError;
            return false;
        }
        op.message() += LoadString(IDS_DATA_READ_COMPLETED);
        import_bin_struct(image);
        lastReadImage_ = std::move(image);
        return true;
    });
}

void CValdrenCpsDoc::OnEditWriteDevice() {
    if (!control_) {
        return;
    }
    DeviceChoice choice;
    if (!ui_.ChooseDevice(2, control_->GetModelName(), choice) ||
        choice.model != control_->GetModelName()) {
        lastResult_ = OperationResult::Cancelled;
        return;
    }
    if (!choice.port.empty()) {
        chosenPort_ = choice.port;
    }
    if (!ui_.AskYesNo(LoadString(IDS_WRITE_QUESTION))) {
        lastResult_ = OperationResult::Cancelled;
        return;
    }
    const int content =
        contentOverride_ ? *contentOverride_ : CpsIni::GetInt("Device", "bin_struct_content", 1);
    lastResult_ = OperationResult::Success;
    DeviceOperation operation(*this, 1);
    operation.Run([this, content](DeviceOperation& op) {
        ByteVector image;
        if (!op.control().NeedsNoBaseImage() &&
            !op.control().ReadBaseImage(op.port(), image, LoadString(IDS_HOST_WRITE_ALL_DATA))) {
            // Writing over a radio whose image was not read completely would replace what it
            // holds outside this program's fields by zeros: stop before anything is sent.
            op.message() =
                LoadString(IDS_HOST_WRITE_ALL_DATA) + LoadString(IDS_DATA_NOT_FULLY_READ);
            op.SetStyle(MessageStyle::Error);
            lastResult_ = OperationResult::RadioError;
            return false;
        }
        if (!op.control().GenerateImage(image, content)) {
            throw ValdrenCpsException("Generate bin failed!");
        }
        op.message() = LoadString(IDS_HOST_WRITE_ALL_DATA);
        const int blocks = op.control().WriteAll(op.port(), image, op.message());
        const long long elapsed = op.ElapsedMs();
        if (CpsIni::GetInt("Option", "show_read_write_info", 0) != 0) {
            op.message() = fmt::format("package_count:{}\r\n binsize:{}\r\n UseTime:{}\r\n", blocks,
                                       image.size(), elapsed);
        }
        if (blocks == -1) {
            op.message() += LoadString(IDS_DATA_NOT_FULLY_WRITTEN);
            op.SetStyle(MessageStyle::Error);
            lastResult_ = OperationResult::RadioError;
            return false;
        }
        op.message() += LoadString(IDS_DATA_WRITE_COMPLETED);
        return true;
    });
}

} // namespace vd
