#include "gui/FlatListView.h"

namespace morvalent::gui {

void FlatListView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                               const QList<int>& roles) {
    if (!uniformRowHeights() || !topLeft.isValid() || !bottomRight.isValid() ||
        topLeft.row() == bottomRight.row()) {
        QTreeView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    // The first row as the base view would take it (it keeps the common row height
    // up to date from there), then every visible row repainted.
    QTreeView::dataChanged(topLeft, topLeft.siblingAtColumn(bottomRight.column()), roles);
    viewport()->update();
}

}  // namespace morvalent::gui
