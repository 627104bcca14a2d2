#include "win32ui/InputDialogWindow.h"

#include <array>

#include "win32ui/DialogIds.h"
#include "win32ui/DialogSupport.h"
#include "win32ui/Wide.h"

namespace morvalent::win32ui {
namespace {

// Where the list goes in a dialog whose only input is the list, in pixels at 96 DPI.
constexpr RECT kListOnly{20, 40, 320, 540};

bool HasVisibleStyle(HWND control) {
    // The dialog is not shown yet, so IsWindowVisible would say no for every control.
    return (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

void ShowPair(HWND window, int label, int field, bool shown) {
    // A hidden field keeps its place: nothing moves up.
    ShowWindow(GetDlgItem(window, label), shown ? SW_SHOW : SW_HIDE);
    ShowWindow(GetDlgItem(window, field), shown ? SW_SHOW : SW_HIDE);
}

void MoveListAlone(HWND window, HWND list) {
    const int left = ScaleToDpi(window, kListOnly.left);
    const int right = ScaleToDpi(window, kListOnly.right);
    MoveWindow(list, left, ScaleToDpi(window, kListOnly.top), right - left,
               ScaleToDpi(window, kListOnly.bottom - kListOnly.top), TRUE);
    // Wide enough for the list and the same margin at its right.
    RECT client{};
    GetClientRect(window, &client);
    const int wanted = right + left;
    if (client.right < wanted) {
        RECT frame{};
        GetWindowRect(window, &frame);
        SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + wanted - client.right,
                     frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Open(HWND window, const app::InputDialog& dialog) {
    HWND list = GetDlgItem(window, IDC_INPUT_CHOICES);
    if (dialog.choices.empty()) {
        ShowWindow(list, SW_HIDE);
    } else {
        for (const auto& item : dialog.choices) {
            SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item)));
        }
        SendMessageW(list, CB_SETCURSEL, WPARAM(dialog.choice), 0);
    }
    SetDlgItemTextW(window, IDC_INPUT_DESCRIPTION, Wide(dialog.description));
    SetDlgItemTextW(window, IDC_INPUT_LABEL1, Wide(dialog.label1));
    SetDlgItemTextW(window, IDC_INPUT_LABEL2, Wide(dialog.label2));
    SetDlgItemTextW(window, IDC_INPUT_TEXT1, Wide(dialog.text1));
    SetDlgItemTextW(window, IDC_INPUT_TEXT2, Wide(dialog.text2));
    ShowPair(window, IDC_INPUT_LABEL1, IDC_INPUT_TEXT1, !dialog.label1.empty());
    ShowPair(window, IDC_INPUT_LABEL2, IDC_INPUT_TEXT2, !dialog.label2.empty());
    if (dialog.label1.empty() && dialog.label2.empty()) MoveListAlone(window, list);
    CentreOnOwner(window);

    // The first shown control in tab order takes the focus; a field shows its
    // whole text selected, so typing replaces it.
    for (int id : std::array{IDC_INPUT_TEXT1, IDC_INPUT_TEXT2, IDC_INPUT_CHOICES, IDOK}) {
        HWND control = GetDlgItem(window, id);
        if (HasVisibleStyle(control)) {
            SendMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
            break;
        }
    }
}

void Accept(HWND window, app::InputDialog& dialog) {
    // Hidden fields too: they hand back what was put in them.
    dialog.text1 = WindowText(GetDlgItem(window, IDC_INPUT_TEXT1));
    dialog.text2 = WindowText(GetDlgItem(window, IDC_INPUT_TEXT2));
    // CB_ERR, -1, when the list has no items.
    dialog.choice = int(SendDlgItemMessageW(window, IDC_INPUT_CHOICES, CB_GETCURSEL, 0, 0));
    EndDialog(window, IDOK);
}

INT_PTR CALLBACK InputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(window, DWLP_USER, lParam);
            Open(window, *reinterpret_cast<app::InputDialog*>(lParam));
            return FALSE;  // the focus is set
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                Accept(window,
                       *reinterpret_cast<app::InputDialog*>(GetWindowLongPtrW(window, DWLP_USER)));
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {  // Cancel, Esc and the close box
                EndDialog(window, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

app::DialogResult RunInputDialog(HINSTANCE instance, HWND owner, app::InputDialog& dialog) {
    const INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_INPUT), owner, InputProc,
                                           reinterpret_cast<LPARAM>(&dialog));
    return result == IDOK ? app::DialogResult::Ok : app::DialogResult::Cancel;
}

}  // namespace morvalent::win32ui
