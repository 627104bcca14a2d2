#include "win32ui/Win32Prompts.h"

#include <shlobj.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include <cstring>

#include "app/FolderBrowser.h"
#include "app/Texts.h"
#include "win32ui/DialogSupport.h"
#include "win32ui/HistoryWindow.h"
#include "win32ui/InputDialogWindow.h"
#include "win32ui/PromptTexts.h"
#include "win32ui/ReportBox.h"
#include "win32ui/Wide.h"

namespace morvalent::win32ui {
namespace {

using Microsoft::WRL::ComPtr;

int MessageBoxOver(HWND owner, const std::u16string& text, const std::u16string& caption,
                   UINT type) {
    CentreNextActivated centred;
    return MessageBoxW(owner, Wide(text), Wide(caption), type);
}

// The browser's state between its callbacks.
struct Browse {
    app::FolderBrowser& browser;
    std::u16string start;
};

int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM value, LPARAM data) {
    const Browse& browse = *reinterpret_cast<const Browse*>(data);
    if (message == BFFM_INITIALIZED) {
        CentreOnOwner(window);
        SendMessageW(window, BFFM_SETSTATUSTEXTW, 0,
                     reinterpret_cast<LPARAM>(
                         Wide(app::FolderBrowser::ShortenForStatus(browse.browser.initialFolder))));
        // After the status: selecting the start folder shows it there.
        if (!browse.start.empty()) {
            SendMessageW(window, BFFM_SETSELECTIONW, TRUE,
                         reinterpret_cast<LPARAM>(Wide(browse.start)));
        }
    } else if (message == BFFM_SELCHANGED) {
        // The folder under the cursor; nothing for an item without a path, rather
        // than the last folder that had one.
        wchar_t path[MAX_PATH] = L"";
        if (!SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(value), path)) path[0] = 0;
        SendMessageW(
            window, BFFM_SETSTATUSTEXTW, 0,
            reinterpret_cast<LPARAM>(Wide(app::FolderBrowser::ShortenForStatus(FromWide(path)))));
    }
    return 0;
}

std::u16string FileSystemPath(IShellItem& item) {
    PWSTR path = nullptr;
    if (FAILED(item.GetDisplayName(SIGDN_FILESYSPATH, &path))) return {};
    std::u16string result = FromWide(path);
    CoTaskMemFree(path);
    return result;
}

std::vector<std::u16string> ChosenPaths(IFileDialog& dialog, bool save) {
    std::vector<std::u16string> paths;
    if (save) {
        ComPtr<IShellItem> item;
        if (SUCCEEDED(dialog.GetResult(&item))) paths.push_back(FileSystemPath(*item.Get()));
    } else {
        ComPtr<IFileOpenDialog> open;
        ComPtr<IShellItemArray> items;
        DWORD count = 0;
        if (FAILED(dialog.QueryInterface(IID_PPV_ARGS(&open))) ||
            FAILED(open->GetResults(&items)) || FAILED(items->GetCount(&count))) {
            return {};
        }
        for (DWORD i = 0; i < count; ++i) {
            ComPtr<IShellItem> item;
            if (SUCCEEDED(items->GetItemAt(i, &item))) paths.push_back(FileSystemPath(*item.Get()));
        }
    }
    std::erase(paths, std::u16string());
    return paths;
}

bool PutOnClipboard(HWND owner, const std::u16string& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) return false;
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(target, text.c_str(), bytes);
    GlobalUnlock(memory);
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    // On success the clipboard owns the memory.
    const bool placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!placed) GlobalFree(memory);
    return placed;
}

}  // namespace

Win32Prompts::Win32Prompts(HINSTANCE instance, std::function<HWND()> owner)
    : instance_(instance), owner_(std::move(owner)) {}

void Win32Prompts::ShowMessage(const std::u16string& text) {
    ShowMessage(text, app::texts::kTitle);
}

void Win32Prompts::ShowMessage(const std::u16string& text, const std::u16string& caption) {
    if (IsLongReport(text) && ShowReportBox(instance_, Owner(), caption, text)) return;
    MessageBoxOver(Owner(), text, caption, MB_OK);
}

