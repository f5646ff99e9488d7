#pragma once
#include <QStyledItemDelegate>

namespace vd {

class GridControl;
struct GridCell;

/// Base of the delegates of the grid's cell kinds: greys disabled cells and gives the
/// router access to the event handling that Qt keeps protected.
class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    /// A delegate that ends its edits through grid.
    explicit CellDelegate(GridControl& grid, QObject* parent = nullptr);

    /// Lets the router pass mouse and key events of a cell to this delegate.
    bool HandleEditorEvent(QEvent* event, QAbstractItemModel* model,
                           const QStyleOptionViewItem& option, const QModelIndex& index);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    /// The cell behind a model index.
    const GridCell& CellAt(const QModelIndex& index) const;
    /// Whether the person may change the cell now.
    bool CanChange(const QModelIndex& index) const;

    GridControl& grid_;
};

} // namespace vd
