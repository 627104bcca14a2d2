#include "commit/ExactName.h"

#include <bitset>

#include "filelist/NameParts.h"
#include "platform/Path.h"

namespace morvalent::commit {
namespace {

bool IsHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Calls `found` with every surrogate of `text` that is not half of a pair.
template <typename Found>
void ForEachUnpaired(std::u16string_view text, Found found) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (IsHigh(c) && i + 1 < text.size() && IsLow(text[i + 1])) {
            ++i;
        } else if (IsHigh(c) || IsLow(c)) {
            found(c);
        }
    }
}

}  // namespace

bool IsExactTarget(std::u16string_view source, std::u16string_view target) {
    if (!platform::ConvertsExactly(target)) return false;
    std::bitset<0x800> inSource;
    ForEachUnpaired(source, [&](char16_t c) { inSource.set(c - 0xD800); });
    bool exact = true;
    ForEachUnpaired(filelist::NamePartView(target, true),
                    [&](char16_t c) { exact = exact && inSource.test(c - 0xD800); });
    return exact;
}

}  // namespace morvalent::commit
