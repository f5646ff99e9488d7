#pragma once
#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace vd {

/// Asks for one text, such as the radio's read or write password. The text is masked, with
/// a check box that shows it, because the dialog is used for passwords.
class CInputStringDlg : public QDialog {
    Q_OBJECT
public:
    /// Builds the dialog with its window title, prompt and initial text.
    CInputStringDlg(const QString& title, const QString& prompt, const QString& text,
                    QWidget* parent = nullptr);

    /// The text after OK.
    QString Text() const { return text_; }
    /// The edit box, for tests.
    QLineEdit* Edit() const { return edit_; }
    /// The "Show" check box, for tests.
    QCheckBox* ShowBox() const { return show_; }

public slots:
    /// Reads the text back and closes the dialog.
    void accept() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();

    QLabel* prompt_;
    QLineEdit* edit_;
    QCheckBox* show_;
    QDialogButtonBox* buttons_;
    QString text_;
};

} // namespace vd
