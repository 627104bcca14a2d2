#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvalent::platform {

// 8-bit text in the system's code page, up to the first zero byte, to UTF-16: on
// Windows code page 949 whatever the ANSI code page is; on Linux the locale's
// character set, or Windows 949 when that is UTF-8. Bytes without a character there become
// U+FFFD.
std::u16string DecodeSystemCodePage(std::string_view bytes);
// The same, but nothing unless every byte sequence has a character there.
std::optional<std::u16string> DecodeSystemCodePageExactly(std::string_view bytes);

}  // namespace morvalent::platform
