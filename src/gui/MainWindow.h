#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QToolBar>
#include <QTreeView>
#include <map>
#include <memory>
#include <span>

#include "app/MainDialog.h"
#include "app/StateView.h"
#include "app/UserPrompts.h"
#include "gui/GuiIconSource.h"
#include "gui/ListModel.h"

namespace morvalent::gui {

// The program's window. It shows what MainDialog decides and forwards every
// command, key and drop to it; it holds no program logic. The questions are
// asked by the prompts it is given.
class MainWindow : public QMainWindow, public app::StateView {
    Q_OBJECT
  public:
    MainWindow(platform::FileSystem& fs, app::UserPrompts& prompts, QWidget* parent = nullptr);
    ~MainWindow() override;

    app::MainDialog& Dialog() { return *dialog_; }
    QTreeView* ListView() const { return view_; }
    QLabel* StatusLine() const { return status_; }
    QToolBar* LeftToolBar() const { return left_; }
    QToolBar* RightToolBar() const { return right_; }
    QAction* CommandAction(int id) const;
    ListModel* Model() const { return model_; }
    // Places the toolbars, the list and the status line in the client area.
    void LayoutControls();

    // app::StateView
    void SetStatusText(const std::u16string& text) override;
    void SetCommandEnabled(int command, bool enabled) override;
    void SetCommandChecked(int command, bool checked) override;
    void SetCommandText(int command, const std::u16string& text) override;
    void SetColumnWidth(int column, int width) override;
    void FocusList() override;
    void EnsureRowVisible(std::size_t row) override;
    void SetBusy(bool busy) override;
    void KeepResponsive() override;
    void CloseWindow() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void BuildActions();
    void BuildMenus();
    QToolBar* BuildToolBar(std::span<const int> ids);
    void BuildList();
    void SyncSelectionFromList();
    void OnViewSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    bool FilterKey(QKeyEvent* event);

    GuiIconSource icons_;
    std::unique_ptr<app::MainDialog> dialog_;
    ListModel* model_ = nullptr;
    QWidget* client_ = nullptr;
    QTreeView* view_ = nullptr;
    QLabel* status_ = nullptr;
    QToolBar* left_ = nullptr;
    QToolBar* right_ = nullptr;
    std::map<int, QAction*> actions_;
    bool syncingSelection_ = false;
    bool closing_ = false;
    int busyDepth_ = 0;
};

}  // namespace morvalent::gui
