#pragma once

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace morvalent::gui {

// A message too long for a message box (hundreds of failure lines, a long
// name): its first line on top, the whole text in a scrollable area that can be
// selected and copied, and OK always in view. Never taller or wider than the
// screen it opens on.
class ReportBox : public QDialog {
    Q_OBJECT
  public:
    ReportBox(const QString& caption, const QString& text, QWidget* parent = nullptr);

    // Whether `text` is too long to be shown whole in a message box.
    static bool IsLong(const QString& text);

    QLabel* Heading() const { return heading_; }
    QPlainTextEdit* Text() const { return text_; }
    QPushButton* OkButton() const { return ok_; }

  private:
    QLabel* heading_;
    QPlainTextEdit* text_;
    QPushButton* ok_;
};

}  // namespace morvalent::gui
