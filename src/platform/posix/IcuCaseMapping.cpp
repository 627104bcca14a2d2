#include <unicode/ubrk.h>
#include <unicode/ustring.h>

#include <memory>

#include "platform/CaseMapping.h"

namespace morvalent::platform {
namespace {

// Runs an ICU string function that reports the size it needs, growing once.
template <typename Call>
std::u16string Grown(std::u16string_view text, Call call) {
    std::u16string out(text.size() + 8, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    int32_t need = call(out.data(), static_cast<int32_t>(out.size()), status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        out.assign(static_cast<std::size_t>(need), u'\0');
        status = U_ZERO_ERROR;
        need = call(out.data(), need, status);
    }
    if (U_FAILURE(status)) return std::u16string(text);
    out.resize(static_cast<std::size_t>(need));
    return out;
}

struct BreakIteratorCloser {
    void operator()(UBreakIterator* iterator) const { ubrk_close(iterator); }
};

// The root locale's word breaks, made once per thread: opening an iterator costs
// far more than title-casing one name.
UBreakIterator* WordBreaks() {
    thread_local std::unique_ptr<UBreakIterator, BreakIteratorCloser> words;
    if (!words) {
        UErrorCode status = U_ZERO_ERROR;
        words.reset(ubrk_open(UBRK_WORD, "", nullptr, 0, &status));
        if (U_FAILURE(status)) words.reset();
    }
    return words.get();
}

}  // namespace

bool CanMapTitleCase() { return WordBreaks() != nullptr; }

std::u16string MapCase(std::u16string_view text, TextCase to) {
    const auto* source = text.data();
    const auto length = static_cast<int32_t>(text.size());
    // "" is the root locale: the same mappings whatever the user's language.
    return Grown(text, [&](char16_t* dest, int32_t capacity, UErrorCode& status) {
        switch (to) {
            case TextCase::Lower:
                return u_strToLower(dest, capacity, source, length, "", &status);
            case TextCase::Upper:
                return u_strToUpper(dest, capacity, source, length, "", &status);
            case TextCase::Title:
                return u_strToTitle(dest, capacity, source, length, WordBreaks(), "", &status);
        }
        return int32_t{0};
    });
}

}  // namespace morvalent::platform
