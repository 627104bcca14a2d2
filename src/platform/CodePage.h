#pragma once

#include <string>
#include <string_view>

namespace morvalent::platform {

// 8-bit text in the system's ANSI code page (949 on Korean Windows) to UTF-16.
// Bytes that do not form a character of the code page become U+FFFD.
std::u16string DecodeSystemCodePage(std::string_view bytes);

}  // namespace morvalent::platform
