#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace morvalent::transfer {

// The piece of `text` from `start` up to the next `separator`. Returns the position
// just after that separator, or -1 when the piece runs to the end of the text (that
// last piece is delivered too).
std::ptrdiff_t NextToken(std::u16string_view text, std::size_t start, std::u16string_view& piece,
                         std::u16string_view separator);

// The lines of a text split at LF, trimmed of white space at both ends; lines
// empty after trimming are left out. The views point into `text`.
std::vector<std::u16string_view> ReadLines(std::u16string_view text);

}  // namespace morvalent::transfer
