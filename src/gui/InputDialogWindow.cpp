#include "gui/InputDialogWindow.h"

#include <QFrame>

#include "gui/QtText.h"

namespace morvalent::gui {
namespace {

// The layout is drawn in dialog units; these turn them into pixels.
constexpr double kUnitX = 1.8;
constexpr double kUnitY = 1.75;
QRect Units(int x, int y, int w, int h) {
    return QRect(int(x * kUnitX), int(y * kUnitY), int(w * kUnitX), int(h * kUnitY));
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
    // A long name is cut in its middle, so its end and the particle after it stay in view.
    const QString description = ToQString(dialog_.description);
    const QString shown =
        description_->fontMetrics().elidedText(description, Qt::ElideMiddle, description_->width());
    description_->setText(shown);
    if (shown != description) description_->setToolTip(PlainToolTip(description));
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
