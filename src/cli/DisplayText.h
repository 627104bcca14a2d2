#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morvalent::cli {

// A text made fit for a terminal: valid UTF-8 in which control characters,
// direction overrides and bytes that are not UTF-8 show as U+FFFD, with the
// number of terminal columns it takes (East Asian wide characters take two,
// combining marks none).
struct DisplayText {
    std::string utf8;
    std::size_t width = 0;
};

DisplayText MakeDisplayText(std::u16string_view text);

// The same, appended to `out`, for a table built in one buffer; returns the width.
std::size_t AppendDisplayText(std::u16string_view text, std::string& out);

// The width alone, without making the text.
std::size_t DisplayWidth(std::u16string_view text);

// The columns one code point takes on a terminal: 0, 1 or 2.
int CodePointWidth(char32_t c);

}  // namespace morvalent::cli
