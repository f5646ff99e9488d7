#include "ui/dialogs/CChooseRegCpsDlg.h"

#include "app/CpsIni.h"
#include "app/ModelRegistry.h"
#include "app/StringTable.h"

#include "diag/RadioDetect.h"
#include "link/SerialException.h"
#include "ui/dialogs/CpsMessageBox.h"
#include "ui/dialogs/PortText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace vd {

CChooseRegCpsDlg::CChooseRegCpsDlg(int mode, const QString& presetModel, QWidget* parent)
    : COptionDlg(parent), mode_(mode), modelLabel_(new QLabel(this)),
      modelBox_(new QComboBox(this)), detect_(new QPushButton(this)) {
    modelLabel_->setBuddy(modelBox_);
    Grid()->addWidget(modelLabel_, 1, 0);
    Grid()->addWidget(modelBox_, 1, 1);
    Grid()->addWidget(detect_, 1, 2);
    detect_->setVisible(mode == ModeRead);
    connect(detect_, &QPushButton::clicked, this, &CChooseRegCpsDlg::Detect);

    const bool showPort = mode != ModeNew;
    const bool showModel = mode != ModeWrite;
    PortLabel()->setVisible(showPort);
    PortBox()->setVisible(showPort);
    FastBox()->setVisible(showPort);
    modelLabel_->setVisible(showModel);
    modelBox_->setVisible(showModel);

    for (const std::string& name : ModelRegistry::ModelNames()) {
        modelBox_->addItem(QString::fromStdString(name));
    }
    int selected = -1;
    if (!presetModel.isEmpty()) {
        for (int i = 0; i < modelBox_->count() && selected < 0; ++i) {
            if (modelBox_->itemText(i).startsWith(presetModel, Qt::CaseInsensitive)) {
                selected = i;
            }
        }
    }
    if (selected < 0) {
        selected = CpsIni::GetInt("Device", "model", 0);
        // an index from another version of the model list selects the first model rather
        // than nothing, which would make OK choose no model at all
        if (selected < 0 || selected >= modelBox_->count()) {
            selected = 0;
        }
    }
    modelBox_->setCurrentIndex(selected);
    Retranslate();
}

void CChooseRegCpsDlg::accept() {
    modelName_ = modelBox_->currentText();
    CpsIni::WriteInt("Device", "model", modelBox_->currentIndex());
    COptionDlg::accept();
}

void CChooseRegCpsDlg::Detect() {
    const std::string port = PortDisplayToSetting(ChosenPortText().toStdString());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString failure;
    try {
        if (const auto model = detect_radio(port)) {
            modelBox_->setCurrentIndex(modelBox_->findText(QString::fromStdString(*model)));
        } else {
            failure = tr("No radio answered on %1. Check the cable, that the radio is on, and "
                         "Help → Connection Check...")
                          .arg(QString::fromStdString(port));
        }
    } catch (const CSerialException& error) {
        failure = QString::fromStdString(error.what());
    }
    QApplication::restoreOverrideCursor();
    if (!failure.isEmpty()) {
        CpsMessageBox(this, failure, MessageStyle::Warning);
    }
}

void CChooseRegCpsDlg::Retranslate() {
    COptionDlg::Retranslate();
    modelLabel_->setText(tr("Model:"));
    detect_->setText(tr("Detect"));
    detect_->setToolTip(tr("Ask the radio on the port which model it is"));
    const StringId title = mode_ == ModeNew     ? IDS_NEW_OPTION
                           : mode_ == ModeWrite ? IDS_WRITE_OPTION
                                                : IDS_READ_OPTION;
    setWindowTitle(QString::fromStdString(LoadString(title)));
}

} // namespace vd