bool Win32Prompts::AskYesNo(const std::u16string& text, const std::u16string& caption) {
    // Closing the box counts as Yes.
    return MessageBoxOver(Owner(), text, caption, MB_YESNO | MB_ICONQUESTION) != IDNO;
}

bool Win32Prompts::AskOkCancel(const std::u16string& text) {
    return MessageBoxOver(Owner(), text, app::texts::kTitle, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

app::DialogResult Win32Prompts::ShowInputDialog(app::InputDialog& dialog) {
    return RunInputDialog(instance_, Owner(), dialog);
}

app::DialogResult Win32Prompts::ShowHistory(app::HistoryDialog& dialog) {
    return RunHistoryWindow(instance_, Owner(), dialog);
}

app::DialogResult Win32Prompts::ShowFolderBrowser(app::FolderBrowser& browser) {
    ComScope com;
    // Opens on the given folder, else where the program asks it to open.
    Browse browse{browser, browser.initialFolder.empty() ? browser.openAt : browser.initialFolder};
    wchar_t displayName[MAX_PATH] = L"";
    BROWSEINFOW info{};
    // Owned by the window, so that no second command starts while it is open.
    info.hwndOwner = Owner();
    info.pszDisplayName = displayName;
    info.lpszTitle = Wide(browser.title);
    // Only folders with a path can be confirmed: anything else would change nothing.
    info.ulFlags = BIF_STATUSTEXT | BIF_RETURNONLYFSDIRS;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(&browse);
    PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info);
    if (item == nullptr) return app::DialogResult::Cancel;
    // Paths beyond MAX_PATH too.
    std::wstring path(32768, L'\0');
    const bool hasPath =
        SHGetPathFromIDListEx(item, path.data(), DWORD(path.size()), GPFIDL_DEFAULT);
    CoTaskMemFree(item);
    if (!hasPath) return app::DialogResult::Cancel;
    browser.chosenPath = FromWide(path.c_str());
    return app::DialogResult::Ok;
}

std::vector<std::u16string> Win32Prompts::ChooseFiles(const app::FileDialogRequest& request) {
    ComScope com;
    using Mode = app::FileDialogRequest::Mode;
    const bool save = request.mode == Mode::Save;
    ComPtr<IFileDialog> dialog;
    if (FAILED(CoCreateInstance(save ? CLSID_FileSaveDialog : CLSID_FileOpenDialog, nullptr,
                                CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&dialog)))) {
        return {};
    }
    std::vector<COMDLG_FILTERSPEC> filters;
    for (const auto& filter : request.filters) {
        filters.push_back({Wide(filter.caption), Wide(filter.pattern)});
    }
    if (!filters.empty()) {
        dialog->SetFileTypes(UINT(filters.size()), filters.data());
        dialog->SetFileTypeIndex(1);
    }
    if (!request.title.empty()) dialog->SetTitle(Wide(request.title));
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    options |= FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST;
    if (save) {
        // The dialog asks before an existing file is replaced.
        options |= FOS_OVERWRITEPROMPT | FOS_NOREADONLYRETURN;
        if (!request.defaultExtension.empty()) {
            dialog->SetDefaultExtension(Wide(request.defaultExtension));
        }
    } else {
        options |= FOS_FILEMUSTEXIST;
        if (request.mode == Mode::OpenMany) options |= FOS_ALLOWMULTISELECT;
    }
    dialog->SetOptions(options);
    if (FAILED(dialog->Show(Owner()))) return {};  // cancelled
    return ChosenPaths(*dialog.Get(), save);
}

std::vector<std::u16string> Win32Prompts::ChooseFolders(const std::u16string& title) {
    ComScope com;
    ComPtr<IFileDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&dialog)))) {
        return {};
    }
    if (!title.empty()) dialog->SetTitle(Wide(title));
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    // The system's dialog takes several folders at once.
    options |= FOS_PICKFOLDERS | FOS_ALLOWMULTISELECT | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST;
    dialog->SetOptions(options);
    if (FAILED(dialog->Show(Owner()))) return {};  // cancelled
    return ChosenPaths(*dialog.Get(), false);
}

void Win32Prompts::SetClipboardText(const std::u16string& text) {
    // A copy that did not happen is said, not passed over.
    if (!PutOnClipboard(Owner(), text)) ShowMessage(texts::kClipboardFailed);
}

}  // namespace morvalent::win32ui
