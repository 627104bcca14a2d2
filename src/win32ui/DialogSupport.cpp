#include "win32ui/DialogSupport.h"

#include <objbase.h>

#include <algorithm>

#include "win32ui/Wide.h"

namespace morvalent::win32ui {
namespace {

thread_local CentreNextActivated* activeCentring = nullptr;

}  // namespace

std::u16string WindowText(HWND window) {
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return FromWide(text);
}

int ScaleToDpi(HWND window, int pixels) {
    const UINT dpi = GetDpiForWindow(window);
    return MulDiv(pixels, dpi != 0 ? int(dpi) : USER_DEFAULT_SCREEN_DPI, USER_DEFAULT_SCREEN_DPI);
}

void CentreOnOwner(HWND window) {
    HWND owner = GetWindow(window, GW_OWNER);
    const bool overOwner = owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(overOwner ? owner : window, MONITOR_DEFAULTTONEAREST),
                         &monitor)) {
        return;
    }
    const RECT area = monitor.rcWork;
    RECT around = area;
    if (overOwner) GetWindowRect(owner, &around);
    RECT box{};
    GetWindowRect(window, &box);
    const LONG width = box.right - box.left;
    const LONG height = box.bottom - box.top;
    // Inside the work area, its top left corner first, so the caption stays reachable.
    const LONG x = std::max(
        area.left,
        std::min(around.left + (around.right - around.left - width) / 2, area.right - width));
    const LONG y = std::max(
        area.top,
        std::min(around.top + (around.bottom - around.top - height) / 2, area.bottom - height));
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CentreNextActivated::CentreNextActivated() : outer_(activeCentring) {
    hook_ = SetWindowsHookExW(WH_CBT, HookProc, nullptr, GetCurrentThreadId());
    activeCentring = this;
}

CentreNextActivated::~CentreNextActivated() {
    if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
    activeCentring = outer_;
}

LRESULT CALLBACK CentreNextActivated::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    CentreNextActivated* self = activeCentring;
    if (code == HCBT_ACTIVATE && self != nullptr && self->hook_ != nullptr) {
        // Only the first window: the box itself, before it is shown.
        UnhookWindowsHookEx(self->hook_);
        self->hook_ = nullptr;
        CentreOnOwner(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

ComScope::ComScope() {
    initialised_ =
        SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

ComScope::~ComScope() {
    if (initialised_) CoUninitialize();
}

}  // namespace morvalent::win32ui
