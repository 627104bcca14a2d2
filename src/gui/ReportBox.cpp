#include "gui/ReportBox.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace morvalent::gui {
namespace {

// Beyond these a message box grows past a small screen or wraps a path out of shape.
constexpr int kMaxBoxLines = 15;
constexpr int kMaxBoxLineLength = 200;
// Room for the window manager's frame and title bar around the box.
constexpr int kFrameAllowance = 64;

QRect AvailableArea(const QWidget* parent) {
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

}  // namespace

bool ReportBox::IsLong(const QString& text) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > kMaxBoxLines) return true;
    return std::any_of(lines.begin(), lines.end(),
                       [](const QString& line) { return line.size() > kMaxBoxLineLength; });
}

ReportBox::ReportBox(const QString& caption, const QString& text, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    heading_ = new QLabel(text.section(QLatin1Char('\n'), 0, 0), this);
    heading_->setTextFormat(Qt::PlainText);
    heading_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(heading_);

    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setPlainText(text);
    layout->addWidget(text_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(QStringLiteral("확인"));
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);

    // As large as the text wants, but never beyond the screen, so OK stays reachable.
    const QRect area = AvailableArea(parent);
    const QFontMetrics metrics = text_->fontMetrics();
    int widest = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    const int chrome = 2 * layout->contentsMargins().left() + 2 * text_->frameWidth() +
                       style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 24;
    const int wanted = std::max(360, widest + chrome);
    const int otherRows = heading_->sizeHint().height() + buttons->sizeHint().height() +
                          4 * layout->spacing() + 2 * layout->contentsMargins().top();
    const int textHeight = int(lines.size() + 1) * metrics.lineSpacing() + 2 * text_->frameWidth();
    const int maxWidth = std::max(200, area.width() - kFrameAllowance);
    const int maxHeight = std::max(200, area.height() - kFrameAllowance);
    setMaximumSize(maxWidth, maxHeight);
    resize(std::min(wanted, maxWidth), std::min(otherRows + textHeight, maxHeight * 3 / 4));
}

}  // namespace morvalent::gui
