#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QToolBar>
#include <QTreeView>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/MainDialog.h"
#include "app/StateView.h"
#include "app/UserPrompts.h"
#include "gui/GuiIconSource.h"
#include "gui/ListModel.h"

namespace morvalent::gui {

class ReleaseFilter;

// The program's window. It shows what MainDialog decides and forwards every
// command, key and drop to it; it holds no program logic. The questions are
// asked by the prompts it is given.
class MainWindow : public QMainWindow, public app::StateView {
    Q_OBJECT
  public:
    // Commits are journalled in `history` when one is given.
    MainWindow(platform::FileSystem& fs, app::UserPrompts& prompts,
               commit::History* history = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    app::MainDialog& Dialog() { return *dialog_; }
    QTreeView* ListView() const { return view_; }
    QLabel* StatusLine() const { return status_; }
    QToolBar* LeftToolBar() const { return left_; }
    QToolBar* RightToolBar() const { return right_; }
    QAction* CommandAction(app::CommandId id) const;
    ListModel* Model() const { return model_; }
    // Places the toolbars, the list and the status line in the client area.
    void LayoutControls();
    // Gathers `paths` as one drop, now, as a command of its own.
    void GatherPaths(const std::vector<std::u16string>& paths);
    // Paths handed over by another start of the program: gathered as a drop once
    // no command or dialog runs, with the window brought to the front.
    void ReceivePaths(std::vector<std::u16string> paths);
    // Takes the place and column widths kept when the window last closed.
    void RestorePlacement();
    // Keeps the place and column widths for the next start.
    void KeepPlacement();
    // The system asks the program to end: the window closes as the user would close
    // it, after the command under way (a dialog open is cancelled).
    void RequestStop();
    // The session ends: the list and the place are kept now.
    void KeepForSessionEnd();
    // Offers the list kept at the last close, as a command of its own.
    void OfferSavedList();

    // app::StateView
    void SetStatusText(const std::u16string& text) override;
    void SetCommandEnabled(app::CommandId command, bool enabled) override;
    void SetCommandChecked(app::CommandId command, bool checked) override;
    void SetCommandText(app::CommandId command, const std::u16string& text) override;
    void SetColumnWidth(filelist::Column column, int width) override;
    void FocusList() override;
    void EnsureRowVisible(std::size_t row) override;
    void SetBusy(bool busy) override;
    void KeepResponsive() override;
    void CloseWindow() override;
    void ConflictsChanged() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void BuildActions();
    void BuildMenus();
    QToolBar* BuildToolBar(std::span<const app::MenuEntry> entries);
    void BuildList();
    void SyncSelectionFromList();
    void OnViewSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    bool FilterKey(QKeyEvent* event);
    // Runs one command, event or drop of the user; a close or drop that arrives
    // meanwhile waits for its end.
    void Dispatch(const std::function<void()>& run);
    void GatherQueuedDrops();
    int TimeColumnWidth() const;
    // The folder column takes the width the other columns leave.
    void FitColumns();

    GuiIconSource icons_;
    std::unique_ptr<app::MainDialog> dialog_;
    ListModel* model_ = nullptr;
    QWidget* client_ = nullptr;
    QTreeView* view_ = nullptr;
    QLabel* status_ = nullptr;
    QToolBar* left_ = nullptr;
    QToolBar* right_ = nullptr;
    std::map<app::CommandId, QAction*> actions_;
    ReleaseFilter* releases_ = nullptr;
    bool syncingSelection_ = false;
    bool closing_ = false;
    int running_ = 0;
    bool closeRequested_ = false;
    std::deque<std::vector<std::u16string>> queuedDrops_;
    int busyDepth_ = 0;
    bool fittingColumns_ = false;
};

}  // namespace morvalent::gui
