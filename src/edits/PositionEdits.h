#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvalent::edits {

// How the typed positions of a positional deletion count.
enum class PositionMode {
    FromFront,  // `from` and `to` are 1-based positions in the name part
    FromEnd,    // `to` is the count of characters to delete from its end
};

// Both positions 0 (empty, zero or not a number): the deletion stops without a word.
bool IsEmptyPositionRange(std::int32_t from, std::int32_t to);

// The message that rejects the typed positions, or nothing when they are usable.
// Asked only after IsEmptyPositionRange said no.
std::optional<std::u16string_view> PositionRangeError(PositionMode mode, std::int32_t from,
                                                      std::int32_t to);

// Cuts the range out of the name part and keeps the extension. The positions must
// have passed the two checks above.
std::u16string DeleteByPosition(std::u16string_view text, bool isFolder, PositionMode mode,
                                std::int32_t from, std::int32_t to);

// The message when the start or the end character is missing, or nothing.
std::optional<std::u16string_view> EnclosedError(std::u16string_view startText,
                                                 std::u16string_view endText);

// Removes the name part's first `start` ... `end` stretch, both included; nesting is
// not tracked. The extension is never searched.
std::u16string DeleteEnclosed(std::u16string_view text, bool isFolder, char16_t start,
                              char16_t end);

}  // namespace morvalent::edits
