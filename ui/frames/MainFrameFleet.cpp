// Device → Program Several Radios…: opens the fleet window for the current project.
#include "ui/dialogs/FleetDlg.h"
#include "ui/frames/CChildFrame.h"
#include "ui/frames/CMainFrame.h"

#include <QMessageBox>

namespace vd {

void CMainFrame::OnProgramFleet() {
    CChildFrame* frame = CurrentFrame();
    const std::string path = frame ? frame->GetDocument().PathName() : std::string();
    if (path.empty()) {
        // every radio opens its own copy from the file, so the project must be saved
        QMessageBox::information(this, tr("Program Several Radios"),
                                 tr("Save the project first: every radio is written from the "
                                    "saved project file."));
        return;
    }
    auto* dialog = new FleetDlg(QString::fromStdString(path), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

} // namespace vd
