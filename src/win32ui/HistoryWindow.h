#pragma once

#include <windows.h>

#include "app/DialogResult.h"
#include "app/HistoryDialog.h"

namespace morvalent::win32ui {

// Shows the commits, newest first, and below them the renames of the one
// selected; its undo button chooses that commit in `dialog` and gives Ok.
app::DialogResult RunHistoryWindow(HINSTANCE instance, HWND owner, app::HistoryDialog& dialog);

}  // namespace morvalent::win32ui
