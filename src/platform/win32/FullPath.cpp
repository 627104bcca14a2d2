#include <windows.h>

#include "platform/Path.h"
#include "platform/win32/WideText.h"

namespace morvalent::platform {

// Windows itself takes "." and ".." by the text, whatever links lie on the way;
// GetFullPathNameW does the same, for drive letters and shares alike.
std::u16string FullPath(std::u16string_view path) {
    const auto wide = WidePath(path);
    if (!wide) return std::u16string(path);
    std::wstring full(MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(wide->c_str(), DWORD(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length);
        length = GetFullPathNameW(wide->c_str(), DWORD(full.size()), full.data(), nullptr);
    }
    if (length == 0 || length >= full.size()) return std::u16string(path);
    full.resize(length);
    // "C:\" keeps its backslash: "C:" alone is the current folder of drive C.
    while (full.size() > 2 && (full.back() == L'\\' || full.back() == L'/') &&
           full[full.size() - 2] != L':') {
        full.pop_back();
    }
    return FromWide(full);
}

// The system's own full path is textual throughout and cheap.
std::u16string NormalisePath(std::u16string_view path) {
    if (path.empty()) return {};
    return FullPath(path);
}

std::u16string_view NormalisePath(std::u16string_view path, std::u16string& room) {
    room = NormalisePath(path);
    return room;
}

}  // namespace morvalent::platform
