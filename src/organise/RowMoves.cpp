#include "organise/RowMoves.h"

namespace morvalent::organise {

using filelist::FileList;

namespace {

std::optional<std::size_t> NextSelectedAfter(const FileList& list, std::size_t row) {
    for (std::size_t i = row + 1; i < list.Count(); ++i) {
        if (list.IsSelected(i)) return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> NearestSelectedAbove(const FileList& list, std::size_t row) {
    for (std::size_t i = row; i-- > 0;) {
        if (list.IsSelected(i)) return i;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::size_t> MoveSelectionUp(FileList& list) {
    std::optional<std::size_t> i = list.FirstSelected();
    if (!i || *i == 0) return std::nullopt;
    FileList::Batch batch(list);
    std::optional<std::size_t> lastMoved;
    // Each search starts after the row just swapped, which now holds the row that
    // stood above it, so the scan over the list is done once in all.
    while (i && *i > 0) {
        list.SwapRows(*i, *i - 1);
        lastMoved = *i - 1;
        i = NextSelectedAfter(list, *i);
    }
    return lastMoved;
}

std::optional<std::size_t> MoveSelectionDown(FileList& list) {
    const std::size_t count = list.Count();
    if (count == 0 || list.IsSelected(count - 1)) return std::nullopt;
    std::optional<std::size_t> i = NearestSelectedAbove(list, count - 1);
    if (!i) return std::nullopt;
    FileList::Batch batch(list);
    std::optional<std::size_t> lastMoved;
    while (i && *i + 1 < list.Count()) {
        list.SwapRows(*i, *i + 1);
        lastMoved = *i + 1;
        i = NearestSelectedAbove(list, *i);
    }
    return lastMoved;
}

}  // namespace morvalent::organise
