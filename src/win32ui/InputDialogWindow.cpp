#include "win32ui/InputDialogWindow.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

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

struct Shift {
    HWND dialog;
    int down;
};

// Moves the dialog's own controls (not theirs) down, in client coordinates.
BOOL CALLBACK MoveDown(HWND child, LPARAM data) {
    const Shift& shift = *reinterpret_cast<const Shift*>(data);
    if (GetParent(child) != shift.dialog) return TRUE;
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, shift.dialog, reinterpret_cast<POINT*>(&place), 2);
    SetWindowPos(child, nullptr, place.left, place.top + shift.down, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

// The height DrawText gives `text` in the label's font and width (or on one line).
int TextHeight(HWND label, std::wstring_view text, int width, UINT format) {
    RECT needed{0, 0, width, 0};
    HDC dc = GetDC(label);
    HGDIOBJ before =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    DrawTextW(dc, text.data(), int(text.size()), &needed, DT_CALCRECT | DT_NOPREFIX | format);
    SelectObject(dc, before);
    ReleaseDC(label, dc);
    return needed.bottom;
}

// A description longer than its line (the fields an edit understands, say) is
// wrapped onto up to four lines, and the rest of the dialog moves down to make
// room, instead of being cut off at the dialog's edge.
void FitDescription(HWND window, const std::u16string& description) {
    constexpr int kMostLines = 4;
    HWND label = GetDlgItem(window, IDC_INPUT_DESCRIPTION);
    RECT place{};
    GetWindowRect(label, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    const int width = place.right - place.left;
    const std::wstring text(description.begin(), description.end());
    const int oneLine = TextHeight(label, L"가", width, DT_SINGLELINE);
    const int wrapped = TextHeight(label, text, width, DT_WORDBREAK | DT_EDITCONTROL);
    if (oneLine <= 0 || wrapped <= oneLine) return;
    const int lines = std::min(kMostLines, (wrapped + oneLine - 1) / oneLine);
    const int height = std::max(int(place.bottom - place.top), lines * oneLine);
    const Shift shift{window, height - int(place.bottom - place.top)};
    // SS_EDITCONTROL breaks a word too long for a line instead of hiding its end.
    const LONG_PTR style = GetWindowLongPtrW(label, GWL_STYLE);
    SetWindowLongPtrW(label, GWL_STYLE, (style & ~LONG_PTR(SS_ELLIPSISMASK)) | SS_EDITCONTROL);
    EnumChildWindows(window, MoveDown, reinterpret_cast<LPARAM>(&shift));
    SetWindowPos(label, nullptr, place.left, place.top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RECT frame{};
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left,
                 frame.bottom - frame.top + shift.down, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    FitDescription(window, dialog.description);
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
