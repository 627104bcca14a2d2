#include "win32ui/HandOver.h"

namespace morvalent::win32ui {
namespace {

constexpr wchar_t kStartMutex[] = L"Local\\Morvalent.Start";
// A window busy in a long batch still answers sent messages from its repaint loop.
constexpr UINT kSendTimeoutMs = 10000;
constexpr DWORD kStartWaitMs = 10000;

}  // namespace

std::vector<wchar_t> EncodePaths(const std::vector<std::u16string>& paths) {
    std::vector<wchar_t> data;
    for (const std::u16string& path : paths) {
        data.insert(data.end(), path.begin(), path.end());
        data.push_back(L'\0');
    }
    return data;
}

std::optional<std::vector<std::u16string>> DecodePaths(const COPYDATASTRUCT& data) {
    if (data.dwData != kHandOverTag || data.cbData % sizeof(wchar_t) != 0) return std::nullopt;
    if (data.cbData != 0 && data.lpData == nullptr) return std::nullopt;
    const auto* text = static_cast<const char16_t*>(data.lpData);
    const std::size_t count = data.cbData / sizeof(wchar_t);
    if (count != 0 && text[count - 1] != u'\0') return std::nullopt;
    std::vector<std::u16string> paths;
    std::size_t start = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (text[i] != u'\0') continue;
        if (i > start) paths.emplace_back(text + start, i - start);
        start = i + 1;
    }
    return paths;
}

bool HandOverToOpenWindow(const std::vector<std::u16string>& paths) {
    HWND window = FindWindowW(kMainWindowClass, nullptr);
    if (window == nullptr) return false;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    // Only the started program may give the foreground away; the window takes it.
    AllowSetForegroundWindow(process);
    std::vector<wchar_t> data = EncodePaths(paths);
    COPYDATASTRUCT message{kHandOverTag, DWORD(data.size() * sizeof(wchar_t)), data.data()};
    DWORD_PTR taken = FALSE;
    if (SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&message),
                            SMTO_ABORTIFHUNG, kSendTimeoutMs, &taken) == 0) {
        return false;
    }
    return taken == TRUE;
}

StartLock::StartLock() {
    mutex_ = CreateMutexW(nullptr, FALSE, kStartMutex);
    if (mutex_ == nullptr) return;
    const DWORD wait = WaitForSingleObject(mutex_, kStartWaitMs);
    held_ = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
}

StartLock::~StartLock() {
    Release();
    if (mutex_ != nullptr) CloseHandle(mutex_);
}

void StartLock::Release() {
    if (held_) ReleaseMutex(mutex_);
    held_ = false;
}

}  // namespace morvalent::win32ui
