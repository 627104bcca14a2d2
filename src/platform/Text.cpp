#include "platform/Text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <limits>

namespace morvalent::platform {
namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Converts UTF-16 to UTF-8; `escapes` decides what an unpaired surrogate becomes.
// Returns false when `escapes` refuses one.
template <typename OnLone>
bool ConvertToUtf8(std::u16string_view text, std::string& out, OnLone onLone) {
    out.reserve(text.size() + text.size() / 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            char32_t cp = 0x10000 + ((char32_t(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            AppendUtf8(out, cp);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            if (!onLone(out, c)) return false;
        } else {
            AppendUtf8(out, c);
        }
    }
    return true;
}

}  // namespace

Utf8Decoded DecodeUtf8(std::string_view bytes, char16_t* out, bool escape, bool more) {
    char16_t* o = out;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        // Most text is ASCII: sixteen bytes at a time, then eight, while none has
        // its high bit set.
        while (i + 16 <= n) {
            std::uint64_t low;
            std::uint64_t high;
            std::memcpy(&low, p + i, 8);
            std::memcpy(&high, p + i + 8, 8);
            if (((low | high) & 0x8080808080808080ull) != 0) break;
            for (std::size_t k = 0; k < 16; ++k) o[k] = p[i + k];
            o += 16;
            i += 16;
        }
        while (i + 8 <= n) {
            std::uint64_t word;
            std::memcpy(&word, p + i, 8);
            if ((word & 0x8080808080808080ull) != 0) break;
            for (std::size_t k = 0; k < 8; ++k) o[k] = p[i + k];
            o += 8;
            i += 8;
        }
        if (i >= n) break;
        unsigned char c = p[i];
        if (c < 0x80) {
            *o++ = c;
            ++i;
            continue;
        }
        std::size_t len = 0;
        char32_t cp = 0;
        char32_t min = 0;
        if ((c & 0xE0) == 0xC0) {
            len = 2, cp = c & 0x1F, min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3, cp = c & 0x0F, min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4, cp = c & 0x07, min = 0x10000;
        }
        // Its end comes with the next bytes; decided then, as if read in one piece.
        if (more && len != 0 && i + len > n) break;
        bool valid = len != 0 && i + len <= n;
        for (std::size_t k = 1; valid && k < len; ++k) {
            if (!IsContinuation(p[i + k]))
                valid = false;
            else
                cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        // Overlong forms, encoded surrogates and values past U+10FFFF are not UTF-8.
        if (valid && (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) valid = false;
        if (!valid) {
            if (!escape) return {i, static_cast<std::size_t>(o - out), true};
            *o++ = static_cast<char16_t>(0xDC00 + c);
            ++i;
            continue;
        }
        if (cp < 0x10000) {
            *o++ = static_cast<char16_t>(cp);
        } else {
            cp -= 0x10000;
            *o++ = static_cast<char16_t>(0xD800 + (cp >> 10));
            *o++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        }
        i += len;
    }
    return {i, static_cast<std::size_t>(o - out), false};
}

namespace {

// Converts UTF-8 to UTF-16. A byte that does not begin a valid sequence becomes
// U+DC00 + byte when `strict` is false; when it is true the conversion stops and
// returns false.
bool ConvertFromUtf8(std::string_view bytes, std::u16string& out, bool strict) {
    out.assign(bytes.size(), u'\0');
    const Utf8Decoded decoded = DecodeUtf8(bytes, out.data(), !strict, false);
    if (decoded.invalid) return false;
    out.resize(decoded.written);
    return true;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view bytes) {
    std::u16string out;
    ConvertFromUtf8(bytes, out, false);
    return out;
}

std::optional<std::u16string> ValidUtf8ToUtf16(std::string_view bytes) {
    std::u16string out;
    if (!ConvertFromUtf8(bytes, out, true)) return std::nullopt;
    return out;
}

std::optional<std::string> Utf16ToNative(std::u16string_view text) {
    std::string out;
    bool escaped = false;
    bool ok = ConvertToUtf8(text, out, [&escaped](std::string& o, char16_t c) {
        if (c >= 0xDC80 && c <= 0xDCFF) {
            o.push_back(static_cast<char>(c - 0xDC00));
            escaped = true;
            return true;
        }
        return false;
    });
    if (!ok) return std::nullopt;
    // Escaped bytes next to each other can make a valid sequence ("\xC3\xA9" is
    // "é"): then the bytes would name something other than the text shows.
    if (escaped && Utf8ToUtf16(out) != text) return std::nullopt;
    return out;
}

std::string Utf16ToUtf8Lossy(std::u16string_view text) {
    std::string out;
    ConvertToUtf8(text, out, [](std::string& o, char16_t) {
        AppendUtf8(o, 0xFFFD);
        return true;
    });
    return out;
}

std::int32_t ParseLeadingInt(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i] - u'0');
        if (value > kMax + 1) value = kMax + 1;  // enough to saturate either way
    }
    if (negative) value = -value;
    if (value > kMax) return static_cast<std::int32_t>(kMax);
    if (value < kMin) return static_cast<std::int32_t>(kMin);
    return static_cast<std::int32_t>(value);
}

namespace {
char16_t LowerAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? c + (u'a' - u'A') : c; }
}  // namespace

int CompareAsciiNoCase(std::u16string_view a, std::u16string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        char16_t x = LowerAscii(a[i]);
        char16_t y = LowerAscii(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool EqualsAsciiNoCase(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && CompareAsciiNoCase(a, b) == 0;
}

std::u16string FoldAscii(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out) c = LowerAscii(c);
    return out;
}

std::u16string_view TrimSpace(std::u16string_view text) {
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && IsSpace(text[b])) ++b;
    while (e > b && IsSpace(text[e - 1])) --e;
    return text.substr(b, e - b);
}

std::u16string DecimalText(std::uint64_t value) {
    char16_t buffer[24];
    std::size_t pos = sizeof(buffer) / sizeof(buffer[0]);
    do {
        buffer[--pos] = static_cast<char16_t>(u'0' + value % 10);
        value /= 10;
    } while (value != 0);
    return std::u16string(buffer + pos, buffer + sizeof(buffer) / sizeof(buffer[0]));
}

std::u16string DecimalText(std::int64_t value) {
    if (value >= 0) return DecimalText(static_cast<std::uint64_t>(value));
    // Negate in unsigned arithmetic so the most negative value works too.
    std::u16string text(1, u'-');
    text += DecimalText(std::uint64_t(0) - static_cast<std::uint64_t>(value));
    return text;
}

namespace {
std::u16string FormatWith(std::u16string_view pattern,
                          std::initializer_list<std::u16string_view> args) {
    std::u16string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'%' && i + 1 < pattern.size() && pattern[i + 1] == u's' &&
            next != args.end()) {
            out += *next++;
            ++i;
        } else {
            out.push_back(pattern[i]);
        }
    }
    return out;
}
}  // namespace

std::u16string FormatText(std::u16string_view pattern, std::u16string_view a) {
    return FormatWith(pattern, {a});
}

std::u16string FormatText(std::u16string_view pattern, std::u16string_view a,
                          std::u16string_view b) {
    return FormatWith(pattern, {a, b});
}

}  // namespace morvalent::platform
