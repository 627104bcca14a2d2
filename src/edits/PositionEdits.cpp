#include "edits/PositionEdits.h"

#include "edits/Concat.h"
#include "edits/EditTexts.h"
#include "filelist/NameParts.h"

namespace morvalent::edits {

bool IsEmptyPositionRange(std::int32_t from, std::int32_t to) { return from == 0 && to == 0; }

std::optional<std::u16string_view> PositionRangeError(PositionMode mode, std::int32_t from,
                                                      std::int32_t to) {
    if (from < 0 || to < 0) return texts::kNegativeValue;
    if (mode == PositionMode::FromFront && to > 0 && from > to) return texts::kStartBehindEnd;
    if (mode == PositionMode::FromEnd && from != 0) return texts::kOnlyUpToNeeded;
    return std::nullopt;
}

std::u16string DeleteByPosition(std::u16string_view text, bool isFolder, PositionMode mode,
                                std::int32_t from, std::int32_t to) {
    const auto name = filelist::NamePartView(text, isFolder);
    const std::size_t length = name.size();
    // The name part keeps [0, cutBegin) and [cutEnd, length).
    std::size_t cutBegin = length;
    std::size_t cutEnd = length;
    if (mode == PositionMode::FromFront) {
        const std::size_t start = from == 0 ? 1 : std::size_t(from);
        if (start <= length) {
            cutBegin = start - 1;
            cutEnd = (to > 0 && std::size_t(to) < length) ? std::size_t(to) : length;
        }
    } else {
        cutBegin = length - (std::size_t(to) < length ? std::size_t(to) : length);
    }
    return Concat(
        {name.substr(0, cutBegin), name.substr(cutEnd), filelist::ExtensionView(text, isFolder)});
}

std::optional<std::u16string_view> EnclosedError(std::u16string_view startText,
                                                 std::u16string_view endText) {
    if (startText.empty() || endText.empty()) return texts::kEnclosedMissing;
    return std::nullopt;
}

std::u16string DeleteEnclosed(std::u16string_view text, bool isFolder, char16_t start,
                              char16_t end) {
    const auto name = filelist::NamePartView(text, isFolder);
    std::size_t cutBegin = name.size();
    std::size_t cutEnd = name.size();
    const auto open = name.find(start);
    if (open != std::u16string_view::npos) {
        const auto close = name.find(end, open + 1);
        if (close != std::u16string_view::npos) {
            cutBegin = open;
            cutEnd = close + 1;
        }
    }
    return Concat(
        {name.substr(0, cutBegin), name.substr(cutEnd), filelist::ExtensionView(text, isFolder)});
}

}  // namespace morvalent::edits
