#include "ui/view/ViewMessageBox.h"

#include "ui/dialogs/CpsMessageBox.h"

namespace vd {

MessageBoxFn ProgramMessageBox() {
    return [](QWidget* owner, const QString& text, MessageStyle style,
              QMessageBox::StandardButtons buttons) {
        return CpsMessageBox(owner, text, style, buttons);
    };
}

} // namespace vd
