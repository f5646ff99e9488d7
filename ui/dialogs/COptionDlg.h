#pragma once
#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGridLayout;
class QLabel;

namespace vd {

/// The port option dialog: an editable port box offering the machine's serial ports, so a
/// device path such as /dev/pts/3 can also be typed, and the "Fast transfer" check box. OK stores
/// them in `Device`/`port` and `Device`/`fast_link`.
class COptionDlg : public QDialog {
    Q_OBJECT
public:
    /// Builds the dialog with the stored port shown ("COM1" when none is stored).
    explicit COptionDlg(QWidget* parent = nullptr);

    /// The port as stored on OK: "3" for COM3, or a device path.
    QString PortSetting() const { return portSetting_; }
    /// The port box, for the chooser and for tests.
    QComboBox* PortBox() const { return portBox_; }
    /// The "Fast transfer" check box.
    QCheckBox* FastBox() const { return fastBox_; }

public slots:
    /// Stores the port and closes the dialog.
    void accept() override;

protected:
    void changeEvent(QEvent* event) override;
    /// Sets every text in the current language.
    virtual void Retranslate();
    /// The grid that holds the labels and boxes; the chooser adds its model row to it.
    QGridLayout* Grid() const { return grid_; }
    /// The label of the port box.
    QLabel* PortLabel() const { return portLabel_; }
    /// The port the person chose: the device of a listed entry, else the typed text.
    QString ChosenPortText() const;

private:
    QGridLayout* grid_;
    QLabel* portLabel_;
    QComboBox* portBox_;
    QCheckBox* fastBox_;
    QDialogButtonBox* buttons_;
    QString portSetting_;
};

} // namespace vd
