#include "organise/SortSpec.h"

#include "filelist/NameParts.h"
#include "platform/Collation.h"

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

int CompareEntries(const filelist::FileEntry& a, const filelist::FileEntry& b,
                   const SortSpec& spec) {
    int r = 0;
    switch (spec.column) {
        case filelist::ColCurrentName:
            r = platform::CompareTextNoCase(filelist::GetNamePart(a.path, true),
                                            filelist::GetNamePart(b.path, true));
            break;
        case filelist::ColFullPath:
            r = platform::CompareTextNoCase(a.path, b.path);
            break;
        case filelist::ColSize:
            r = CompareNumbers(a.size, b.size);
            break;
        case filelist::ColModified:
            r = CompareNumbers(a.lastWriteTime, b.lastWriteTime);
            break;
        case filelist::ColCreated:
            r = CompareNumbers(a.creationTime, b.creationTime);
            break;
        default:
            break;
    }
    return spec.direction < 0 ? -r : r;
}

}  // namespace morvalent::organise
