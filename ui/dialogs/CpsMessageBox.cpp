#include "ui/dialogs/CpsMessageBox.h"

#include "app/StringTable.h"

#include <QAbstractButton>
#include <QApplication>

namespace vd {

namespace {

QMessageBox::Icon IconOf(MessageStyle style) {
    switch (style) {
    case MessageStyle::Information:
        return QMessageBox::Information;
    case MessageStyle::Error:
        return QMessageBox::Critical;
    case MessageStyle::Question:
        return QMessageBox::Question;
    case MessageStyle::Warning:
    case MessageStyle::Default:
        break;
    }
    return QMessageBox::Warning;
}

void Caption(QMessageBox& box, QMessageBox::StandardButton which, StringId text) {
    if (QAbstractButton* button = box.button(which)) {
        button->setText(QString::fromStdString(LoadString(text)));
    }
}

} // namespace

QString ApplicationTitle() {
    return QStringLiteral("Valdren CPS");
}

QMessageBox::StandardButton CpsMessageBox(QWidget* owner, const QString& text, MessageStyle style,
                                          QMessageBox::StandardButtons buttons) {
    QMessageBox box(IconOf(style), ApplicationTitle(), text, buttons, owner);
    // application-modal: no other window of the program acts while the question stands
    box.setWindowModality(Qt::ApplicationModal);
    Caption(box, QMessageBox::Yes, IDS_YES);
    Caption(box, QMessageBox::Ok, IDS_OK);
    Caption(box, QMessageBox::No, IDS_NO);
    const int pressed = box.exec();
    if (box.clickedButton() == nullptr) {
        // closed with Esc or the window's close button
        return buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel
               : buttons.testFlag(QMessageBox::No)   ? QMessageBox::No
                                                     : QMessageBox::Ok;
    }
    return static_cast<QMessageBox::StandardButton>(pressed);
}

bool CpsAskYesNo(QWidget* owner, const QString& question) {
    return CpsMessageBox(owner, question, MessageStyle::Question,
                         QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace vd
