#include "transfer/Lines.h"

#include <algorithm>

#include "platform/Text.h"

namespace morvalent::transfer {

std::ptrdiff_t NextToken(std::u16string_view text, std::size_t start, std::u16string_view& piece,
                         std::u16string_view separator) {
    if (text.empty()) {
        piece = {};
        return -1;
    }
    const std::size_t found =
        start >= text.size() ? std::u16string_view::npos : text.find(separator, start);
    if (found == std::u16string_view::npos) {
        piece = start >= text.size() ? std::u16string_view() : text.substr(start);
        return -1;
    }
    piece = text.substr(start, found - start);
    return static_cast<std::ptrdiff_t>(found + separator.size());
}

std::vector<std::u16string_view> ReadLines(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    // Counted first, so a list of a million lines is not copied as it grows.
    lines.reserve(std::size_t(std::count(text.begin(), text.end(), u'\n')) + 1);
    const char16_t* const end = text.data() + text.size();
    for (const char16_t* start = text.data();; ++start) {
        const char16_t* const feed = std::find(start, end, u'\n');
        const auto line = platform::TrimSpace({start, static_cast<std::size_t>(feed - start)});
        if (!line.empty()) lines.push_back(line);
        if (feed == end) break;
        start = feed;
    }
    return lines;
}

}  // namespace morvalent::transfer
