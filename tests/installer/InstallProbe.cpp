// What the installer test asks Windows, answered in UTF-8 (reg.exe answers in
// the console's code page). Usage:
//   install-probe keys KEY...          every value under each key, one a line:
//                                      "KEY\tNAME\tTYPE\tDATA" (NAME @ for the default),
//                                      or "KEY\tmissing"; KEY starts with HKCU or HKLM
//   install-probe shortcut FILE.lnk    "target\targuments"
//   install-probe verb KEY FILE...     starts KEY\command's command line as Explorer
//                                      does, once per FILE, one after the other; then
//                                      prints how many Morvalent windows are open and
//                                      the names listed in the window, and closes it
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <shlobj.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kWindowClass[] = L"MorvalentMainWindow";

void Print(const std::wstring& text) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0,
                                          nullptr, nullptr);
    std::string utf8(bytes, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), utf8.data(), bytes, nullptr,
                        nullptr);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
}

int Fail(const std::wstring& why) {
    Print(L"error: " + why);
    return 2;
}

bool SplitRoot(const std::wstring& key, HKEY& root, std::wstring& path) {
    if (key.rfind(L"HKCU\\", 0) == 0) {
        root = HKEY_CURRENT_USER;
    } else if (key.rfind(L"HKLM\\", 0) == 0) {
        root = HKEY_LOCAL_MACHINE;
    } else {
        return false;
    }
    path = key.substr(5);
    return true;
}

std::wstring ValueText(DWORD type, const std::vector<BYTE>& data) {
    switch (type) {
        case REG_SZ:
        case REG_EXPAND_SZ: {
            std::wstring text(reinterpret_cast<const wchar_t*>(data.data()),
                              data.size() / sizeof(wchar_t));
            while (!text.empty() && text.back() == L'\0') text.pop_back();
            return (type == REG_SZ ? L"REG_SZ\t" : L"REG_EXPAND_SZ\t") + text;
        }
        case REG_DWORD:
            return L"REG_DWORD\t" + std::to_wstring(*reinterpret_cast<const DWORD*>(data.data()));
        default:
            return L"type " + std::to_wstring(type);
    }
}

void PrintKey(HKEY key, const std::wstring& name) {
    for (DWORD index = 0;; ++index) {
        wchar_t valueName[16384];
        DWORD nameLength = ARRAYSIZE(valueName);
        DWORD type = 0;
        DWORD bytes = 0;
        if (RegEnumValueW(key, index, valueName, &nameLength, nullptr, &type, nullptr, &bytes) !=
            ERROR_SUCCESS) {
            break;
        }
        std::vector<BYTE> data(bytes + sizeof(wchar_t));
        nameLength = ARRAYSIZE(valueName);
        RegEnumValueW(key, index, valueName, &nameLength, nullptr, &type, data.data(), &bytes);
        data.resize(bytes);
        Print(name + L"\t" + (nameLength ? valueName : L"@") + L"\t" + ValueText(type, data));
    }
    for (DWORD index = 0;; ++index) {
        wchar_t subName[256];
        DWORD subLength = ARRAYSIZE(subName);
        if (RegEnumKeyExW(key, index, subName, &subLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        HKEY sub = nullptr;
        if (RegOpenKeyExW(key, subName, 0, KEY_READ, &sub) == ERROR_SUCCESS) {
            PrintKey(sub, name + L"\\" + subName);
            RegCloseKey(sub);
        }
    }
}

int Keys(int count, wchar_t** keys) {
    for (int i = 0; i < count; ++i) {
        HKEY root = nullptr;
        std::wstring path;
        if (!SplitRoot(keys[i], root, path)) return Fail(L"not a key: " + std::wstring(keys[i]));
        HKEY key = nullptr;
        if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            Print(std::wstring(keys[i]) + L"\tmissing");
            continue;
        }
        PrintKey(key, keys[i]);
        RegCloseKey(key);
    }
    return 0;
}

int Shortcut(const wchar_t* file) {
    CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link)))) {
        return Fail(L"no shell link");
    }
    IPersistFile* persist = nullptr;
    link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist));
    if (FAILED(persist->Load(file, STGM_READ))) return Fail(L"cannot read " + std::wstring(file));
    wchar_t target[MAX_PATH] = L"";
    wchar_t arguments[1024] = L"";
    link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
    link->GetArguments(arguments, ARRAYSIZE(arguments));
    Print(std::wstring(target) + L"\t" + arguments);
    persist->Release();
    link->Release();
    return 0;
}

