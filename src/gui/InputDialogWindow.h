#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "app/InputDialog.h"

namespace morvalent::gui {

// Shows an InputDialog: description on top, two fields with labels at their
// right, an etched line, then the choice list with OK and Cancel.
class InputDialogWindow : public QDialog {
    Q_OBJECT
  public:
    InputDialogWindow(app::InputDialog& dialog, QWidget* parent = nullptr);

    QLabel* Description() const { return description_; }
    QLineEdit* Field1() const { return field1_; }
    QLineEdit* Field2() const { return field2_; }
    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    QComboBox* Choices() const { return choices_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    // The preview: current and new names of the first rows, the refusal in their
    // place, and the conflict count. None without a preview.
    QTreeWidget* PreviewRows() const { return previewRows_; }
    QLabel* PreviewRefusal() const { return refusal_; }
    QLabel* PreviewConflicts() const { return conflicts_; }

    ~InputDialogWindow() override;
    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void ShowDescription(const QString& description);
    void BuildPreview();
    void UpdatePreview();
    void ChoiceChanged();
    void StartCount();
    void ShowCounted();
    app::DialogValues Values() const;

    app::InputDialog& dialog_;
    QLabel* description_;
    QLineEdit* field1_;
    QLineEdit* field2_;
    QLabel* label1_;
    QLabel* label2_;
    QComboBox* choices_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QTreeWidget* previewRows_ = nullptr;
    QLabel* refusal_ = nullptr;
    QLabel* conflicts_ = nullptr;
    QTimer* pause_ = nullptr;
};

}  // namespace morvalent::gui
