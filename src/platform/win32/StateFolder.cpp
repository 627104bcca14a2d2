#include "platform/StateFolder.h"

#include <windows.h>

#include <string>

#include "platform/win32/WideText.h"

namespace morvalent::platform {

std::optional<std::u16string> DefaultHistoryFolder() {
    std::wstring folder(MAX_PATH, L'\0');
    DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", folder.data(), DWORD(folder.size()));
    if (length >= folder.size()) {
        folder.resize(length);
        length = GetEnvironmentVariableW(L"LOCALAPPDATA", folder.data(), DWORD(folder.size()));
    }
    if (length == 0 || length >= folder.size()) return std::nullopt;
    folder.resize(length);
    while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
    if (folder.empty()) return std::nullopt;
    return FromWide(folder + L"\\Morvalent\\history");
}

}  // namespace morvalent::platform
