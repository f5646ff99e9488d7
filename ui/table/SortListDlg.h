#pragma once
#include <QDialog>
#include <QStringList>

class QComboBox;
class QRadioButton;

namespace vd {

/// Edit → Sort List...: the column to sort the records by and the direction.
class SortListDlg : public QDialog {
    Q_OBJECT
public:
    /// A dialog offering the columns of a list table, by their headers.
    explicit SortListDlg(const QStringList& columns, QWidget* parent = nullptr);

    /// Preselects a column and direction (those the header shows).
    void SetChoice(int column, bool ascending);
    /// The column chosen.
    int Column() const;
    /// Whether the order is ascending.
    bool Ascending() const;

private:
    QComboBox* column_;
    QRadioButton* ascending_;
    QRadioButton* descending_;
};

} // namespace vd
