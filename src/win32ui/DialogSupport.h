#pragma once

#include <windows.h>

#include <string>

namespace morvalent::win32ui {

// The whole text of a window or control.
std::u16string WindowText(HWND window);

// Pixels at 96 DPI as pixels on the window's monitor.
int ScaleToDpi(HWND window, int pixels);

// Places a dialog over the middle of its owner, kept inside the owner's
// monitor; over the middle of that monitor when there is no visible owner.
void CentreOnOwner(HWND window);

// While it lives, the next window this thread activates is centred on its owner:
// how a message box, which places itself, is brought over its window.
class CentreNextActivated {
  public:
    CentreNextActivated();
    ~CentreNextActivated();
    CentreNextActivated(const CentreNextActivated&) = delete;
    CentreNextActivated& operator=(const CentreNextActivated&) = delete;

  private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);

    HHOOK hook_ = nullptr;
    CentreNextActivated* outer_ = nullptr;
};

// COM for the shell's dialogs on this thread, for as long as it lives.
class ComScope {
  public:
    ComScope();
    ~ComScope();
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    bool initialised_ = false;
};

}  // namespace morvalent::win32ui
