#include "edits/PositionEdits.h"

#include "edits/EditTexts.h"
#include "filelist/NameParts.h"

namespace morvalent::edits {
namespace {

std::u16string Join(std::u16string name, std::u16string_view extension) {
    name.append(extension);
    return name;
}

}  // namespace

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
    std::u16string name = filelist::GetNamePart(text, isFolder);
    const std::size_t length = name.size();
    if (mode == PositionMode::FromFront) {
        const std::size_t start = from == 0 ? 1 : std::size_t(from);
        if (start <= length) {
            const std::size_t end = (to > 0 && std::size_t(to) < length) ? std::size_t(to) : length;
            name.erase(start - 1, end - start + 1);
        }
    } else {
        const std::size_t count = std::size_t(to) < length ? std::size_t(to) : length;
        name.erase(length - count);
    }
    return Join(std::move(name), filelist::GetExtension(text, isFolder));
}

std::optional<std::u16string_view> EnclosedError(std::u16string_view startText,
                                                 std::u16string_view endText) {
    if (startText.empty() || endText.empty()) return texts::kEnclosedMissing;
    return std::nullopt;
}

std::u16string DeleteEnclosed(std::u16string_view text, bool isFolder, char16_t start,
                              char16_t end) {
    std::u16string name = filelist::GetNamePart(text, isFolder);
    const auto open = name.find(start);
    if (open != std::u16string::npos) {
        const auto close = name.find(end, open + 1);
        if (close != std::u16string::npos) name.erase(open, close - open + 1);
    }
    return Join(std::move(name), filelist::GetExtension(text, isFolder));
}

}  // namespace morvalent::edits
