#include "win32ui/ReportBox.h"

#include <algorithm>

#include "win32ui/DialogIds.h"
#include "win32ui/DialogSupport.h"
#include "win32ui/Wide.h"

namespace morvalent::win32ui {
namespace {

// Beyond these a message box grows past a small screen or wraps a path out of shape.
constexpr std::size_t kMaxBoxLines = 15;
constexpr std::size_t kMaxBoxLineLength = 200;
// The smallest box, in dialog units.
constexpr RECT kMinimum{0, 0, 200, 80};

struct Report {
    const std::u16string& caption;
    const std::u16string& text;
};

// Places the heading, the text and OK in a client area of this size.
void Layout(HWND window, int width, int height) {
    RECT units{7, 10, 50, 14};  // margin, heading height, button size
    MapDialogRect(window, &units);
    const int margin = units.left;
    HWND ok = GetDlgItem(window, IDOK);
    MoveWindow(GetDlgItem(window, IDC_REPORT_HEADING), margin, margin, width - 2 * margin,
               units.top, TRUE);
    const int textTop = 2 * margin + units.top;
    const int okTop = height - margin - units.bottom;
    MoveWindow(GetDlgItem(window, IDC_REPORT_TEXT), margin, textTop, width - 2 * margin,
               std::max(0, okTop - margin - textTop), TRUE);
    MoveWindow(ok, width - margin - units.right, okTop, units.right, units.bottom, TRUE);
}

// The text's own size in the field's font: widest line and all lines.
SIZE TextExtent(HWND field, const std::u16string& text) {
    HDC dc = GetDC(field);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(field, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    LONG widest = 0;
    LONG lines = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(u'\n', start);
        if (end == std::u16string::npos) end = text.size();
        SIZE line{};
        GetTextExtentPoint32W(dc, Wide(text) + start, int(end - start), &line);
        widest = std::max(widest, line.cx);
        ++lines;
        start = end + 1;
    }
    SelectObject(dc, old);
    ReleaseDC(field, dc);
    return {widest, (lines + 1) * metrics.tmHeight};
}

// The edit field breaks lines only at CR LF.
std::u16string WithCrLf(const std::u16string& text) {
    std::u16string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r')) out += u'\r';
        out += text[i];
    }
    return out;
}

void Open(HWND window, const Report& report) {
    SetWindowTextW(window, Wide(report.caption));
    const std::u16string& text = report.text;
    SetDlgItemTextW(window, IDC_REPORT_HEADING, Wide(text.substr(0, text.find(u'\n'))));
    HWND field = GetDlgItem(window, IDC_REPORT_TEXT);
    SendMessageW(field, EM_SETLIMITTEXT, 0, 0);  // no limit at 32767 units
    SetWindowTextW(field, Wide(WithCrLf(text)));

    // As large as the text wants, never beyond the work area, so OK stays reachable.
    RECT units{7, 10, 50, 14};
    MapDialogRect(window, &units);
    const SIZE extent = TextExtent(field, text);
    const int chrome = 2 * units.left + 2 * GetSystemMetrics(SM_CXEDGE) +
                       GetSystemMetrics(SM_CXVSCROLL) + ScaleToDpi(window, 8);
    RECT minimum = kMinimum;
    MapDialogRect(window, &minimum);
    RECT client{0, 0, std::max<LONG>(minimum.right, extent.cx + chrome),
                std::max<LONG>(minimum.bottom, extent.cy + 4 * units.left + units.top +
                                                   units.bottom + GetSystemMetrics(SM_CYHSCROLL))};
    const DWORD style = DWORD(GetWindowLongPtrW(window, GWL_STYLE));
    const DWORD exStyle = DWORD(GetWindowLongPtrW(window, GWL_EXSTYLE));
    AdjustWindowRectEx(&client, style, FALSE, exStyle);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    HWND owner = GetWindow(window, GW_OWNER);
    GetMonitorInfoW(MonitorFromWindow(owner != nullptr ? owner : window, MONITOR_DEFAULTTONEAREST),
                    &monitor);
    const LONG maxWidth = monitor.rcWork.right - monitor.rcWork.left;
    const LONG maxHeight = monitor.rcWork.bottom - monitor.rcWork.top;
    SetWindowPos(window, nullptr, 0, 0, std::min(client.right - client.left, maxWidth),
                 std::min(client.bottom - client.top, maxHeight * 3 / 4),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT inside{};
    GetClientRect(window, &inside);
    Layout(window, inside.right, inside.bottom);
    CentreOnOwner(window);
    // Enter closes the box, as in a message box; the text is a Tab away.
    SendMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(window, IDOK)), TRUE);
}

INT_PTR CALLBACK ReportProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            Open(window, *reinterpret_cast<const Report*>(lParam));
            return FALSE;
        case WM_SIZE:
            Layout(window, LOWORD(lParam), HIWORD(lParam));
            return TRUE;
        case WM_GETMINMAXINFO: {
            RECT minimum = kMinimum;
            MapDialogRect(window, &minimum);
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize = {minimum.right, minimum.bottom};
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(window, IDOK);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

bool IsLongReport(const std::u16string& text) {
    std::size_t lines = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(u'\n', start);
        if (end == std::u16string::npos) end = text.size();
        if (++lines > kMaxBoxLines || end - start > kMaxBoxLineLength) return true;
        start = end + 1;
    }
    return false;
}

bool ShowReportBox(HINSTANCE instance, HWND owner, const std::u16string& caption,
                   const std::u16string& text) {
    const Report report{caption, text};
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_REPORT), owner, ReportProc,
                           reinterpret_cast<LPARAM>(&report)) == IDOK;
}

}  // namespace morvalent::win32ui
