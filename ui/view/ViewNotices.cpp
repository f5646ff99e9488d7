// What the view tells the person about changes it made on its own: moved values, band
// changes and the references a deletion clears.
#include "document/BandChange.h"
#include "document/CValdrenCpsDoc.h"
#include "ui/panes/CFunctionPane.h"
#include "ui/panes/CShortlistPane.h"
#include "ui/table/CListTableView.h"
#include "ui/view/CValdrenCpsView.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTime>

namespace vd {

void CValdrenCpsView::Notice(const QString& text) {
    frame_.AddOutputLine(QTime::currentTime().toString(QStringLiteral("HH:mm:ss ")) + text);
    emit Noticed(text);
    if (auto* main = qobject_cast<QMainWindow*>(window())) {
        main->statusBar()->showMessage(text, 15000);
    }
}

void CValdrenCpsView::ShowReading(bool reading) {
    QString port = QString::fromStdString(frame_.GetDocument().PortSetting());
    bool number = false;
    port.toInt(&number);
    if (number) {
        port.prepend(QStringLiteral("COM"));
    }
    reading_->setText(tr("Reading from %1…").arg(port));
    reading_->setVisible(reading);
    if (reading) {
        grid_->hide();
        table_->hide();
    } else if (IsTableShown()) {
        table_->show();
    } else {
        grid_->show();
    }
    for (QWidget* pane : {static_cast<QWidget*>(frame_.FunctionPane()),
                          static_cast<QWidget*>(frame_.ShortlistPane())}) {
        if (pane) {
            pane->setVisible(!reading);
        }
    }
}

bool CValdrenCpsView::ConfirmBandChange(const BandChange& plan) {
    const QString range = QStringLiteral("%1%2%3").arg(
        QString::number(static_cast<double>(plan.lower) / 1e6), QChar(0x2013),
        QString::number(static_cast<double>(plan.upper) / 1e6));
    const QString question =
        tr("Changing the band moves the frequencies of %1 channels into %2 MHz. Continue?")
            .arg(plan.ChannelCount())
            .arg(range);
    return Message(question, MessageStyle::Question, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void CValdrenCpsView::ReportBandChange(HamCpsControl& control, const BandChange& plan) {
    for (const MovedFrequency& move : MovedAfterChange(control, plan)) {
        Notice(tr("Moved %1").arg(QString::fromStdString(DescribeMove(move))));
    }
}

} // namespace vd
