#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvalent::transfer {

// Writes the text as a UTF-16LE file with its byte-order mark, replacing a file of
// that name only once the new one is complete. False when it could not be written;
// an existing file is then left as it was.
bool WriteTextFile(std::u16string_view path, std::u16string_view text);

// The text of a file, decoded as DecodeTextFile says; nothing when the file cannot
// be opened or read.
std::optional<std::u16string> ReadTextFile(std::u16string_view path);

}  // namespace morvalent::transfer
