#include "ui/dialogs/CChooseRegCpsDlg.h"

#include "app/CpsIni.h"
#include "app/ModelRegistry.h"
#include "app/StringTable.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace vd {

CChooseRegCpsDlg::CChooseRegCpsDlg(int mode, const QString& presetModel, QWidget* parent)
    : COptionDlg(parent), mode_(mode), modelLabel_(new QLabel(this)),
      modelBox_(new QComboBox(this)) {
    modelLabel_->setBuddy(modelBox_);
    Grid()->addWidget(modelLabel_, 1, 0);
    Grid()->addWidget(modelBox_, 1, 1);

    const bool showPort = mode != ModeNew;
    const bool showModel = mode != ModeWrite;
    PortLabel()->setVisible(showPort);
    PortBox()->setVisible(showPort);
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

void CChooseRegCpsDlg::Retranslate() {
    COptionDlg::Retranslate();
    modelLabel_->setText(tr("Model:"));
    const StringId title = mode_ == ModeNew     ? IDS_NEW_OPTION
                           : mode_ == ModeWrite ? IDS_WRITE_OPTION
                                                : IDS_READ_OPTION;
    setWindowTitle(QString::fromStdString(LoadString(title)));
}

} // namespace vd
