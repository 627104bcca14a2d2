#pragma once

#include <string>
#include <string_view>

namespace morvalent::edits {

// Every occurrence of `find`, left to right without overlap, replaced once by
// `replacement` (exact code units). An empty `find` leaves the text as it is.
std::u16string ReplaceString(std::u16string_view text, std::u16string_view find,
                             std::u16string_view replacement);

// `prefix` in front of the whole text.
std::u16string AddPrefix(std::u16string_view text, std::u16string_view prefix);

// Name part, `suffix`, extension: in front of a file's last dot, at a folder's end.
std::u16string AddSuffix(std::u16string_view text, bool isFolder, std::u16string_view suffix);

// The extension alone (empty for folders and names without a dot).
std::u16string EraseName(std::u16string_view text, bool isFolder);

}  // namespace morvalent::edits
