#pragma once
#include "document/IUserInterface.h"

#include <QMessageBox>
#include <QString>

namespace vd {

/// The caption of every message box: the application title.
QString ApplicationTitle();

/// The one message box of the program. Without an icon from the caller (MessageStyle::Default)
/// it shows the warning icon; Yes, OK and No carry the texts of strings 308, 307 and 309 in the
/// current language; the caption is the application title. Other windows take no input while
/// it is shown. Returns the button pressed (Cancel or No when the box was closed otherwise).
QMessageBox::StandardButton CpsMessageBox(QWidget* owner, const QString& text,
                                          MessageStyle style = MessageStyle::Default,
                                          QMessageBox::StandardButtons buttons = QMessageBox::Ok);

/// Asks a question with Yes and No and the question icon; true for Yes.
bool CpsAskYesNo(QWidget* owner, const QString& question);

} // namespace vd
