#include "ui/dialogs/CConnectionCheckDlg.h"

#include "app/CpsIni.h"
#include "diag/ConnectionDoctor.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vd {

CConnectionCheckDlg::CConnectionCheckDlg(QWidget* parent)
    : QDialog(parent), report_(new QPlainTextEdit(this)),
      again_(new QPushButton(tr("Check Again"), this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Close, this)) {
    setWindowTitle(tr("Connection Check"));
    report_->setReadOnly(true);
    report_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    report_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    buttons_->addButton(again_, QDialogButtonBox::ActionRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(report_);
    layout->addWidget(buttons_);
    resize(720, 360);
    connect(again_, &QPushButton::clicked, this, &CConnectionCheckDlg::RunChecks);
    connect(buttons_, &QDialogButtonBox::rejected, this, &CConnectionCheckDlg::reject);
}

QString CConnectionCheckDlg::Report() const {
    return report_->toPlainText();
}

void CConnectionCheckDlg::RunChecks() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::string port = CpsIni::GetString("Device", "port", "");
    QStringList lines;
    for (const DoctorCheck& check : run_connection_checks(port, live_system(), true)) {
        lines << QString::fromStdString(format_check(check));
    }
    report_->setPlainText(lines.join('\n'));
    QApplication::restoreOverrideCursor();
}

void CConnectionCheckDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!ran_) {
        ran_ = true;
        RunChecks();
    }
}

} // namespace vd
