#pragma once
#include "document/IUserInterface.h"

#include <QMessageBox>
#include <QString>
#include <functional>

namespace vd {

/// How the view and its panes show a message box; the program's routine by default, a
/// recorder in tests.
using MessageBoxFn = std::function<QMessageBox::StandardButton(
    QWidget* owner, const QString& text, MessageStyle style, QMessageBox::StandardButtons buttons)>;

/// The program's own message box routine.
MessageBoxFn ProgramMessageBox();

} // namespace vd
