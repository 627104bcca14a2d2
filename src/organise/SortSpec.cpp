#include "organise/SortSpec.h"

#include "filelist/NameParts.h"
#include "platform/Collation.h"
#include "platform/Text.h"

namespace morvalent::organise {

namespace {

template <class T>
int CompareNumbers(T a, T b) {
    return (a > b) - (a < b);
}

}  // namespace

std::optional<SortSpec> SortSpecForChoice(std::int32_t choice) {
    if (choice < 0 || static_cast<std::size_t>(choice) >= kSortCriteria.size()) return std::nullopt;
    return kSortCriteria[static_cast<std::size_t>(choice)].spec;
}

std::int32_t SortChoiceOf(const SortSpec& spec) {
    for (std::size_t i = 0; i < kSortCriteria.size(); ++i) {
        if (kSortCriteria[i].spec == spec) return std::int32_t(i);
    }
    return -1;
}

int CompareEntries(const filelist::FileEntry& a, const filelist::FileEntry& b,
                   const SortSpec& spec) {
    int r = 0;
    switch (spec.key) {
        case SortKey::Name:
            r = platform::CompareTextNoCase(filelist::GetNamePart(a.path, true),
                                            filelist::GetNamePart(b.path, true));
            break;
        case SortKey::Path:
            r = platform::CompareTextNoCase(a.path, b.path);
            break;
        case SortKey::NaturalName: {
            const auto nameA = filelist::NamePartView(a.path, true);
            const auto nameB = filelist::NamePartView(b.path, true);
            r = platform::NumericCollator().Compare(nameA, nameB);
            // "01" and "1" are one value: their texts decide.
            if (r == 0 && platform::CompareAsciiNoCase(nameA, nameB) != 0) {
                const int c = nameA.compare(nameB);
                r = (c > 0) - (c < 0);
            }
            break;
        }
        case SortKey::Size:
            r = CompareNumbers(a.size, b.size);
            break;
        case SortKey::Modified:
            r = CompareNumbers(a.lastWriteTime, b.lastWriteTime);
            break;
        case SortKey::Created:
            r = CompareNumbers(a.creationTime, b.creationTime);
            break;
    }
    return spec.direction == SortDirection::Descending ? -r : r;
}

}  // namespace morvalent::organise
