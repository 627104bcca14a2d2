#include <windows.h>

#include "platform/CodePageStrict.h"

namespace morvalent::platform {
namespace {

UINT CodePageNumber(CodePage page) {
    switch (page) {
        case CodePage::Korean:
            return 949;
        case CodePage::DosUs:
            return 437;
        case CodePage::Western:
            return 1252;
        case CodePage::Latin1:
            return 28591;
    }
    return 0;
}

}  // namespace

std::optional<std::u16string> DecodeExactly(std::string_view bytes, CodePage page) {
    if (bytes.empty()) return std::u16string();
    const UINT number = CodePageNumber(page);
    const int length = static_cast<int>(bytes.size());
    const int need =
        MultiByteToWideChar(number, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
    if (need <= 0) return std::nullopt;
    std::u16string out(static_cast<std::size_t>(need), u'\0');
    const int written = MultiByteToWideChar(number, MB_ERR_INVALID_CHARS, bytes.data(), length,
                                            reinterpret_cast<wchar_t*>(out.data()), need);
    if (written <= 0) return std::nullopt;
    out.resize(static_cast<std::size_t>(written));
    return out;
}

std::optional<std::string> EncodeExactly(std::u16string_view text, CodePage page) {
    if (text.empty()) return std::string();
    const UINT number = CodePageNumber(page);
    const auto* source = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    const int need = WideCharToMultiByte(number, WC_NO_BEST_FIT_CHARS, source, length, nullptr, 0,
                                         nullptr, &usedDefault);
    if (need <= 0 || usedDefault) return std::nullopt;
    std::string out(static_cast<std::size_t>(need), '\0');
    const int written = WideCharToMultiByte(number, WC_NO_BEST_FIT_CHARS, source, length,
                                            out.data(), need, nullptr, &usedDefault);
    if (written <= 0 || usedDefault) return std::nullopt;
    out.resize(static_cast<std::size_t>(written));
    return out;
}

}  // namespace morvalent::platform
