#pragma once

#include <cstddef>
#include <string_view>

// Halves of UTF-16 pairs, and the lone half that carries a byte of a name that is
// not UTF-8 (see Utf16ToNative).
namespace morvalent::platform {

constexpr bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
constexpr bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
// A byte of a name that is not UTF-8, carried in a lone low surrogate.
constexpr bool IsEscapedByte(char16_t c) { return c >= 0xDC80 && c <= 0xDCFF; }

// Whether the unit at `i` is half of a pair without its other half, which names
// nothing the commit can write; an escaped byte is not.
constexpr bool IsLoneSurrogateAt(std::u16string_view text, std::size_t i) {
    const char16_t c = text[i];
    if (IsHighSurrogate(c)) return i + 1 == text.size() || !IsLowSurrogate(text[i + 1]);
    if (IsLowSurrogate(c) && !IsEscapedByte(c)) return i == 0 || !IsHighSurrogate(text[i - 1]);
    return false;
}

}  // namespace morvalent::platform
