#pragma once

#include <windows.h>

#include <commctrl.h>
#include <oleidl.h>

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/MainDialog.h"
#include "app/StateView.h"
#include "app/UserPrompts.h"
#include "filelist/Columns.h"
#include "win32ui/ShellIconSource.h"

namespace morvalent::win32ui {

class DropTarget;

// The program's window on Windows: a virtual list over the rows, two toolbars, the
// status line and the menu bar, all made from the command table. It shows what
// MainDialog decides and forwards every command, key and drop to it; the
// questions are asked by the prompts it is given.
class MainWindow final : public app::StateView, private filelist::FileListObserver {
  public:
    // Creates the window (hidden); throws when Windows will not make it, so that a
    // test without a display fails at once. Commits are journalled in `history`.
    MainWindow(HINSTANCE instance, platform::FileSystem& fs, app::UserPrompts& prompts,
               commit::History* history = nullptr);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    app::MainDialog& Dialog() { return *dialog_; }
    HWND Handle() const { return window_; }
    HWND List() const { return list_; }
    HWND StatusLine() const { return status_; }
    HWND LeftToolbar() const { return toolbars_[0]; }
    HWND RightToolbar() const { return toolbars_[1]; }
    IDropTarget* Drops() const;
    // Runs after the window is gone (the program ends its message loop there).
    std::function<void()> onDestroyed;

    // One message of the thread's loop: the keyboard rules first, then the window.
    void HandleMessage(MSG& message);
    // The keyboard rules; true when the key was taken.
    bool PreTranslateMessage(const MSG& message);
    // Gathers `paths` as one drop once the message loop comes round, after any
    // command running now.
    void QueueDrop(std::vector<std::u16string> paths);
    // Places the toolbars, the list and the status line in the client area.
    void LayoutControls();
    // Puts the window where it was left, with its columns, when the state folder
    // kept that; gives how to show it (`show`, or maximised as it was left).
    int RestorePlacement(int show);
    // At a start without paths: offers the list kept when the window last closed.
    void OfferSavedList();
    int Scale(int pixels) const { return MulDiv(pixels, int(dpi_), 96); }

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

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnNotify(NMHDR& header);
    LRESULT OnListNotify(NMHDR& header);
    LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw);
    void OnClose();
    void OnCopyData(const COPYDATASTRUCT& data, bool& taken);
    void OnArrivalsDue();
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    // Keeps the window's place and columns for the next start.
    void KeepPlacement();
    // The folder column takes the list's width that the other columns leave.
    void FitColumns();

    void BuildMenu();
    void RebuildRecentRecipes();
    void BuildToolbars();
    void LoadToolbarImages();
    void BuildList();
    void ApplyFonts();
    void ApplyIcons();
    int ShownColumnWidth(int column, int width) const;

    // Runs one command, key or drop of the user; a close or drop arriving meanwhile
    // waits for its end.
    void Dispatch(const std::function<void()>& run);
    void GatherQueuedDrops();
    void SyncSelectionFromList();

    // filelist::FileListObserver: the control asks for rows when it draws, so only
    // the count and the marks are told to it.
    void OnBatchBegin() override {}
    void OnBatchEnd() override {}
    void OnRowsAboutToBeRemoved(std::size_t, std::size_t) override {}
    void OnListAboutToBeReset() override {}
    void OnRowsInserted(std::size_t first, std::size_t count) override;
    void OnRowsRemoved(std::size_t first, std::size_t count) override;
    void OnRowsChanged(std::size_t first, std::size_t last) override;
    void OnListReset() override;
    void OnRowsReordered() override;
    void OnMarksChanged() override;
    void CountChanged();

    HINSTANCE instance_;
    ShellIconSource icons_;
    std::unique_ptr<app::MainDialog> dialog_;
    HWND window_ = nullptr;
    HWND list_ = nullptr;
    HWND status_ = nullptr;
    std::array<HWND, 2> toolbars_{};
    HMENU menu_ = nullptr;
    HMENU recentMenu_ = nullptr;
    HIMAGELIST toolbarImages_ = nullptr;
    HFONT font_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    UINT dpi_ = 96;
    std::array<int, filelist::ColumnCount> columnWidths_{};  // as asked, at 96 dpi
    std::map<app::CommandId, bool> enabled_;
    std::map<app::CommandId, std::wstring> recentTexts_;
    std::wstring tipText_;  // the text a tooltip reads while it shows
    IDropTarget* dropTarget_ = nullptr;

    int running_ = 0;
    int busyDepth_ = 0;
    bool syncing_ = false;
    bool fittingColumns_ = false;
    bool closing_ = false;
    bool closeRequested_ = false;
    bool destroyPending_ = false;
    std::deque<std::vector<std::u16string>> queuedDrops_;
    // Paths handed over by later starts, gathered as one batch once they stop coming.
    std::vector<std::u16string> arrivals_;
};

// Which effect a drop answers for what its source offers: a copy, else a link,
// never a move (the source would delete what it dropped).
DWORD ChooseDropEffect(DWORD offered);

}  // namespace morvalent::win32ui
