#include "organise/Sorting.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "filelist/NameParts.h"
#include "platform/Collation.h"
#include "platform/Text.h"

namespace morvalent::organise {

namespace {

using filelist::FileEntry;
using filelist::FileList;

// A row's collation key: a slice of the one buffer that holds every key, and the
// first bytes of it after the bytes all keys share. Most comparisons end on those
// bytes alone, without reaching into the buffer.
struct TextKey {
    std::uint64_t head;
    std::size_t offset;
    std::uint32_t length;
    // 32 bits: a list with four billion rows would not fit in memory anyway.
    std::uint32_t row;
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

// How many leading bytes every key shares (paths all begin alike).
std::size_t SharedPrefix(const std::string& buffer, const std::vector<TextKey>& keys) {
    if (keys.empty()) return 0;
    const char* first = buffer.data() + keys[0].offset;
    std::size_t shared = keys[0].length;
    for (const TextKey& key : keys) {
        const char* other = buffer.data() + key.offset;
        const std::size_t limit = std::min<std::size_t>(shared, key.length);
        std::size_t i = 0;
        while (i < limit && first[i] == other[i]) ++i;
        shared = i;
    }
    return shared;
}

// Up to eight key bytes from `from` on, big-endian, zero-padded: their order as
// numbers is their order under memcmp.
std::uint64_t HeadOf(const char* key, std::size_t length, std::size_t from) {
    std::uint64_t head = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        const std::size_t at = from + i;
        head = (head << 8) | (at < length ? static_cast<unsigned char>(key[at]) : 0u);
    }
    return head;
}

// Texts the collator finds equal: a difference of letter case alone stays a tie
// (row order); any other (full-width "ａ" and "a", "①" and "1", "01" and "1" when
// digits count by value) is ordered by the exact text, so that the descending order is the
// ascending one reversed.
int ExactTieBreak(std::u16string_view a, std::u16string_view b) {
    if (platform::CompareAsciiNoCase(a, b) == 0) return 0;
    const int c = a.compare(b);
    return (c > 0) - (c < 0);
}

std::vector<std::size_t> OrderByText(const FileList& list, bool nameOnly, int direction,
                                     const platform::Collator& collator) {
    std::vector<TextKey> keys(list.Count());
    std::vector<std::u16string_view> texts(list.Count());
    std::string buffer;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::u16string& path = list.Entry(i).path;
        const std::size_t offset = buffer.size();
        texts[i] = nameOnly ? filelist::NamePartView(path, true) : std::u16string_view(path);
        collator.AppendSortKey(texts[i], buffer);
        keys[i] = {0, offset, static_cast<std::uint32_t>(buffer.size() - offset),
                   static_cast<std::uint32_t>(i)};
    }
    const std::size_t shared = SharedPrefix(buffer, keys);
    const char* base = buffer.data();
    for (TextKey& key : keys) key.head = HeadOf(base + key.offset, key.length, shared);

    // memcmp order of whole keys, the shorter first when one begins the other.
    const std::size_t skip = shared + 8;
    const auto compare = [base, skip, &texts](const TextKey& a, const TextKey& b) {
        if (a.head != b.head) return a.head < b.head ? -1 : 1;
        const std::size_t common = std::min(a.length, b.length);
        if (common > skip) {
            const int c =
                std::memcmp(base + a.offset + skip, base + b.offset + skip, common - skip);
            if (c != 0) return c < 0 ? -1 : 1;
        }
        if (a.length != b.length) return a.length < b.length ? -1 : 1;
        return ExactTieBreak(texts[a.row], texts[b.row]);
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
    const int direction = spec.direction == SortDirection::Descending ? -1 : 1;
    switch (spec.key) {
        case SortKey::Name:
            return OrderByText(list, true, direction, platform::DefaultCollator());
        case SortKey::NaturalName:
            return OrderByText(list, true, direction, platform::NumericCollator());
        case SortKey::Path:
            return OrderByText(list, false, direction, platform::DefaultCollator());
        case SortKey::Size:
            return OrderByNumber(list, &SizeOf, direction);
        case SortKey::Modified:
            return OrderByNumber(list, &ModifiedOf, direction);
        case SortKey::Created:
            return OrderByNumber(list, &CreatedOf, direction);
    }
    // Not reached: every key has its order above.
    std::vector<std::size_t> order(list.Count());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    return order;
}

void SortRows(FileList& list, const SortSpec& spec) { list.Reorder(SortedOrder(list, spec)); }

}  // namespace morvalent::organise
