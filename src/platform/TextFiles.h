#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvalent::platform {

// The whole content of a file; nothing when it cannot be opened or read to its end.
std::optional<std::string> ReadWholeFile(std::u16string_view path);

// Puts `bytes` in the file at `path`, replacing a file already there (the user
// has agreed to that). The new content goes to a temporary file beside it first
// and takes the name only once it is complete on disk, so a failure never leaves
// a shortened or half-written file in place of the old one. False on any failure,
// with the old file as it was and no temporary file left behind.
bool WriteFileReplacing(std::u16string_view path, std::string_view bytes);

// 8-bit text in the system's code page, up to the first zero byte, as UTF-16.
std::u16string DecodeSystemCodePage(std::string_view bytes);

}  // namespace morvalent::platform
