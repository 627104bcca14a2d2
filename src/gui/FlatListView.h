#pragma once

#include <QTreeView>

namespace morvalent::gui {

// The list's view: a flat tree view of uniform rows. An edit tells a change of
// every row at once; the base view would look at each of them for its height and
// children, which on a flat list of equal rows can only come out the same, so a
// change of many rows repaints what is visible instead.
class FlatListView : public QTreeView {
    Q_OBJECT
  public:
    using QTreeView::QTreeView;

  protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
};

}  // namespace morvalent::gui
