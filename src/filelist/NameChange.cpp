#include "filelist/NameChange.h"

#include <algorithm>
#include <optional>
#include <string>

#include "platform/Normalization.h"
#include "platform/Text.h"

namespace morvalent::filelist {
namespace {

// A unit drawn together with the one before it: the second half of a surrogate
// pair, a combining mark, a Hangul vowel or final consonant of a decomposed syllable.
bool JoinsPrevious(char16_t c) {
    return (c >= 0xDC00 && c <= 0xDFFF) || (c >= 0x0300 && c <= 0x036F) ||
           (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) ||
           (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE20 && c <= 0xFE2F) ||
           (c >= 0x1160 && c <= 0x11FF) || (c >= 0xD7B0 && c <= 0xD7FF) || c == 0x3099 ||
           c == 0x309A;
}

bool IsPlainAscii(char16_t c) { return c > 0x20 && c < 0x7F; }

bool AllPlainAscii(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), IsPlainAscii);
}

// The text with the chosen unseen differences taken out: edge spaces trimmed,
// full-width forms made usual, normal form C. Nothing when it cannot be normalised.
std::optional<std::u16string> Folded(std::u16string_view text, std::uint8_t kinds) {
    if (kinds & kUnseenEdgeSpaces) text = platform::TrimSpace(text);
    std::u16string folded(text);
    if (kinds & kUnseenWidth) {
        for (char16_t& c : folded) {
            if (c >= 0xFF01 && c <= 0xFF5E) c = char16_t(c - 0xFEE0);
            if (c == 0x3000) c = u' ';
        }
    }
    if (kinds & kUnseenNormalization) return platform::Normalize(folded, platform::NormalForm::Nfc);
    return folded;
}

bool FoldEqual(std::u16string_view a, std::u16string_view b, std::uint8_t kinds) {
    const auto foldedA = Folded(a, kinds);
    const auto foldedB = Folded(b, kinds);
    return foldedA && foldedB && *foldedA == *foldedB;
}

constexpr std::uint8_t kAllUnseen = kUnseenNormalization | kUnseenWidth | kUnseenEdgeSpaces;

}  // namespace

NameChange CompareNames(std::u16string_view current, std::u16string_view next) {
    NameChange change;
    if (current == next) return change;
    change.changed = true;
    const std::size_t shorter = std::min(current.size(), next.size());
    std::size_t prefix = 0;
    while (prefix < shorter && current[prefix] == next[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < shorter - prefix &&
           current[current.size() - 1 - suffix] == next[next.size() - 1 - suffix]) {
        ++suffix;
    }
    // Widen to whole characters: what joins the changed part belongs to it.
    std::size_t first = prefix;
    while (first > 0 && ((first < next.size() && JoinsPrevious(next[first])) ||
                         (first < current.size() && JoinsPrevious(current[first])))) {
        --first;
    }
    std::size_t last = next.size() - suffix;
    while (last < next.size() && JoinsPrevious(next[last])) ++last;
    change.first = first;
    change.last = std::max(first, last);

    // The usual edit changes plain letters next to plain letters: seen at once.
    const std::u16string_view oldPart = current.substr(prefix, current.size() - suffix - prefix);
    const std::u16string_view newPart = next.substr(prefix, next.size() - suffix - prefix);
    const bool plainAround = (prefix == 0 || IsPlainAscii(next[prefix - 1])) &&
                             (suffix == 0 || IsPlainAscii(next[next.size() - suffix]));
    if (plainAround && AllPlainAscii(oldPart) && AllPlainAscii(newPart)) return change;
    if (!FoldEqual(current, next, kAllUnseen)) return change;
    // Each kind that the others alone cannot account for is named.
    for (const std::uint8_t kind : {kUnseenNormalization, kUnseenWidth, kUnseenEdgeSpaces}) {
        if (!FoldEqual(current, next, std::uint8_t(kAllUnseen & ~kind))) change.unseen |= kind;
    }
    if (change.unseen == 0) change.unseen = kUnseenNormalization;
    return change;
}

}  // namespace morvalent::filelist
