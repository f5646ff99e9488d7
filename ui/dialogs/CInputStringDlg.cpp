#include "ui/dialogs/CInputStringDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vd {

CInputStringDlg::CInputStringDlg(const QString& title, const QString& prompt, const QString& text,
                                 QWidget* parent)
    : QDialog(parent), prompt_(new QLabel(prompt, this)), edit_(new QLineEdit(text, this)),
      show_(new QCheckBox(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)),
      text_(text) {
    setWindowTitle(title);
    prompt_->setBuddy(edit_);
    edit_->setEchoMode(QLineEdit::Password);
    edit_->setMinimumWidth(260);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(edit_);
    layout->addWidget(show_);
    layout->addWidget(buttons_);
    connect(show_, &QCheckBox::toggled, this, [this](bool visible) {
        edit_->setEchoMode(visible ? QLineEdit::Normal : QLineEdit::Password);
    });
    connect(buttons_, &QDialogButtonBox::accepted, this, &CInputStringDlg::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &CInputStringDlg::reject);
    Retranslate();
}

void CInputStringDlg::accept() {
    text_ = edit_->text();
    QDialog::accept();
}

void CInputStringDlg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QDialog::changeEvent(event);
}

void CInputStringDlg::Retranslate() {
    show_->setText(tr("&Show"));
    buttons_->button(QDialogButtonBox::Ok)->setText(tr("OK(&O)"));
    buttons_->button(QDialogButtonBox::Cancel)->setText(tr("Cancel(&C)"));
}

} // namespace vd
