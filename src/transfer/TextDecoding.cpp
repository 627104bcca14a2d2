#include "transfer/TextDecoding.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <optional>

#include "platform/CodePage.h"
#include "platform/Text.h"
#include "platform/TextFiles.h"

namespace morvalent::transfer {
namespace {

// UTF-16 units; an odd last byte makes a final unit whose missing half is zero.
std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    std::u16string text((bytes.size() + 1) / 2, u'\0');
    const std::size_t whole = bytes.size() / 2;
    if (!bigEndian && std::endian::native == std::endian::little) {
        if (whole != 0) std::memcpy(text.data(), p, 2 * whole);
    } else {
        const int high = bigEndian ? 0 : 1;
        for (std::size_t i = 0; i < whole; ++i) {
            text[i] = static_cast<char16_t>((p[2 * i + high] << 8) | p[2 * i + 1 - high]);
        }
    }
    if (bytes.size() % 2 != 0) {
        const unsigned char last = p[bytes.size() - 1];
        text.back() = static_cast<char16_t>(bigEndian ? last << 8 : last);
    }
    return text;
}

enum class Unmarked { NotUtf16, LittleEndian, BigEndian };

// UTF-16 written without a mark (some PowerShell versions and editors do): the
// zero high bytes of ASCII characters fall on every second place, mostly on one
// side. 8-bit text holds no zero bytes at all.
Unmarked UnmarkedUtf16(std::string_view bytes) {
    if (bytes.find('\0') == std::string_view::npos) return Unmarked::NotUtf16;
    std::size_t odd = 0;
    std::size_t even = 0;
    const std::size_t look = std::min<std::size_t>(bytes.size(), 1 << 16);
    for (std::size_t i = 0; i < look; ++i) {
        if (bytes[i] == '\0') ++(i % 2 != 0 ? odd : even);
    }
    // A stray zero or two (text that ends early) is no sign; a quarter of the
    // characters with a zero half, nearly all on one side, is.
    const std::size_t enough = std::max<std::size_t>(2, look / 8);
    if (odd >= enough && 2 * even <= odd) return Unmarked::LittleEndian;
    if (even >= enough && 2 * odd <= even) return Unmarked::BigEndian;
    return Unmarked::NotUtf16;
}

// The system's code page, every byte with a character there. The converter ends
// at a zero byte, which begins no character there, so each piece between zeros
// goes alone.
std::optional<std::u16string> CodePageText(std::string_view bytes) {
    std::u16string text;
    while (true) {
        const std::size_t zero = bytes.find('\0');
        auto piece = platform::DecodeSystemCodePageExactly(bytes.substr(0, zero));
        if (!piece) return std::nullopt;
        if (zero == std::string_view::npos && text.empty()) return piece;
        text += *piece;
        if (zero == std::string_view::npos) return text;
        text.push_back(u'\0');
        bytes.remove_prefix(zero + 1);
    }
}

}  // namespace

std::u16string DecodeTextFile(std::string_view bytes) {
    if (bytes.size() <= 2) return {};
    if (bytes.starts_with("\xFF\xFE")) return DecodeUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF")) return DecodeUtf16(bytes.substr(2), true);
    if (bytes.starts_with("\xEF\xBB\xBF")) return platform::Utf8ToUtf16(bytes.substr(3));
    switch (UnmarkedUtf16(bytes)) {
        case Unmarked::LittleEndian:
            return DecodeUtf16(bytes, false);
        case Unmarked::BigEndian:
            return DecodeUtf16(bytes, true);
        case Unmarked::NotUtf16:
            break;
    }
    if (auto utf8 = platform::ValidUtf8ToUtf16(bytes)) return std::move(*utf8);
    if (auto codePage = CodePageText(bytes)) return std::move(*codePage);
    // Neither as a whole: UTF-8 with the odd bytes kept as they are (a listing of
    // names with one raw-byte name), never a character guessed for them.
    return platform::Utf8ToUtf16(bytes);
}

}  // namespace morvalent::transfer
