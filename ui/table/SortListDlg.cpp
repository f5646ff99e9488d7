#include "ui/table/SortListDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vd {

SortListDlg::SortListDlg(const QStringList& columns, QWidget* parent)
    : QDialog(parent), column_(new QComboBox(this)),
      ascending_(new QRadioButton(tr("&Ascending"), this)),
      descending_(new QRadioButton(tr("&Descending"), this)) {
    setWindowTitle(tr("Sort List"));
    column_->addItems(columns);
    ascending_->setChecked(true);
    auto* form = new QFormLayout;
    form->addRow(tr("Sort the records by:"), column_);
    auto* directions = new QVBoxLayout;
    directions->addWidget(ascending_);
    directions->addWidget(descending_);
    form->addRow(tr("Order:"), directions);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void SortListDlg::SetChoice(int column, bool ascending) {
    column_->setCurrentIndex(column);
    (ascending ? ascending_ : descending_)->setChecked(true);
}

int SortListDlg::Column() const {
    return column_->currentIndex();
}

bool SortListDlg::Ascending() const {
    return ascending_->isChecked();
}

} // namespace vd
