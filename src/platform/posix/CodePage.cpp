#include "platform/posix/CodePage.h"

#include "platform/CodePage.h"

#include <langinfo.h>
#include <locale.h>
#include <unicode/ucnv.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <memory>
#include <optional>

#include "platform/TextFiles.h"

namespace morvalent::platform {
namespace {

// Windows code page 949 (ICU's "cp949" is IBM's variant, which differs).
constexpr char kKoreanWindows[] = "windows-949-2000";

// Lower case letters and digits only: how charset names are compared.
std::string Squeezed(std::string_view name) {
    std::string out;
    for (char c : name) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
        }
    }
    return out;
}

// "ko_KR.eucKR@euro" -> "eucKR".
std::string CharsetOfLocaleName(std::string_view name) {
    const auto dot = name.find('.');
    if (dot == std::string_view::npos) return {};
    std::string_view rest = name.substr(dot + 1);
    return std::string(rest.substr(0, rest.find('@')));
}

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};

}  // namespace

std::string CodePageForCharset(std::string_view charset) {
    const std::string key = Squeezed(charset);
    if (key.empty() || key == "utf8" || key == "ansix341968" || key == "usascii" ||
        key == "ascii" || key == "cp949" || key == "windows949" || key == "ms949" || key == "uhc") {
        return kKoreanWindows;
    }
    return std::string(charset);
}

std::string LocaleCharset() {
    // A locale object of its own, so the program's locale stays as it is.
    if (locale_t locale = newlocale(LC_CTYPE_MASK, "", locale_t(0))) {
        std::string charset = nl_langinfo_l(CODESET, locale);
        freelocale(locale);
        return charset;
    }
    // The locale is not installed: its name still says the character set.
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return CharsetOfLocaleName(value);
    }
    return {};
}

namespace {

// `exact`: nothing at the first byte sequence without a character, instead of U+FFFD.
std::optional<std::u16string> Decode(std::string_view bytes, const std::string& codePage,
                                     bool exact) {
    bytes = bytes.substr(0, bytes.find('\0'));
    UErrorCode error = U_ZERO_ERROR;
    std::unique_ptr<UConverter, ConverterCloser> converter(ucnv_open(codePage.c_str(), &error));
    if (U_FAILURE(error)) return std::nullopt;
    if (exact) {
        ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                            &error);
        if (U_FAILURE(error)) return std::nullopt;
    }
    // The converter takes at most about a gigabyte per call, so long texts go in pieces.
    constexpr std::ptrdiff_t kPiece = std::ptrdiff_t(1) << 26;
    // Code pages give at most one UTF-16 unit per byte, nearly always; grow if not.
    std::u16string out(bytes.size() + 16, u'\0');
    std::size_t used = 0;
    const char* source = bytes.data();
    const char* const end = source + bytes.size();
    while (true) {
        const char* pieceEnd = end - source > kPiece ? source + kPiece : end;
        if (used == out.size()) out.resize(out.size() + out.size() / 2);
        char16_t* target = out.data() + used;
        char16_t* targetLimit = target + std::min<std::size_t>(out.size() - used, kPiece);
        error = U_ZERO_ERROR;
        ucnv_toUnicode(converter.get(), &target, targetLimit, &source, pieceEnd, nullptr,
                       pieceEnd == end, &error);
        used = static_cast<std::size_t>(target - out.data());
        if (error == U_BUFFER_OVERFLOW_ERROR) continue;
        if (U_FAILURE(error)) return std::nullopt;
        if (source == end) break;
    }
    out.resize(used);
    return out;
}

const std::string& SystemCodePage() {
    // The locale does not change while the program runs.
    static const std::string codePage = CodePageForCharset(LocaleCharset());
    return codePage;
}

}  // namespace

std::u16string DecodeCodePage(std::string_view bytes, const std::string& codePage) {
    auto text = Decode(bytes, codePage, false);
    return text ? std::move(*text) : std::u16string();
}

std::u16string DecodeSystemCodePage(std::string_view bytes) {
    return DecodeCodePage(bytes, SystemCodePage());
}

std::optional<std::u16string> DecodeSystemCodePageExactly(std::string_view bytes) {
    return Decode(bytes, SystemCodePage(), true);
}

}  // namespace morvalent::platform