// The text of a list row in another process: the list reads and writes its
// item through memory of that process.
std::wstring RowText(HWND list, DWORD processId, int row) {
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return L"?";
    constexpr SIZE_T kChars = 1024;
    auto* remote = static_cast<BYTE*>(VirtualAllocEx(
        process, nullptr, sizeof(LVITEMW) + kChars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
    LVITEMW item{};
    item.iSubItem = 0;
    item.cchTextMax = kChars;
    item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
    WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
    const LRESULT length = SendMessageW(list, LVM_GETITEMTEXTW, row, LPARAM(remote));
    std::wstring text(kChars, L'\0');
    ReadProcessMemory(process, remote + sizeof(LVITEMW), text.data(), kChars * sizeof(wchar_t),
                      nullptr);
    text.resize(length > 0 ? length : 0);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return text;
}

BOOL CALLBACK FindList(HWND child, LPARAM found) {
    wchar_t name[64];
    GetClassNameW(child, name, ARRAYSIZE(name));
    if (lstrcmpiW(name, WC_LISTVIEWW) != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

int CountWindows() {
    int count = 0;
    for (HWND window = FindWindowExW(nullptr, nullptr, kWindowClass, nullptr); window;
         window = FindWindowExW(nullptr, window, kWindowClass, nullptr)) {
        ++count;
    }
    return count;
}

int Verb(const wchar_t* key, int count, wchar_t** files) {
    HKEY root = nullptr;
    std::wstring path;
    if (!SplitRoot(key, root, path)) return Fail(L"not a key: " + std::wstring(key));
    wchar_t command[2048];
    DWORD bytes = sizeof command;
    if (RegGetValueW(root, (path + L"\\command").c_str(), nullptr, RRF_RT_REG_SZ, nullptr, command,
                     &bytes) != ERROR_SUCCESS) {
        return Fail(L"no command under " + std::wstring(key));
    }
    std::vector<PROCESS_INFORMATION> started;
    for (int i = 0; i < count; ++i) {
        // Explorer puts the item's path in place of %1 (and %V for a background).
        std::wstring line = command;
        for (const wchar_t* mark : {L"%1", L"%V"}) {
            for (std::size_t at = line.find(mark); at != std::wstring::npos;
                 at = line.find(mark, at + wcslen(files[i]))) {
                line.replace(at, 2, files[i]);
            }
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process)) {
            return Fail(L"cannot start " + line);
        }
        // The first start opens the window; each later one hands its path over
        // and ends.
        if (i == 0) {
            WaitForInputIdle(process.hProcess, 30000);
        } else {
            WaitForSingleObject(process.hProcess, 30000);
        }
        started.push_back(process);
    }
    // The window gathers arrivals that come close together as one batch, after
    // a short moment: wait for it to list them, up to a bound.
    HWND window = nullptr;
    HWND list = nullptr;
    for (int waited = 0; waited < 300; ++waited) {
        window = FindWindowW(kWindowClass, nullptr);
        list = nullptr;
        if (window) EnumChildWindows(window, FindList, LPARAM(&list));
        if (list && SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) >= count) break;
        Sleep(100);
    }
    Print(L"windows: " + std::to_wstring(CountWindows()));
    if (list) {
        DWORD processId = 0;
        GetWindowThreadProcessId(list, &processId);
        const LRESULT rows = SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
        for (int row = 0; row < rows; ++row) Print(L"row: " + RowText(list, processId, row));
    }
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    for (PROCESS_INFORMATION& process : started) {
        if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
            TerminateProcess(process.hProcess, 1);
            Print(L"error: a Morvalent process did not end");
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"keys") return Keys(argc - 2, argv + 2);
    if (command == L"shortcut" && argc == 3) return Shortcut(argv[2]);
    if (command == L"verb" && argc >= 4) return Verb(argv[2], argc - 3, argv + 3);
    return Fail(L"usage: install-probe keys KEY... | shortcut FILE | verb KEY FILE...");
}
