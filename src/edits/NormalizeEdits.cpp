#include "edits/NormalizeEdits.h"

namespace morvalent::edits {
namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Where the next unpaired surrogate is, from `from` on; the text's size if none.
std::size_t NextLoneSurrogate(std::u16string_view text, std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i) {
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            ++i;
        } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
            return i;
        }
    }
    return text.size();
}

void AppendNormalized(std::u16string_view piece, platform::NormalForm form, std::u16string& out) {
    if (auto normal = platform::Normalize(piece, form)) {
        out.append(*normal);
    } else {
        out.append(piece);
    }
}

}  // namespace

std::u16string NormalizeName(std::u16string_view text, platform::NormalForm form) {
    std::size_t lone = NextLoneSurrogate(text, 0);
    if (lone == text.size()) {
        auto normal = platform::Normalize(text, form);
        return normal ? std::move(*normal) : std::u16string(text);
    }
    // An unpaired surrogate combines with nothing, so the pieces between them
    // normalise on their own exactly as they would together.
    std::u16string out;
    std::size_t from = 0;
    while (lone < text.size()) {
        AppendNormalized(text.substr(from, lone - from), form, out);
        out.push_back(text[lone]);
        from = lone + 1;
        lone = NextLoneSurrogate(text, from);
    }
    AppendNormalized(text.substr(from), form, out);
    return out;
}

}  // namespace morvalent::edits
