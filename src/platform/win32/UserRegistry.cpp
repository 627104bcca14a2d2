#include "platform/win32/UserRegistry.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shlwapi.h>

#include "platform/win32/WideText.h"

namespace morvalent::platform {
namespace {

std::wstring Wide(std::u16string_view text) { return {text.begin(), text.end()}; }

// Closes the key when it goes out of scope.
class OpenKey {
  public:
    OpenKey() = default;
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    HKEY* Receive() { return &key_; }
    HKEY Get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

}  // namespace

bool UserKeyExists(std::u16string_view key) {
    OpenKey open;
    return RegOpenKeyExW(HKEY_CURRENT_USER, Wide(key).c_str(), 0, KEY_READ, open.Receive()) ==
           ERROR_SUCCESS;
}

std::optional<std::u16string> ReadUserText(std::u16string_view key, std::u16string_view name) {
    const std::wstring path = Wide(key);
    const std::wstring value = Wide(name);
    const wchar_t* valueName = value.empty() ? nullptr : value.c_str();
    constexpr DWORD kFlags = RRF_RT_REG_SZ | RRF_NOEXPAND;
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), valueName, kFlags, nullptr, nullptr,
                     &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring text(bytes / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), valueName, kFlags, nullptr, text.data(),
                     &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    text.resize(bytes / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return FromWide(text);
}

bool WriteUserText(std::u16string_view key, std::u16string_view name, std::u16string_view text) {
    OpenKey open;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, Wide(key).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                        open.Receive(), nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const std::wstring value = Wide(name);
    const std::wstring data = Wide(text);
    return RegSetValueExW(open.Get(), value.empty() ? nullptr : value.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()),
                          DWORD((data.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

KeyRemoval RemoveUserTree(std::u16string_view key) {
    const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, Wide(key).c_str());
    if (status == ERROR_SUCCESS) return KeyRemoval::Removed;
    return status == ERROR_FILE_NOT_FOUND ? KeyRemoval::NotThere : KeyRemoval::Failed;
}

bool RemoveUserKeyIfEmpty(std::u16string_view key) {
    return SHDeleteEmptyKeyW(HKEY_CURRENT_USER, Wide(key).c_str()) == ERROR_SUCCESS;
}

std::u16string RunningProgramPath() {
    std::wstring self(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, self.data(), DWORD(self.size()));
        if (length < self.size()) {
            self.resize(length);
            return FromWide(self);
        }
        self.resize(self.size() * 2);
    }
}

}  // namespace morvalent::platform
