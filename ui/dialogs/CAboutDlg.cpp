#include "ui/dialogs/CAboutDlg.h"

#include "ui/frames/AppIcon.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#ifndef VALDREN_VERSION
#define VALDREN_VERSION "1.0"
#endif

namespace vd {

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent), name_(new QLabel(this)),
      version_(new QLabel(QStringLiteral(VALDREN_VERSION), this)), product_(new QLabel(this)),
      ok_(new QPushButton(this)) {
    auto* icon = new QLabel(this);
    icon->setPixmap(AppIcon().pixmap(48, 48));
    auto* name = new QHBoxLayout;
    name->setSpacing(6);
    name->addWidget(name_);
    name->addWidget(version_);
    name->addStretch(1);
    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addLayout(name, 0, 1);
    layout->addWidget(product_, 1, 1);
    layout->addWidget(ok_, 2, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &CAboutDlg::accept);
    Retranslate();
}

void CAboutDlg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QDialog::changeEvent(event);
}

void CAboutDlg::Retranslate() {
    setWindowTitle(tr("About Valdren CPS"));
    name_->setText(tr("Valdren CPS, Version"));
    product_->setText(tr("Programming software for Valdren hand-held radios"));
    ok_->setText(tr("OK"));
}

} // namespace vd
