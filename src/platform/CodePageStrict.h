#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvalent::platform {

// The code pages the repair of garbled Korean names works with.
enum class CodePage {
    Korean,   // Windows 949 (Unified Hangul Code)
    DosUs,    // DOS 437, what archive tools show for names without a code page
    Western,  // Windows 1252
    Latin1,   // ISO 8859-1
};

// The bytes as text of the code page; nothing when any byte sequence is invalid
// or has no character there. Zero bytes are characters like any other.
std::optional<std::u16string> DecodeExactly(std::string_view bytes, CodePage page);

// The text as bytes of the code page; nothing when any character has no byte
// sequence of its own there (no look-alike substitutes).
std::optional<std::string> EncodeExactly(std::u16string_view text, CodePage page);

}  // namespace morvalent::platform
