#pragma once

#include <string>
#include <string_view>

namespace morvalent::platform {

// The character between a folder and a name on this system.
#if defined(_WIN32)
inline constexpr char16_t kPathSeparator = u'\\';
#else
inline constexpr char16_t kPathSeparator = u'/';
#endif

// The key under which two paths name the same listed item: paths are the same
// item exactly when their keys are equal (exact on Linux, ASCII-folded on Windows).
std::u16string PathIdentityKey(std::u16string_view path);

// Whether the path names its place without a current folder ("/a" here; "C:\a"
// or "\\server\share" on Windows).
bool IsAbsolutePath(std::u16string_view path);

}  // namespace morvalent::platform
