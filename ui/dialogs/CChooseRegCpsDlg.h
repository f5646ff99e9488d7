#pragma once
#include "ui/dialogs/COptionDlg.h"

class QPushButton;

namespace vd {

/// The model and port chooser of a new document (mode 0: model only), of Read Device and
/// Read Bin File (mode 1: both) and of Write Device (mode 2: port only, model preset). OK
/// stores the model's index in `Device`/`model` and the port in `Device`/`port`.
class CChooseRegCpsDlg : public COptionDlg {
    Q_OBJECT
public:
    /// Modes of the chooser.
    enum Mode { ModeNew = 0, ModeRead = 1, ModeWrite = 2 };

    /// Builds the chooser; a preset model selects the first model whose name begins with it
    /// (any letter case), else the model stored in `Device`/`model` is selected.
    CChooseRegCpsDlg(int mode, const QString& presetModel, QWidget* parent = nullptr);

    /// The chosen model name after OK.
    QString ModelName() const { return modelName_; }
    /// The model box, for tests.
    QComboBox* ModelBox() const { return modelBox_; }
    /// The "Detect" button, shown when reading a radio.
    QPushButton* DetectButton() const { return detect_; }

public slots:
    /// Stores the model index, then the port, and closes the dialog.
    void accept() override;
    /// Asks the radio on the chosen port which model it is and selects that model.
    void Detect();

protected:
    void Retranslate() override;

private:
    int mode_;
    QLabel* modelLabel_;
    QComboBox* modelBox_;
    QPushButton* detect_;
    QString modelName_;
};

} // namespace vd
