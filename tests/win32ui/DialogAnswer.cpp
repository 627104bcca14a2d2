#include "DialogAnswer.h"

#include <gtest/gtest.h>

#include "win32ui/DialogSupport.h"
#include "win32ui/Wide.h"

namespace morvalent::testing {
namespace {

thread_local DialogAnswer* pending = nullptr;

// The dialog the user faces: this thread's enabled dialog window on top. A dialog
// box shows itself only when its loop first goes idle, after the timer's turn.
HWND FrontDialog() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) -> BOOL {
            wchar_t kind[16] = L"";
            GetClassNameW(window, kind, 16);
            if (std::wstring_view(kind) != L"#32770" || !IsWindowEnabled(window)) {
                return TRUE;
            }
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

DialogAnswer::DialogAnswer(std::function<void(HWND)> answer) : answer_(std::move(answer)) {
    pending = this;
    timer_ = SetTimer(nullptr, 0, 0, OnTimer);
    EXPECT_NE(timer_, 0u);
}

DialogAnswer::~DialogAnswer() {
    if (!fired_) KillTimer(nullptr, timer_);
    if (pending == this) pending = nullptr;
    // A quit message left from a dialog that was never found ends no later loop.
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    EXPECT_TRUE(answered_) << "no dialog opened";
}

void CALLBACK DialogAnswer::OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    DialogAnswer* self = pending;
    if (self == nullptr || self->timer_ != id) return;
    self->fired_ = true;
    pending = nullptr;
    HWND dialog = FrontDialog();
    if (dialog == nullptr) {
        PostQuitMessage(1);
        return;
    }
    self->answered_ = true;
    self->answer_(dialog);
}

void PressButton(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void TypeInto(HWND dialog, int id, const std::u16string& text) {
    SetDlgItemTextW(dialog, id, win32ui::Wide(text));
}

bool Shown(HWND dialog, int id) {
    return (GetWindowLongPtrW(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

std::u16string TextOf(HWND dialog, int id) { return win32ui::WindowText(GetDlgItem(dialog, id)); }

HWND MakeOwnerWindow() {
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 80,
                                 640, 480, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_NE(owner, nullptr) << "CreateWindowExW failed: " << GetLastError();
    return owner;
}

}  // namespace morvalent::testing
