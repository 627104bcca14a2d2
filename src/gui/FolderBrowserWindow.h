#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>

#include "app/FolderBrowser.h"
#include "gui/FolderTreeModel.h"
#include "platform/FileSystem.h"

namespace morvalent::gui {

// A folder tree of the file system under the home folder and the root; its
// status line shows the folder under the cursor. It opens on the browser's
// initial folder, else on the folder it is asked to open at, else at home.
class FolderBrowserWindow : public QDialog {
    Q_OBJECT
  public:
    FolderBrowserWindow(app::FolderBrowser& browser, platform::FileSystem& fs,
                        QWidget* parent = nullptr);

    QTreeView* Tree() const { return tree_; }
    QLabel* Status() const { return status_; }
    QPushButton* OkButton() const { return ok_; }
    FolderTreeModel* Model() const { return model_; }
    // Moves the cursor to a folder, opening the folders above it; false when
    // the tree does not hold it.
    bool SelectFolder(const std::u16string& path);

    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void OnCurrentChanged(const QModelIndex& current);

    app::FolderBrowser& browser_;
    FolderTreeModel* model_;
    QTreeView* tree_;
    QLabel* status_;
    QPushButton* ok_;
};

}  // namespace morvalent::gui
