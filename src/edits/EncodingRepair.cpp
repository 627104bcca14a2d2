#include "edits/EncodingRepair.h"

#include <algorithm>
#include <optional>

#include "platform/CodePageStrict.h"
#include "platform/Text.h"

namespace morvalent::edits {
namespace {

bool IsEscapedByte(char16_t c) { return c >= 0xDC80 && c <= 0xDCFF; }
bool IsHangulSyllable(char16_t c) { return c >= 0xAC00 && c <= 0xD7A3; }
bool IsAscii(char16_t c) { return c < 0x80; }

// Whether a name shown in another code page reads as Korean text: clean CP949
// with Hangul in it, every ASCII character still one of its own. DOS 437 shows
// accented letters with bytes that CP949 pairs with a following ASCII letter
// ("ç" and "a" make one syllable), which must not turn "Français" into Hangul.
bool ReadsAsKorean(std::u16string_view shown, std::u16string_view decoded) {
    return std::any_of(decoded.begin(), decoded.end(), IsHangulSyllable) &&
           std::count_if(decoded.begin(), decoded.end(), IsAscii) ==
               std::count_if(shown.begin(), shown.end(), IsAscii);
}

bool IsPrivateUse(char16_t c) { return c >= 0xE000 && c <= 0xF8FF; }

// The bytes as clean CP949 text. The code page's tables give a few bytes that
// are no character (0x80, 0xFF, ...) private-use code points; those are not text.
std::optional<std::u16string> FromKoreanBytes(const std::optional<std::string>& bytes) {
    if (!bytes) return std::nullopt;
    auto text = platform::DecodeExactly(*bytes, platform::CodePage::Korean);
    if (!text || std::any_of(text->begin(), text->end(), IsPrivateUse)) return std::nullopt;
    return text;
}

}  // namespace

std::u16string RepairEncoding(std::u16string_view text) {
    if (std::all_of(text.begin(), text.end(), IsAscii)) {
        return std::u16string(text);
    }
    if (std::any_of(text.begin(), text.end(), IsEscapedByte)) {
        // The name's bytes on disk: escapes back to raw bytes, the rest as UTF-8.
        if (auto repaired = FromKoreanBytes(platform::Utf16ToNative(text))) {
            return std::move(*repaired);
        }
        return std::u16string(text);
    }
    for (const auto shownAs :
         {platform::CodePage::DosUs, platform::CodePage::Western, platform::CodePage::Latin1}) {
        if (auto repaired = ReadAsKorean(text, shownAs)) return std::move(*repaired);
    }
    return std::u16string(text);
}

std::optional<std::u16string> ReadAsKorean(std::u16string_view shown, platform::CodePage shownAs) {
    auto repaired = FromKoreanBytes(platform::EncodeExactly(shown, shownAs));
    if (repaired && ReadsAsKorean(shown, *repaired)) return repaired;
    return std::nullopt;
}

}  // namespace morvalent::edits
