#pragma once
#include "ui/grid/CellDelegate.h"

#include <array>

namespace vd {

/// The one delegate the table sees: hands every call to the delegate of the cell's kind,
/// so that each kind's behaviour lives in its own class.
class CellDelegateRouter : public QStyledItemDelegate {
    Q_OBJECT
public:
    /// Makes the four kinds' delegates, which end their edits through grid.
    explicit CellDelegateRouter(GridControl& grid, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    CellDelegate* For(const QModelIndex& index) const;

    std::array<CellDelegate*, 4> delegates_{}; // by CellKind, owned as children
};

} // namespace vd
