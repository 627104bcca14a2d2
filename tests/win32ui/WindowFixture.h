#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/CommandId.h"
#include "commit/History.h"
#include "platform/FileSystem.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "win32ui/MainWindow.h"

namespace morvalent::testing {

// The real window, its questions answered by a script and its commits journalled
// in a state folder of its own. Creating it throws at once when Windows makes no
// window, instead of hanging.
struct Win32Window {
    TempDir dir;
    TempDir state;
    std::unique_ptr<platform::FileSystem> fs = platform::MakeNativeFileSystem();
    commit::History history{*fs, state.Join(u"history")};
    ScriptedUi answers;
    win32ui::MainWindow window{GetModuleHandleW(nullptr), *fs, answers, &history};

    // Handles every message waiting for this thread, as the program's loop does.
    void Pump();
    // Pumps until `done` holds; false when it still does not after a few seconds
    // (a fault, never a wait that a test relies on).
    bool PumpUntil(const std::function<bool()>& done);
    void Command(app::CommandId id);

    int RowCount() const;
    std::u16string Text(int row, int column) const;
    std::u16string Status() const;
    // Whether the menu bar's item for the command is enabled (not greyed).
    bool MenuEnabled(app::CommandId id) const;
};

// Handles every message waiting for this thread, as the program's loop does.
void Pump(win32ui::MainWindow& window);

// An HDROP as a shell makes it, for WM_DROPFILES and data objects.
HGLOBAL MakeDrop(const std::vector<std::u16string>& paths);

}  // namespace morvalent::testing
