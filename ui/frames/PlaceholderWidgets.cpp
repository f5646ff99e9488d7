#include "ui/frames/PlaceholderWidgets.h"

#include "ui/frames/UiConstants.h"

#include <QTimerEvent>

namespace vd {

CValdrenCpsView::CValdrenCpsView(IChildFrame& frame, QWidget* parent)
    : QLabel(QStringLiteral("no view"), parent), frame_(frame) {
    setAlignment(Qt::AlignCenter);
}

void CValdrenCpsView::StartReadDeviceTimer() {
    readDeviceTimer_.start(ui::kReadDeviceDelayMs, this);
}

void CValdrenCpsView::timerEvent(QTimerEvent* event) {
    if (event->timerId() != readDeviceTimer_.timerId()) {
        QLabel::timerEvent(event);
        return;
    }
    readDeviceTimer_.stop();
    frame_.RunReadDevice();
}

CFunctionPane::CFunctionPane(IChildFrame&, QWidget* parent)
    : QLabel(QStringLiteral("no tree"), parent) {}

CShortlistPane::CShortlistPane(IChildFrame&, QWidget* parent)
    : QLabel(QStringLiteral("no shortlist"), parent) {}

} // namespace vd
