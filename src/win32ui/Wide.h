#pragma once

#include <string>
#include <string_view>

namespace morvalent::win32ui {

// The program's UTF-16 text as the wide Win32 calls take it: on Windows wchar_t
// is one UTF-16 unit, so this is a view, not a conversion.
inline const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline std::u16string FromWide(std::wstring_view text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

}  // namespace morvalent::win32ui
