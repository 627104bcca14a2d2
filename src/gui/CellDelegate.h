#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QStyledItemDelegate>
#include <memory>

namespace morvalent::gui {

// Draws the list's cells: paths are cut in the middle, where rows differ, and a
// cell whose text does not fit shows its whole text as a tooltip; in a new name
// the part that changed stands out (ListModel::kChangeRole).
class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The whole text of the cell when its column cuts it; empty when it fits.
    QString CutText(const QStyleOptionViewItem& option, const QModelIndex& index) const;
    // The text as the cell shows it; a path too long for its column keeps its first
    // folder and as many of its last folders as fit ("/tmp/…/사진/2020").
    QString ShownText(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
    // A changed new name shows its changed part emphasised, and a sign when the
    // change would not be seen.
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

  private:
    // The room the cell's text has, in pixels.
    static int TextWidth(const QStyleOptionViewItem& cell);

    // The emphasised part's font, made for the cells' font.
    mutable QFont boldFor_;
    mutable QFont bold_;
    mutable std::unique_ptr<QFontMetrics> boldMetrics_;
};

}  // namespace morvalent::gui
