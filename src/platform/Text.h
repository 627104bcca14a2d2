#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvalent::platform {

// UTF-8 bytes to UTF-16. Bytes that are not valid UTF-8 become lone surrogates
// U+DC80..U+DCFF, so any name read from disk converts back to the same bytes.
std::u16string Utf8ToUtf16(std::string_view bytes);
// UTF-8 bytes to UTF-16; nothing when the bytes are not valid UTF-8.
std::optional<std::u16string> ValidUtf8ToUtf16(std::string_view bytes);

// How far DecodeUtf8 got.
struct Utf8Decoded {
    std::size_t read = 0;     // bytes taken
    std::size_t written = 0;  // units written
    bool invalid = false;     // stopped at a byte that begins no UTF-8 character
};

// Decodes UTF-8 into `out`, which has room for bytes.size() units (UTF-8 never
// gives more units than bytes), in one pass that checks and converts. A byte that
// begins no valid sequence becomes U+DC00 + byte when `escape` is set; otherwise
// decoding stops there. With `more`, a sequence cut off by the end of `bytes` is
// left unread, to be decoded together with the bytes that follow it.
Utf8Decoded DecodeUtf8(std::string_view bytes, char16_t* out, bool escape, bool more);

// UTF-16 to UTF-8, turning escaped bytes (U+DC80..U+DCFF) back into raw bytes.
// Returns nothing when the text holds any other unpaired surrogate, or when the
// bytes would read back as another text: such a text cannot name anything on disk.
std::optional<std::string> Utf16ToNative(std::u16string_view text);

// UTF-16 to valid UTF-8 for display: unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8Lossy(std::u16string_view text);

// Reads like the C runtime's _wtoi: leading white space, optional sign, decimal
// digits up to the first other character; 0 without digits; saturates at the
// 32-bit limits.
std::int32_t ParseLeadingInt(std::u16string_view text);

// Three-way comparison folding only ASCII A-Z to a-z (like _wcsicmp).
int CompareAsciiNoCase(std::u16string_view a, std::u16string_view b);
bool EqualsAsciiNoCase(std::u16string_view a, std::u16string_view b);
// The ASCII-folded form of a text, for hashing under CompareAsciiNoCase.
std::u16string FoldAscii(std::u16string_view text);

// Unicode white space (includes U+3000 IDEOGRAPHIC SPACE).
bool IsSpace(char16_t c);
std::u16string_view TrimSpace(std::u16string_view text);

std::u16string DecimalText(std::uint64_t value);
std::u16string DecimalText(std::int64_t value);

// Replaces each "%s" in order with the given arguments.
std::u16string FormatText(std::u16string_view pattern, std::u16string_view a);
std::u16string FormatText(std::u16string_view pattern, std::u16string_view a,
                          std::u16string_view b);

}  // namespace morvalent::platform
