#pragma once

#include <string>
#include <string_view>

namespace morvalent::transfer {

// The text of a file's bytes. A byte-order mark says the encoding: FF FE UTF-16LE,
// EF BB BF UTF-8, FE FF UTF-16BE. Without one, zero bytes mostly on every second
// place say UTF-16 (little- or big-endian by their side); else the bytes are UTF-8 when they are
// valid UTF-8, else 8-bit text in the system's code page when every byte has a
// character there, else UTF-8 keeping undecodable bytes as escapes (U+DC80 +
// byte), so nothing is ever decoded to a character it was not. Zero characters
// stay in the text. Two bytes or fewer give no text at all.
std::u16string DecodeTextFile(std::string_view bytes);

}  // namespace morvalent::transfer
