#pragma once

#include <QDialog>
#include <QPushButton>
#include <QTreeWidget>

#include "app/HistoryDialog.h"

namespace morvalent::gui {

// Shows the commits, newest first; the renames of the one chosen below them; a
// button that undoes it.
class HistoryWindow : public QDialog {
    Q_OBJECT
  public:
    HistoryWindow(app::HistoryDialog& dialog, QWidget* parent = nullptr);

    QTreeWidget* Commits() const { return commits_; }
    QTreeWidget* Renames() const { return renames_; }
    QPushButton* UndoButton() const { return undo_; }

    void accept() override;

  private:
    void ShowRenamesOfCurrent();

    app::HistoryDialog& dialog_;
    QTreeWidget* commits_;
    QTreeWidget* renames_;
    QPushButton* undo_;
};

}  // namespace morvalent::gui
