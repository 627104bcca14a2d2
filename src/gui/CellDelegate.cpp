#include "gui/CellDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>

#include "filelist/Columns.h"

namespace morvalent::gui {

void CellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    // Paths of one list start alike; their ends tell the rows apart.
    if (index.column() == filelist::ColFolder || index.column() == filelist::ColFullPath) {
        option->textElideMode = Qt::ElideMiddle;
    }
}

QString CellDelegate::CutText(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    if (cell.text.isEmpty()) return {};
    const QWidget* widget = cell.widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget);
    // The style keeps a margin on each side of the text inside that rectangle.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &cell, widget) + 1;
    if (cell.fontMetrics.horizontalAdvance(cell.text) <= textRect.width() - 2 * margin) return {};
    return cell.text;
}

bool CellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                             const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event == nullptr || view == nullptr || event->type() != QEvent::ToolTip) {
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    QString tip = CutText(option, index);
    const QString own = index.data(Qt::ToolTipRole).toString();
    if (!own.isEmpty()) tip = tip.isEmpty() ? own : tip + QLatin1Char('\n') + own;
    if (tip.isEmpty()) {
        QToolTip::hideText();
        return true;
    }
    // Shown as plain text: a name is never markup.
    QToolTip::showText(event->globalPos(), Qt::convertFromPlainText(tip), view->viewport(),
                       option.rect);
    return true;
}

}  // namespace morvalent::gui
