#include "gui/CellDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "filelist/Columns.h"
#include "gui/ListModel.h"
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

// The changed part of a new name: a colour that reads on light and dark palettes.
const QColor kChangeColour(0x20, 0x60, 0xC0);
// After a name whose change would not be seen.
const QChar kUnseenSign(0x2248);  // ≈

}  // namespace

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    const QVariantList change = index.data(ListModel::kChangeRole).toList();
    if (change.size() != 3) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QString text = cell.text;
    cell.text.clear();
    const QWidget* widget = cell.widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    // Background, selection and focus as the style draws them; the text is ours.
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);

    const int first = int(std::min<qlonglong>(change[0].toLongLong(), text.size()));
    const int last = int(std::min<qlonglong>(change[1].toLongLong(), text.size()));
    const bool unseen = change[2].toInt() != 0;
    const bool conflict = index.data(ListModel::kConflictRole).toBool();
    const bool selected = cell.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group =
        cell.state.testFlag(QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    QColor plain = cell.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    if (const QVariant foreground = index.data(Qt::ForegroundRole);
        foreground.canConvert<QColor>() && !selected) {
        plain = foreground.value<QColor>();  // the conflict's red, stronger than the change
    }
    const QColor changed = selected || conflict ? plain : kChangeColour;

    QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &cell, widget) + 1;
    room.adjust(margin, 0, -margin, 0);
    if (!boldMetrics_ || boldFor_ != cell.font) {
        // Made once per font: a cell's paint is too frequent to build metrics each time.
        boldFor_ = cell.font;
        bold_ = cell.font;
        bold_.setBold(true);
        boldMetrics_ = std::make_unique<QFontMetrics>(bold_);
    }
    const QFontMetrics& plainMetrics = cell.fontMetrics;
    if (unseen) room.setRight(room.right() - boldMetrics_->horizontalAdvance(kUnseenSign) - 2);
    const int baseline =
        room.top() + (room.height() - plainMetrics.height()) / 2 + plainMetrics.ascent();

    painter->save();
    painter->setClipRect(cell.rect);
    int x = room.left();
    const auto draw = [&](const QString& part, bool emphasised) {
        if (part.isEmpty() || x > room.right()) return;
        const QFontMetrics& metrics = emphasised ? *boldMetrics_ : plainMetrics;
        const int width = metrics.horizontalAdvance(part);
        painter->setFont(emphasised ? bold_ : cell.font);
        painter->setPen(emphasised ? changed : plain);
        if (x + width <= room.right() + 1) {
            painter->drawText(x, baseline, part);
            x += width;
            return;
        }
        painter->drawText(x, baseline,
                          metrics.elidedText(part, Qt::ElideRight, room.right() + 1 - x));
        x = room.right() + 1;
    };
    draw(text.left(first), false);
    if (first == last && x <= room.right()) {
        // Only a deletion: a thin mark where the text went.
        painter->setPen(QPen(changed, 2));
        painter->drawLine(x, room.top() + 3, x, room.bottom() - 3);
        x += 2;
    }
    draw(text.mid(first, last - first), true);
    draw(text.mid(last), false);
    if (unseen) {
        painter->setFont(bold_);
        painter->setPen(changed);
        painter->drawText(std::min(x, room.right() + 1) + 2, baseline, QString(kUnseenSign));
    }
    painter->restore();
}

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
