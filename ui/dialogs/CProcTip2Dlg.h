#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

namespace vd {

/// The progress dialog of one radio or file operation: a line of text and Cancel. The
/// operation runs on the window thread, so the dialog lets pending events run at each step
/// it is told to; that is when a press of Cancel is seen.
class CProcTip2Dlg : public QDialog {
    Q_OBJECT
public:
    /// Builds the dialog hidden; the first step shows it centred over parent.
    explicit CProcTip2Dlg(QWidget* parent = nullptr);

    /// One progress step: clears the cancel flag, shows the dialog if it is not shown yet,
    /// shows text and, with pump, handles pending events. Returns true when Cancel was
    /// pressed meanwhile.
    bool Step(const QString& text, bool pump);
    /// The text shown.
    QString Text() const;
    /// The Cancel button, for tests.
    QPushButton* CancelButton() const { return cancel_; }

public slots:
    /// Cancel: sets the flag and closes the dialog.
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();

    QLabel* text_;
    QPushButton* cancel_;
    bool cancelled_ = false;
    bool shown_ = false;
};

} // namespace vd
