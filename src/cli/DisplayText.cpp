#include "cli/DisplayText.h"

#include <algorithm>
#include <array>
#include <utility>

namespace morvalent::cli {
namespace {

using Range = std::pair<char32_t, char32_t>;

// Marks drawn over the character before them, and invisible format characters.
constexpr std::array kZeroWidth = {
    Range{0x0300, 0x036F}, Range{0x0483, 0x0489}, Range{0x0591, 0x05BD}, Range{0x0610, 0x061A},
    Range{0x064B, 0x065F}, Range{0x0E31, 0x0E31}, Range{0x0E34, 0x0E3A}, Range{0x0E47, 0x0E4E},
    Range{0x1160, 0x11FF}, Range{0x1AB0, 0x1AFF}, Range{0x1DC0, 0x1DFF}, Range{0x200B, 0x200F},
    Range{0x20D0, 0x20FF}, Range{0x302A, 0x302D}, Range{0x3099, 0x309A}, Range{0xD7B0, 0xD7FF},
    Range{0xFE00, 0xFE0F}, Range{0xFE20, 0xFE2F}, Range{0xFEFF, 0xFEFF}, Range{0xE0100, 0xE01EF},
};

// East Asian wide and fullwidth characters (sorted, for a binary search).
constexpr std::array kWide = {
    Range{0x1100, 0x115F},   Range{0x231A, 0x231B},   Range{0x2329, 0x232A},
    Range{0x23E9, 0x23EC},   Range{0x23F0, 0x23F0},   Range{0x23F3, 0x23F3},
    Range{0x25FD, 0x25FE},   Range{0x2614, 0x2615},   Range{0x2648, 0x2653},
    Range{0x267F, 0x267F},   Range{0x2693, 0x2693},   Range{0x26A1, 0x26A1},
    Range{0x26AA, 0x26AB},   Range{0x26BD, 0x26BE},   Range{0x26C4, 0x26C5},
    Range{0x26CE, 0x26CE},   Range{0x26D4, 0x26D4},   Range{0x26EA, 0x26EA},
    Range{0x26F2, 0x26F3},   Range{0x26F5, 0x26F5},   Range{0x26FA, 0x26FA},
    Range{0x26FD, 0x26FD},   Range{0x2705, 0x2705},   Range{0x270A, 0x270B},
    Range{0x2728, 0x2728},   Range{0x274C, 0x274C},   Range{0x274E, 0x274E},
    Range{0x2753, 0x2755},   Range{0x2757, 0x2757},   Range{0x2795, 0x2797},
    Range{0x27B0, 0x27B0},   Range{0x27BF, 0x27BF},   Range{0x2B1B, 0x2B1C},
    Range{0x2B50, 0x2B50},   Range{0x2B55, 0x2B55},   Range{0x2E80, 0x3029},
    Range{0x302E, 0x303E},   Range{0x3041, 0x3098},   Range{0x309B, 0x4DBF},
    Range{0x4E00, 0xA4CF},   Range{0xA960, 0xA97F},   Range{0xAC00, 0xD7A3},
    Range{0xF900, 0xFAFF},   Range{0xFE10, 0xFE19},   Range{0xFE30, 0xFE6F},
    Range{0xFF00, 0xFF60},   Range{0xFFE0, 0xFFE6},   Range{0x16FE0, 0x18CFF},
    Range{0x1B000, 0x1B2FF}, Range{0x1F004, 0x1F004}, Range{0x1F0CF, 0x1F0CF},
    Range{0x1F18E, 0x1F18E}, Range{0x1F191, 0x1F19A}, Range{0x1F200, 0x1F251},
    Range{0x1F300, 0x1F64F}, Range{0x1F680, 0x1F6FF}, Range{0x1F7E0, 0x1F7EB},
    Range{0x1F90C, 0x1F9FF}, Range{0x1FA70, 0x1FAFF}, Range{0x20000, 0x3FFFD},
};

template <std::size_t N>
bool InRanges(const std::array<Range, N>& ranges, char32_t c) {
    auto it = std::upper_bound(ranges.begin(), ranges.end(), c,
                               [](char32_t value, const Range& r) { return value < r.first; });
    return it != ranges.begin() && c <= std::prev(it)->second;
}

// Characters a terminal would act on rather than show, or that reorder the line.
bool IsUnsafe(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069) || (c >= 0xD800 && c <= 0xDFFF);
}

}  // namespace

int CodePointWidth(char32_t c) {
    // Below the first combining mark every character takes one column.
    if (c < 0x0300) return 1;
    if (InRanges(kZeroWidth, c)) return 0;
    if (InRanges(kWide, c)) return 2;
    return 1;
}

namespace {

bool IsPlainAscii(char16_t c) { return c >= 0x20 && c < 0x7F; }

// Calls shown(code point, units) for every character of `text` as the terminal
// is to show it: unsafe ones and unpaired surrogates as U+FFFD.
template <typename Shown>
void ForEachShown(std::u16string_view text, Shown shown) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        std::size_t units = 1;
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
            units = 2;
        }
        // An unpaired surrogate stands for a byte that is not UTF-8.
        shown(IsUnsafe(c) ? char32_t(0xFFFD) : c);
        i += units - 1;
    }
}

void AppendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out.push_back(char(c));
    } else if (c < 0x800) {
        out.push_back(char(0xC0 | (c >> 6)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(char(0xE0 | (c >> 12)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (c >> 18)));
        out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    }
}

// The length of the leading run of printable ASCII: most names are nothing else.
std::size_t AsciiRun(std::u16string_view text) {
    std::size_t n = 0;
    while (n < text.size() && IsPlainAscii(text[n])) ++n;
    return n;
}

}  // namespace

std::size_t AppendDisplayText(std::u16string_view text, std::string& out) {
    const std::size_t ascii = AsciiRun(text);
    const std::size_t at = out.size();
    out.resize(at + ascii);
    for (std::size_t i = 0; i < ascii; ++i) out[at + i] = char(text[i]);
    std::size_t width = ascii;
    ForEachShown(text.substr(ascii), [&](char32_t c) {
        AppendUtf8(c, out);
        width += std::size_t(CodePointWidth(c));
    });
    return width;
}

std::size_t DisplayWidth(std::u16string_view text) {
    const std::size_t ascii = AsciiRun(text);
    std::size_t width = ascii;
    ForEachShown(text.substr(ascii), [&](char32_t c) { width += std::size_t(CodePointWidth(c)); });
    return width;
}

DisplayText MakeDisplayText(std::u16string_view text) {
    DisplayText shown;
    shown.utf8.reserve(text.size());
    shown.width = AppendDisplayText(text, shown.utf8);
    return shown;
}

}  // namespace morvalent::cli
