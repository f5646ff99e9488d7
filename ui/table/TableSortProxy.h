#pragma once
#include <QCollator>
#include <QSortFilterProxyModel>

namespace vd {

/// The order and filter of a list table on screen only: numbers compare as numbers
/// ("99.5" before "145.0"), texts without regard to case, check boxes by their state; a row
/// passes the filter when any of its cells' texts holds the filter text.
class TableSortProxy : public QSortFilterProxyModel {
    Q_OBJECT
public:
    /// A proxy over a GridModel (set through GridControl::SetSortFilterModel).
    explicit TableSortProxy(QObject* parent = nullptr);

    /// Rows whose cells do not hold text (any case) are hidden; empty text shows every row.
    void SetFilterText(const QString& text);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QCollator collator_;
    QString filter_;
};

} // namespace vd
