#include "win32ui/HistoryWindow.h"

#include <commctrl.h>

#include <array>
#include <span>
#include <vector>

#include "app/HistoryTexts.h"
#include "win32ui/DialogIds.h"
#include "win32ui/DialogSupport.h"
#include "win32ui/Wide.h"

namespace morvalent::win32ui {
namespace {

struct HistoryState {
    app::HistoryDialog& dialog;
    // The renames of the selected commit; the list reads its rows from here.
    std::vector<app::HistoryDialog::Rename> renames;
};

HistoryState& StateOf(HWND window) {
    return *reinterpret_cast<HistoryState*>(GetWindowLongPtrW(window, DWLP_USER));
}

// `rightAligned` names the column of counts, if any.
void AddColumns(HWND list, std::span<const char16_t* const> headers, int rightAligned = -1) {
    int column = 0;
    for (const char16_t* header : headers) {
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT | LVCF_SUBITEM | LVCF_FMT;
        info.fmt = column == rightAligned ? LVCFMT_RIGHT : LVCFMT_LEFT;
        info.pszText = const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(header));
        info.iSubItem = column;
        ListView_InsertColumn(list, column++, &info);
    }
}

int SelectedCommit(HWND window) {
    return ListView_GetNextItem(GetDlgItem(window, IDC_HISTORY_COMMITS), -1, LVNI_SELECTED);
}

void ShowRenamesOfSelected(HWND window) {
    HistoryState& state = StateOf(window);
    const int row = SelectedCommit(window);
    state.renames = row >= 0 ? state.dialog.RenamesOf(std::size_t(row))
                             : std::vector<app::HistoryDialog::Rename>{};
    HWND renames = GetDlgItem(window, IDC_HISTORY_RENAMES);
    ListView_SetItemCountEx(renames, int(state.renames.size()), 0);
    InvalidateRect(renames, nullptr, TRUE);
    EnableWindow(GetDlgItem(window, IDOK), row >= 0);
}

void Open(HWND window, HistoryState& state) {
    SetWindowTextW(window, Wide(app::texts::kHistoryTitle));
    SetDlgItemTextW(window, IDOK, Wide(app::texts::kHistoryUndo));
    SetDlgItemTextW(window, IDCANCEL, Wide(app::texts::kHistoryClose));

    HWND commits = GetDlgItem(window, IDC_HISTORY_COMMITS);
    ListView_SetExtendedListViewStyle(commits, LVS_EX_FULLROWSELECT);
    const std::array<const char16_t*, 4> headers{
        app::texts::kHistoryWhen, app::texts::kHistoryCount, app::texts::kHistoryFolder,
        app::texts::kHistoryState};
    AddColumns(commits, headers, 1);
    int row = 0;
    for (const auto& entry : state.dialog.Entries()) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(Wide(entry.when));
        ListView_InsertItem(commits, &item);
        ListView_SetItemText(commits, row, 1, const_cast<wchar_t*>(Wide(entry.count)));
        ListView_SetItemText(commits, row, 2, const_cast<wchar_t*>(Wide(entry.folder)));
        ListView_SetItemText(commits, row, 3, const_cast<wchar_t*>(Wide(entry.state)));
        ++row;
    }
    // As wide as the widest cell, and never narrower than the header's text.
    for (int column = 0; column < int(headers.size()); ++column) {
        ListView_SetColumnWidth(commits, column, LVSCW_AUTOSIZE);
        const int header =
            ListView_GetStringWidth(commits, reinterpret_cast<const wchar_t*>(headers[column])) +
            ScaleToDpi(window, 16);
        if (ListView_GetColumnWidth(commits, column) < header) {
            ListView_SetColumnWidth(commits, column, header);
        }
    }

    HWND renames = GetDlgItem(window, IDC_HISTORY_RENAMES);
    ListView_SetExtendedListViewStyle(renames, LVS_EX_FULLROWSELECT);
    const std::array<const char16_t*, 2> renameHeaders{app::texts::kHistoryFrom,
                                                       app::texts::kHistoryTo};
    AddColumns(renames, renameHeaders);
    RECT area{};
    GetClientRect(renames, &area);
    const int half = (area.right - GetSystemMetrics(SM_CXVSCROLL)) / 2;
    ListView_SetColumnWidth(renames, 0, half);
    ListView_SetColumnWidth(renames, 1, half);

    CentreOnOwner(window);
    if (row > 0) {
        // The newest commit, with its renames shown.
        ListView_SetItemState(commits, 0, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
    }
    ShowRenamesOfSelected(window);
    SendMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(commits), TRUE);
}

// The renames list owns no rows: each cell is read when it is drawn.
void FillRenameCell(HWND window, NMLVDISPINFOW& info) {
    const auto& renames = StateOf(window).renames;
    if ((info.item.mask & LVIF_TEXT) == 0 || info.item.iItem < 0 ||
        std::size_t(info.item.iItem) >= renames.size()) {
        return;
    }
    const auto& rename = renames[std::size_t(info.item.iItem)];
    const std::u16string& text = info.item.iSubItem == 0 ? rename.from : rename.to;
    lstrcpynW(info.item.pszText, Wide(text), info.item.cchTextMax);
}

INT_PTR OnNotify(HWND window, const NMHDR& header) {
    if (header.idFrom == IDC_HISTORY_COMMITS && header.code == LVN_ITEMCHANGED) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uChanged & LVIF_STATE) != 0 &&
            ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) != 0) {
            ShowRenamesOfSelected(window);
        }
    } else if (header.idFrom == IDC_HISTORY_RENAMES && header.code == LVN_GETDISPINFOW) {
        FillRenameCell(window,
                       const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header)));
    }
    return FALSE;
}

INT_PTR CALLBACK HistoryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(window, DWLP_USER, lParam);
            Open(window, *reinterpret_cast<HistoryState*>(lParam));
            return FALSE;
        case WM_NOTIFY:
            return OnNotify(window, *reinterpret_cast<const NMHDR*>(lParam));
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                const int row = SelectedCommit(window);
                if (row < 0) return TRUE;  // nothing chosen to undo
                StateOf(window).dialog.Choose(std::size_t(row));
                EndDialog(window, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(window, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

app::DialogResult RunHistoryWindow(HINSTANCE instance, HWND owner, app::HistoryDialog& dialog) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    HistoryState state{dialog, {}};
    const INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_HISTORY), owner,
                                           HistoryProc, reinterpret_cast<LPARAM>(&state));
    return result == IDOK ? app::DialogResult::Ok : app::DialogResult::Cancel;
}

}  // namespace morvalent::win32ui
