#pragma once

#include <QDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>

#include "app/FolderBrowser.h"

namespace morvalent::gui {

// A folder tree of the file system; its status line shows the folder under the cursor.
class FolderBrowserWindow : public QDialog {
    Q_OBJECT
  public:
    FolderBrowserWindow(app::FolderBrowser& browser, QWidget* parent = nullptr);

    QTreeView* Tree() const { return tree_; }
    QLabel* Status() const { return status_; }
    QPushButton* OkButton() const { return ok_; }
    // Moves the cursor to a folder, as a click would.
    void SelectFolder(const QString& path);

    void accept() override;

  private:
    void OnCurrentChanged(const QModelIndex& current);

    app::FolderBrowser& browser_;
    QFileSystemModel* model_;
    QTreeView* tree_;
    QLabel* status_;
    QPushButton* ok_;
};

}  // namespace morvalent::gui
