#include "gui/InputDialogWindow.h"

#include <QFrame>
#include <QHeaderView>

#include "app/ConflictTip.h"
#include "app/EditPreview.h"
#include "app/Texts.h"
#include "filelist/NameChange.h"
#include "gui/CellDelegate.h"
#include "gui/ListModel.h"
#include "gui/QtText.h"
#include "platform/Text.h"

namespace morvalent::gui {
namespace {

// The layout is drawn in dialog units; these turn them into pixels.
constexpr double kUnitX = 1.8;
constexpr double kUnitY = 1.75;
QRect Units(int x, int y, int w, int h) {
    return QRect(int(x * kUnitX), int(y * kUnitY), int(w * kUnitX), int(h * kUnitY));
}

QString ConflictText(std::size_t count) {
    if (count == 0) return ToQString(app::texts::kPreviewNoConflicts);
    return ToQString(platform::FormatText(app::texts::kPreviewConflicts,
                                          platform::DecimalText(std::uint64_t(count))));
}

}  // namespace

InputDialogWindow::InputDialogWindow(app::InputDialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
    setWindowTitle(QStringLiteral("입력창"));
    setWindowFlags(Qt::Dialog | Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(Units(0, 0, 181, 86).size());

    // Created in tab order: field 1, field 2, list, OK, Cancel.
    field1_ = new QLineEdit(this);
    field1_->setGeometry(Units(5, 25, 136, 14));
    field2_ = new QLineEdit(this);
    field2_->setGeometry(Units(5, 41, 136, 14));
    choices_ = new QComboBox(this);
    choices_->setEditable(false);
    choices_->setGeometry(Units(5, 67, 85, 14));
    ok_ = new QPushButton(QStringLiteral("확인"), this);
    ok_->setGeometry(Units(94, 65, 40, 17));
    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    cancel_ = new QPushButton(QStringLiteral("취소"), this);
    cancel_->setGeometry(Units(136, 65, 40, 17));
    cancel_->setAutoDefault(false);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(Units(0, 61, 181, 1).adjusted(0, 0, 0, 1));
    description_ = new QLabel(this);
    description_->setGeometry(Units(6, 8, 162, 8).adjusted(0, -2, 0, 4));
    label1_ = new QLabel(this);
    label1_->setGeometry(Units(143, 25, 38, 14));
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label2_ = new QLabel(this);
    label2_->setGeometry(Units(143, 41, 38, 14));
    label2_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    if (dialog_.choices.empty()) {
        choices_->hide();
    } else {
        for (const auto& item : dialog_.choices) choices_->addItem(ToQString(item));
        choices_->setCurrentIndex(dialog_.choice);
    }
    // Every text as it is: a name like "<b>x</b>.txt" is not markup.
    for (QLabel* label : {description_, label1_, label2_}) label->setTextFormat(Qt::PlainText);
    label1_->setText(ToQString(dialog_.label1));
    label2_->setText(ToQString(dialog_.label2));
    field1_->setText(ToQString(dialog_.text1));
    field2_->setText(ToQString(dialog_.text2));
    // A hidden field keeps its place: nothing moves up.
    field1_->setVisible(!dialog_.label1.empty());
    label1_->setVisible(!dialog_.label1.empty());
    field2_->setVisible(!dialog_.label2.empty());
    label2_->setVisible(!dialog_.label2.empty());
    if (dialog_.label1.empty() && dialog_.label2.empty()) {
        // A dialog whose only input is the list.
        choices_->setGeometry(20, 40, 300, choices_->sizeHint().height());
        setFixedWidth(std::max(width(), 340));
    }
    ShowDescription(ToQString(dialog_.description));
    if (dialog_.preview != nullptr) BuildPreview();
}

void InputDialogWindow::ShowDescription(const QString& description) {
    constexpr int kMostLines = 4;
    const QFontMetrics metrics = description_->fontMetrics();
    const int width = description_->width();
    const QRect wrapped =
        metrics.boundingRect(QRect(0, 0, width, 0), Qt::TextWordWrap, description);
    if (metrics.horizontalAdvance(description) > width && wrapped.width() <= width &&
        wrapped.height() <= kMostLines * metrics.lineSpacing()) {
        // Words that fit a few lines (the fields an edit understands, say) are all
        // shown: the rest of the dialog moves down to make room.
        const int extra = wrapped.height() - metrics.height();
        for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (child != description_) child->move(child->pos() + QPoint(0, extra));
        }
        description_->resize(width, description_->height() + extra);
        description_->setWordWrap(true);
        description_->setText(description);
        setFixedSize(this->width(), height() + extra);
        return;
    }
    // A long name is cut in its middle, so its end and the particle after it stay in view.
    const QString shown = metrics.elidedText(description, Qt::ElideMiddle, width);
    description_->setText(shown);
    if (shown != description) description_->setToolTip(PlainToolTip(description));
}

InputDialogWindow::~InputDialogWindow() {
    // No count may call back into a window that is gone.
    if (dialog_.preview != nullptr) dialog_.preview->Stop();
}

void InputDialogWindow::BuildPreview() {
    // Below the buttons: a title, the rows, the conflict line.
    const int top = height();
    const int rowHeight = fontMetrics().height() + 6;
    const int margin = 6;
    auto* title = new QLabel(ToQString(app::texts::kPreviewTitle), this);
    title->setGeometry(margin, top, width() - 2 * margin, rowHeight);
    previewRows_ = new QTreeWidget(this);
    previewRows_->setColumnCount(2);
    previewRows_->setHeaderLabels({ToQString(app::texts::kHeaders[filelist::ColCurrentName]),
                                   ToQString(app::texts::kHeaders[filelist::ColNewName])});
    previewRows_->setRootIsDecorated(false);
    previewRows_->setUniformRowHeights(true);
    previewRows_->setSelectionMode(QAbstractItemView::NoSelection);
    previewRows_->setFocusPolicy(Qt::NoFocus);
    previewRows_->setTextElideMode(Qt::ElideMiddle);
    previewRows_->setItemDelegate(new CellDelegate(previewRows_));
    const int rowsHeight = rowHeight * int(app::EditPreview::kRows + 1) + 4;
    previewRows_->setGeometry(margin, top + rowHeight, width() - 2 * margin, rowsHeight);
    previewRows_->header()->setStretchLastSection(true);
    previewRows_->header()->resizeSection(0, (width() - 2 * margin) / 2);
    refusal_ = new QLabel(this);
    refusal_->setTextFormat(Qt::PlainText);
    refusal_->setWordWrap(true);
    refusal_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    refusal_->setGeometry(previewRows_->geometry());
    refusal_->hide();
    conflicts_ = new QLabel(this);
    conflicts_->setTextFormat(Qt::PlainText);
    conflicts_->setGeometry(margin, top + rowHeight + rowsHeight + 2, width() - 2 * margin,
                            rowHeight);
    setFixedHeight(conflicts_->geometry().bottom() + margin);

    pause_ = new QTimer(this);
    pause_->setSingleShot(true);
    pause_->setInterval(app::EditPreview::kCountPauseMs);
    connect(pause_, &QTimer::timeout, this, &InputDialogWindow::StartCount);
    connect(field1_, &QLineEdit::textChanged, this, &InputDialogWindow::UpdatePreview);
    connect(field2_, &QLineEdit::textChanged, this, &InputDialogWindow::UpdatePreview);
    connect(choices_, &QComboBox::currentIndexChanged, this, &InputDialogWindow::ChoiceChanged);
    UpdatePreview();
}

app::DialogValues InputDialogWindow::Values() const {
    return {ToU16(field1_->text()), ToU16(field2_->text()),
            choices_->count() == 0 ? -1 : choices_->currentIndex()};
}

void InputDialogWindow::UpdatePreview() {
    const app::PreviewState state = dialog_.preview->Show(Values());
    const bool refused = !state.refusal.empty();
    refusal_->setText(ToQString(state.refusal));
    refusal_->setVisible(refused);
    previewRows_->setVisible(!refused);
    previewRows_->clear();
    for (const app::PreviewRow& row : state.rows) {
        auto* item = new QTreeWidgetItem(previewRows_);
        item->setText(0, ToQString(row.current));
        item->setText(1, ToQString(row.next));
        // The changed part stands out as it will in the list.
        const auto change = filelist::CompareNames(row.current, row.next);
        if (change.changed) {
            item->setData(
                1, ListModel::kChangeRole,
                QVariantList{qlonglong(change.first), qlonglong(change.last), int(change.unseen)});
        }
        if (change.unseen != 0) item->setToolTip(1, ToQString(app::UnseenChangeTip(change.unseen)));
    }
    pause_->stop();
    if (refused) {
        conflicts_->clear();
    } else if (state.conflicts) {
        conflicts_->setText(ConflictText(*state.conflicts));
    } else {
        conflicts_->setText(ToQString(app::texts::kPreviewCounting));
        pause_->start();
    }
}

void InputDialogWindow::ChoiceChanged() {
    if (dialog_.preview->textForChoice) {
        if (auto text = dialog_.preview->textForChoice(Values())) {
            field1_->setText(ToQString(*text));  // which updates the preview
            return;
        }
    }
    UpdatePreview();
}

void InputDialogWindow::StartCount() {
    // Called on the counting thread, which ends before this window does (the
    // destructor stops it): the count is taken on the window's own thread.
    dialog_.preview->StartCount(Values(), [this] {
        QMetaObject::invokeMethod(this, &InputDialogWindow::ShowCounted, Qt::QueuedConnection);
    });
}

void InputDialogWindow::ShowCounted() {
    if (const auto count = dialog_.preview->Counted()) conflicts_->setText(ConflictText(*count));
}

void InputDialogWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The first visible control takes the focus, a field with its whole text selected.
    for (QWidget* control : {static_cast<QWidget*>(field1_), static_cast<QWidget*>(field2_),
                             static_cast<QWidget*>(choices_), static_cast<QWidget*>(ok_)}) {
        if (control->isVisibleTo(this)) {
            control->setFocus(Qt::TabFocusReason);
            if (auto* field = qobject_cast<QLineEdit*>(control)) field->selectAll();
            break;
        }
    }
}

void InputDialogWindow::accept() {
    dialog_.text1 = ToU16(field1_->text());
    dialog_.text2 = ToU16(field2_->text());
    dialog_.choice = choices_->count() == 0 ? -1 : choices_->currentIndex();
    QDialog::accept();
}

}  // namespace morvalent::gui
