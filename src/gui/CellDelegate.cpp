#include "gui/CellDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

#include "filelist/Columns.h"
#include "gui/QtText.h"
#include "platform/Path.h"

namespace morvalent::gui {

namespace {

bool IsPathColumn(int column) {
    return column == filelist::ColFolder || column == filelist::ColFullPath;
}

// The path with its middle folders replaced by "…", keeping the first folder and
// the most of its end that fits; empty when not even its last name fits so.
QString ElidePath(const QString& path, const QFontMetrics& metrics, int width) {
    const QChar separator(platform::kPathSeparator);
    const QString ellipsis(QChar(0x2026));
    const int headEnd = path.indexOf(separator, 1);
    if (headEnd < 0) return {};
    const QString head = path.left(headEnd + 1);
    // Tails from the longest to the shortest, each starting after a separator.
    for (int cut = path.indexOf(separator, headEnd + 1); cut >= 0 && cut + 1 < path.size();
         cut = path.indexOf(separator, cut + 1)) {
        const QString shown = head + ellipsis + path.mid(cut);
        if (metrics.horizontalAdvance(shown) <= width) return shown;
    }
    return {};
}

}  // namespace

void CellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!IsPathColumn(index.column())) return;
    // Paths of one list start alike; their ends tell the rows apart.
    option->textElideMode = Qt::ElideMiddle;
    const int width = TextWidth(*option);
    if (width <= 0 || option->fontMetrics.horizontalAdvance(option->text) <= width) return;
    const QString shown = ElidePath(option->text, option->fontMetrics, width);
    if (!shown.isEmpty()) option->text = shown;
}

int CellDelegate::TextWidth(const QStyleOptionViewItem& cell) {
    const QWidget* widget = cell.widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget);
    // The style keeps a margin on each side of the text inside that rectangle.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &cell, widget) + 1;
    return textRect.width() - 2 * margin;
}

QString CellDelegate::ShownText(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    return cell.text;
}

QString CellDelegate::CutText(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    QStyledItemDelegate::initStyleOption(&cell, index);
    if (cell.text.isEmpty() || cell.fontMetrics.horizontalAdvance(cell.text) <= TextWidth(cell)) {
        return {};
    }
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
    QToolTip::showText(event->globalPos(), PlainToolTip(tip), view->viewport(), option.rect);
    return true;
}

}  // namespace morvalent::gui
