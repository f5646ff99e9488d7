#include "ui/dialogs/CProcTip2Dlg.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vd {

CProcTip2Dlg::CProcTip2Dlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      text_(new QLabel(this)), cancel_(new QPushButton(this)) {
    // While a transfer runs nothing else of the program may act: a command arriving during
    // the event handling of a step would run in the middle of the transfer.
    setWindowModality(Qt::ApplicationModal);
    text_->setAlignment(Qt::AlignCenter);
    text_->setMinimumWidth(320);
    text_->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
    connect(cancel_, &QPushButton::clicked, this, &CProcTip2Dlg::reject);
    Retranslate();
}

bool CProcTip2Dlg::Step(const QString& text, bool pump) {
    cancelled_ = false;
    text_->setText(text);
    if (!shown_) {
        shown_ = true;
        adjustSize();
        if (QWidget* owner = parentWidget()) {
            move(owner->window()->geometry().center() - rect().center());
        }
        show();
        raise();
    }
    if (pump) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return cancelled_;
}

QString CProcTip2Dlg::Text() const {
    return text_->text();
}

void CProcTip2Dlg::reject() {
    cancelled_ = true;
    hide();
}

void CProcTip2Dlg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QDialog::changeEvent(event);
}

void CProcTip2Dlg::Retranslate() {
    if (text_->text().isEmpty()) {
        text_->setText(tr("processing..."));
    }
    cancel_->setText(tr("Cancel(&C)"));
    setWindowTitle(QStringLiteral(" "));
}

} // namespace vd
