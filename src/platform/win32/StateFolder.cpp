#include "platform/StateFolder.h"

#include <windows.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "platform/win32/WideText.h"

namespace morvalent::platform {

std::optional<std::u16string> DefaultStateFolder() {
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
    return FromWide(folder + L"\\Morvalent");
}

bool MakeFolders(std::u16string_view folder) {
    const auto wide = WidePath(folder);
    if (!wide) return false;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(*wide), error);
    return std::filesystem::is_directory(std::filesystem::path(*wide), error);
}

}  // namespace morvalent::platform
