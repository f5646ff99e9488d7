#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

namespace vd {

/// The About box: program icon, name and version.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    /// Builds the box.
    explicit CAboutDlg(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();

    QLabel* name_;
    QLabel* version_;
    QLabel* product_;
    QPushButton* ok_;
};

} // namespace vd
