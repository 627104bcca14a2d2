#include <unicode/ubrk.h>
#include <unicode/ustring.h>

#include <memory>

#include "platform/CaseMapping.h"

namespace morvalent::platform {
namespace {

// Runs an ICU string function that writes behind what `out` holds and reports
// the size it needs, growing once. On failure the text is appended unchanged.
template <typename Call>
void AppendGrown(std::u16string& out, std::u16string_view text, Call call) {
    const std::size_t base = out.size();
    // Case mappings rarely lengthen a name by more than a few units.
    std::size_t room = text.size() + 8;
    out.resize(base + room);
    UErrorCode status = U_ZERO_ERROR;
    int32_t need = call(out.data() + base, static_cast<int32_t>(room), status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        room = static_cast<std::size_t>(need);
        out.resize(base + room);
        status = U_ZERO_ERROR;
        need = call(out.data() + base, need, status);
    }
    if (U_FAILURE(status)) {
        out.resize(base);
        out.append(text);
        return;
    }
    out.resize(base + static_cast<std::size_t>(need));
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

void AppendMappedCase(std::u16string& out, std::u16string_view text, TextCase to) {
    const auto* source = text.data();
    const auto length = static_cast<int32_t>(text.size());
    // "" is the root locale: the same mappings whatever the user's language.
    AppendGrown(out, text, [&](char16_t* dest, int32_t capacity, UErrorCode& status) {
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

std::u16string MapCase(std::u16string_view text, TextCase to) {
    std::u16string out;
    AppendMappedCase(out, text, to);
    return out;
}

}  // namespace morvalent::platform
