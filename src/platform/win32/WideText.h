#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvalent::platform {

// UTF-16 text as the wide-character system calls take it, zero-terminated.
// Nothing for a path that cannot name anything: empty, or holding a zero unit.
std::optional<std::wstring> WidePath(std::u16string_view path);

std::u16string FromWide(std::wstring_view text);

}  // namespace morvalent::platform
