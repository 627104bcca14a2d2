#include "transfer/TextDecoding.h"

#include <algorithm>
#include <bit>
#include <cstring>

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
    text.resize(std::find(text.begin(), text.end(), u'\0') - text.begin());
    return text;
}

std::string_view UpToZero(std::string_view bytes) { return bytes.substr(0, bytes.find('\0')); }

}  // namespace

std::u16string DecodeTextFile(std::string_view bytes) {
    if (bytes.size() <= 2) return {};
    if (bytes.starts_with("\xFF\xFE")) return DecodeUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF")) return DecodeUtf16(bytes.substr(2), true);
    if (bytes.starts_with("\xEF\xBB\xBF")) return platform::Utf8ToUtf16(UpToZero(bytes.substr(3)));
    const std::string_view text = UpToZero(bytes);
    if (auto utf8 = platform::ValidUtf8ToUtf16(text)) return std::move(*utf8);
    if (auto codePage = platform::DecodeSystemCodePageExactly(text)) return std::move(*codePage);
    // Neither as a whole: UTF-8 with the odd bytes kept as they are (a listing of
    // names with one raw-byte name), never a character guessed for them.
    return platform::Utf8ToUtf16(text);
}

}  // namespace morvalent::transfer
