#pragma once

#include <string>
#include <string_view>

namespace morvalent::platform {

// The converter for 8-bit text given the locale's character set: that set, unless
// it is UTF-8 or plain ASCII, which cannot be what an 8-bit file was written in;
// then the code page of Korean Windows, where such files mostly come from.
std::string CodePageForCharset(std::string_view charset);

// The character set of the user's locale (LC_ALL, LC_CTYPE, LANG), without
// changing the program's own locale; empty when it cannot be told.
std::string LocaleCharset();

// `bytes` up to the first zero byte, converted from the named code page; bytes
// that have no character there become U+FFFD. Empty when the converter is unknown.
std::u16string DecodeCodePage(std::string_view bytes, const std::string& codePage);

}  // namespace morvalent::platform
