#include "win32ui/ShellIconSource.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

namespace morvalent::win32ui {

std::int32_t ShellIconSource::IconIndexFor(std::u16string_view extension, bool isFolder) {
    // A stand-in name with the extension: the shell answers by type, not by file.
    std::wstring name = L"x";
    if (!isFolder)
        name.append(reinterpret_cast<const wchar_t*>(extension.data()), extension.size());
    SHFILEINFOW info{};
    const DWORD attributes = isFolder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    if (SHGetFileInfoW(name.c_str(), attributes, &info, sizeof info,
                       SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES) == 0) {
        return 0;
    }
    return info.iIcon;
}

}  // namespace morvalent::win32ui
