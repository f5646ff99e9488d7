#include "ui/dialogs/COptionDlg.h"

#include "app/AppPaths.h"
#include "app/CpsIni.h"
#include "app/StringTable.h"
#include "link/PortList.h"
#include "ui/dialogs/CpsMessageBox.h"
#include "ui/dialogs/PortText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vd {

namespace {

QString Text(StringId id) {
    return QString::fromStdString(LoadString(id));
}

} // namespace

COptionDlg::COptionDlg(QWidget* parent)
    : QDialog(parent), grid_(new QGridLayout), portLabel_(new QLabel(this)),
      portBox_(new QComboBox(this)), fastBox_(new QCheckBox(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    portBox_->setEditable(true);
    portBox_->setInsertPolicy(QComboBox::NoInsert);
    portBox_->setMinimumContentsLength(28);
    portBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    portLabel_->setBuddy(portBox_);
    for (const PortInfo& port : list_ports()) {
        portBox_->addItem(QString::fromStdString(describe_port(port)),
                          QString::fromStdString(device_to_port_setting(port.name)));
    }
    portBox_->setCurrentIndex(-1);
    portBox_->setEditText(
        QString::fromStdString(PortSettingToDisplay(CpsIni::GetString("Device", "port", "1"))));

    grid_->addWidget(portLabel_, 0, 0);
    grid_->addWidget(portBox_, 0, 1);
    grid_->setColumnStretch(1, 1);
    setMinimumWidth(340);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid_);
    fastBox_->setChecked(CpsIni::GetInt("Device", "fast_link", 0) != 0);
    layout->addWidget(fastBox_);
    layout->addStretch(1);
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &COptionDlg::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &COptionDlg::reject);
    Retranslate();
}

QString COptionDlg::ChosenPortText() const {
    const QString text = portBox_->currentText().trimmed();
    // an entry of the list shows a description; what is stored is its device
    const int index = portBox_->findText(text, Qt::MatchExactly);
    if (index >= 0) {
        return portBox_->itemData(index).toString();
    }
    return text;
}

void COptionDlg::accept() {
    portSetting_ = QString::fromStdString(PortDisplayToSetting(ChosenPortText().toStdString()));
    if (!CpsIni::WriteString("Device", "port", portSetting_.toStdString()) ||
        !CpsIni::WriteInt("Device", "fast_link", fastBox_->isChecked() ? 1 : 0)) {
        // the port still applies to the operation that asked; only its memory is lost
        CpsMessageBox(this,
                      tr("The setting could not be saved in %1.")
                          .arg(QString::fromStdString(AppPaths::IniPath())),
                      MessageStyle::Warning);
    }
    QDialog::accept();
}

void COptionDlg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QDialog::changeEvent(event);
}

void COptionDlg::Retranslate() {
    setWindowTitle(Text(IDS_OPTION_TITLE));
    portLabel_->setText(Text(IDS_PORT_LABEL));
    fastBox_->setText(tr("Fast transfer"));
    fastBox_->setToolTip(tr("End each exchange as soon as the radio's answer is complete"));
    buttons_->button(QDialogButtonBox::Ok)->setText(Text(IDS_OK_BUTTON));
    buttons_->button(QDialogButtonBox::Cancel)->setText(Text(IDS_CANCEL_BUTTON));
}

} // namespace vd
