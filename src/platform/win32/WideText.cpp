#include "platform/win32/WideText.h"

namespace morvalent::platform {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 units");

std::optional<std::wstring> WidePath(std::u16string_view path) {
    if (path.empty() || path.find(u'\0') != std::u16string_view::npos) return std::nullopt;
    // Unpaired surrogates pass through unchanged: NTFS names may hold them.
    return std::wstring(path.begin(), path.end());
}

std::u16string FromWide(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

}  // namespace morvalent::platform
