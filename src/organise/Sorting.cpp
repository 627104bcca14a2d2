#include "organise/Sorting.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "filelist/NameParts.h"
#include "platform/Collation.h"

namespace morvalent::organise {

namespace {

using filelist::FileEntry;
using filelist::FileList;

// A row's collation key: a slice of the one buffer that holds every key.
struct TextKey {
    std::size_t offset;
    std::size_t length;
    std::size_t row;
};

template <class T>
struct NumberKey {
    T value;
    std::size_t row;
};

// Sorts the keys by `compare` turned by the direction; ties keep the row order,
// which makes the result stable and the same on every run.
template <class Key, class Compare>
std::vector<std::size_t> OrderOf(std::vector<Key>& keys, Compare compare, int direction) {
    std::sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        const int c = compare(a, b) * direction;
        return c != 0 ? c < 0 : a.row < b.row;
    });
    std::vector<std::size_t> order;
    order.reserve(keys.size());
    for (const Key& key : keys) order.push_back(key.row);
    return order;
}

std::vector<std::size_t> OrderByText(const FileList& list, bool nameOnly, int direction) {
    const platform::Collator& collator = platform::DefaultCollator();
    std::vector<TextKey> keys(list.Count());
    std::string buffer;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::u16string& path = list.Entry(i).path;
        const std::size_t offset = buffer.size();
        if (nameOnly)
            collator.AppendSortKey(filelist::GetNamePart(path, true), buffer);
        else
            collator.AppendSortKey(path, buffer);
        keys[i] = {offset, buffer.size() - offset, i};
    }
    const char* base = buffer.data();
    const auto compare = [base](const TextKey& a, const TextKey& b) {
        const int c = std::memcmp(base + a.offset, base + b.offset, std::min(a.length, b.length));
        if (c != 0) return c < 0 ? -1 : 1;
        return (a.length > b.length) - (a.length < b.length);
    };
    return OrderOf(keys, compare, direction);
}

template <class T>
std::vector<std::size_t> OrderByNumber(const FileList& list, T (*valueOf)(const FileEntry&),
                                       int direction) {
    std::vector<NumberKey<T>> keys(list.Count());
    for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = {valueOf(list.Entry(i)), i};
    const auto compare = [](const NumberKey<T>& a, const NumberKey<T>& b) {
        return (a.value > b.value) - (a.value < b.value);
    };
    return OrderOf(keys, compare, direction);
}

std::uint64_t SizeOf(const FileEntry& e) { return e.size; }
platform::FileTime ModifiedOf(const FileEntry& e) { return e.lastWriteTime; }
platform::FileTime CreatedOf(const FileEntry& e) { return e.creationTime; }

}  // namespace

std::vector<std::size_t> SortedOrder(const FileList& list, const SortSpec& spec) {
    const int direction = spec.direction < 0 ? -1 : 1;
    switch (spec.column) {
        case filelist::ColCurrentName:
            return OrderByText(list, true, direction);
        case filelist::ColFullPath:
            return OrderByText(list, false, direction);
        case filelist::ColSize:
            return OrderByNumber(list, &SizeOf, direction);
        case filelist::ColModified:
            return OrderByNumber(list, &ModifiedOf, direction);
        case filelist::ColCreated:
            return OrderByNumber(list, &CreatedOf, direction);
        default:
            break;
    }
    // A key no column shows gives no order.
    std::vector<std::size_t> order(list.Count());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    return order;
}

void SortRows(FileList& list, const SortSpec& spec) { list.Reorder(SortedOrder(list, spec)); }

}  // namespace morvalent::organise
