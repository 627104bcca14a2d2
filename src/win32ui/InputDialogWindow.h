#pragma once

#include <windows.h>

#include "app/DialogResult.h"
#include "app/InputDialog.h"

namespace morvalent::win32ui {

// Shows an InputDialog from its template, modal over `owner`: description on
// top, two fields with labels at their right, an etched line, then the choice
// list with OK and Cancel. On OK it stores the user's texts and choice in it.
app::DialogResult RunInputDialog(HINSTANCE instance, HWND owner, app::InputDialog& dialog);

}  // namespace morvalent::win32ui
