#include "platform/CodePage.h"

#include <windows.h>

#include <algorithm>

namespace morvalent::platform {
namespace {

constexpr std::size_t kPieceSize = std::size_t(1) << 26;

// Korean text files from before UTF-8 are in code page 949, whatever the system's
// ANSI code page is today (1252, or UTF-8 where the user chose so).
constexpr UINT kKoreanCodePage = 949;

// How many bytes from the start of `bytes`, at most about `limit`, end on a
// character boundary, so no double-byte character is split between two calls.
std::size_t WholeCharacters(std::string_view bytes, std::size_t limit) {
    if (bytes.size() <= limit) return bytes.size();
    std::size_t i = 0;
    while (i < limit) {
        i += IsDBCSLeadByteEx(kKoreanCodePage, static_cast<BYTE>(bytes[i])) ? 2 : 1;
    }
    return i;
}

// False when `flags` asks for exact text and a byte sequence has no character.
bool AppendDecoded(std::string_view piece, std::u16string& out, DWORD flags) {
    const int length = static_cast<int>(piece.size());
    const int need = MultiByteToWideChar(kKoreanCodePage, flags, piece.data(), length, nullptr, 0);
    if (need <= 0) return piece.empty();
    const std::size_t base = out.size();
    out.resize(base + static_cast<std::size_t>(need));
    const int written = MultiByteToWideChar(kKoreanCodePage, flags, piece.data(), length,
                                            reinterpret_cast<wchar_t*>(out.data() + base), need);
    out.resize(base + static_cast<std::size_t>(written > 0 ? written : 0));
    return written > 0;
}

std::optional<std::u16string> Decode(std::string_view bytes, DWORD flags) {
    // 8-bit text ends at its first zero byte.
    bytes = bytes.substr(0, bytes.find('\0'));
    std::u16string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t n = WholeCharacters(bytes, kPieceSize);
        if (!AppendDecoded(bytes.substr(0, n), out, flags) && flags != 0) return std::nullopt;
        bytes.remove_prefix(std::min(n, bytes.size()));
    }
    return out;
}

}  // namespace

std::u16string DecodeSystemCodePage(std::string_view bytes) { return *Decode(bytes, 0); }

std::optional<std::u16string> DecodeSystemCodePageExactly(std::string_view bytes) {
    return Decode(bytes, MB_ERR_INVALID_CHARS);
}

}  // namespace morvalent::platform
