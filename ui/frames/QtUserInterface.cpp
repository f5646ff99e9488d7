#include "ui/frames/QtUserInterface.h"

#include "document/CValdrenCpsDoc.h"
#include "ui/dialogs/CChooseRegCpsDlg.h"
#include "ui/dialogs/CInputStringDlg.h"
#include "ui/dialogs/COptionDlg.h"
#include "ui/dialogs/CProcTip2Dlg.h"
#include "ui/dialogs/CpsMessageBox.h"
#include "ui/dialogs/PortText.h"
#include "ui/frames/COutputWnd.h"
#include "ui/frames/FrameInterfaces.h"
#include "ui/frames/UiConstants.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QTime>

namespace vd {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

/// The progress dialog of one operation, made when the first step arrives.
class DialogProgressDisplay : public IProgressDisplay {
public:
    explicit DialogProgressDisplay(QWidget* parent) : parent_(parent) {}

    bool Show(const std::string& text, bool pump) override {
        if (!dialog_) {
            dialog_ = std::make_unique<CProcTip2Dlg>(parent_);
        }
        return dialog_->Step(Q(text), pump);
    }

private:
    QPointer<QWidget> parent_;
    std::unique_ptr<CProcTip2Dlg> dialog_;
};

/// A file dialog of the program's own kind (the filter given as "text|pattern||").
bool RunFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, const std::string& extension,
                   const std::string& filter, std::string& path) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(Q(FileDialogFilter(filter)));
    dialog.setDefaultSuffix(Q(extension));
    dialog.setOption(QFileDialog::ReadOnly, mode == QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    path = dialog.selectedFiles().constFirst().toStdString();
    return true;
}

} // namespace

QtUserInterface::QtUserInterface(QWidget* dialogParent, IChildFrame* frame)
    : dialogParent_(dialogParent), frame_(frame) {}

QWidget* QtUserInterface::Parent() const {
    return dialogParent_.data();
}

bool QtUserInterface::ChooseDevice(int mode, const std::string& presetModel, DeviceChoice& choice) {
    CChooseRegCpsDlg dialog(mode, Q(presetModel), Parent());
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    choice.model = dialog.ModelName().toStdString();
    choice.port = dialog.PortSetting().toStdString();
    return true;
}

bool QtUserInterface::AskText(const std::string& title, const std::string& prompt,
                              std::string& text) {
    CInputStringDlg dialog(Q(title), Q(prompt), Q(text), Parent());
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    text = dialog.Text().toStdString();
    return true;
}

bool QtUserInterface::AskYesNo(const std::string& question) {
    QString text = Q(question);
    // a question about the radio says which radio: "GX5 on COM3"
    if (frame_ && frame_->GetDocument().Control()) {
        const CValdrenCpsDoc& document = frame_->GetDocument();
        text += QLatin1Char('\n') + QCoreApplication::translate("vd::QtUserInterface", "%1 on %2")
                                        .arg(Q(document.Control()->GetModelName()),
                                             Q(PortSettingToDisplay(document.PortSetting())));
    }
    return CpsAskYesNo(Parent(), text);
}

void QtUserInterface::ShowMessage(const std::string& text, MessageStyle style) {
    // the result stays readable in the output pane, with its time, after the box is closed
    const QString time = QTime::currentTime().toString(QStringLiteral("HH:mm:ss "));
    for (const QString& line : Q(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        AppendOutputLine(time.toStdString() + line.trimmed().toStdString());
    }
    CpsMessageBox(Parent(), Q(text), style);
}

bool QtUserInterface::ChooseOpenFile(const std::string& extension, const std::string& filter,
                                     std::string& path) {
    return RunFileDialog(Parent(), QFileDialog::AcceptOpen, extension, filter, path);
}

bool QtUserInterface::ChooseSaveFile(const std::string& extension, const std::string& filter,
                                     std::string& path) {
    return RunFileDialog(Parent(), QFileDialog::AcceptSave, extension, filter, path);
}

bool QtUserInterface::ShowPortOptions() {
    COptionDlg dialog(Parent());
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<IProgressDisplay> QtUserInterface::CreateProgressDisplay() {
    return std::make_unique<DialogProgressDisplay>(Parent());
}

void QtUserInterface::AppendOutputLine(const std::string& line) {
    if (frame_ && frame_->OutputPane()) {
        frame_->OutputPane()->AddLine(Q(line));
    }
}

void QtUserInterface::ImageImported() {
    if (frame_) {
        frame_->PostFrameMessage(ui::WM_REBUILD_TREE, 0);
    }
}

} // namespace vd
