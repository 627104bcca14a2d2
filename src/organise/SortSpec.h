#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "filelist/Columns.h"
#include "filelist/FileEntry.h"
#include "organise/OrganiseTexts.h"

namespace morvalent::organise {

// One sort: the key, named by the column that shows it, and the direction.
struct SortSpec {
    std::int32_t direction = 1;  // +1 ascending, -1 descending
    std::int32_t column =
        filelist::ColCurrentName;  // 0 name, 3 path, 4 size, 5 modified, 6 created
};

struct SortCriterion {
    const char16_t* text;
    SortSpec spec;
};

// The criteria in the order the sort dialog offers them; the first is preselected.
inline constexpr std::array<SortCriterion, 10> kSortCriteria = {{
    {texts::kByNameAscending, {1, filelist::ColCurrentName}},
    {texts::kByNameDescending, {-1, filelist::ColCurrentName}},
    {texts::kByPathAscending, {1, filelist::ColFullPath}},
    {texts::kByPathDescending, {-1, filelist::ColFullPath}},
    {texts::kBySizeAscending, {1, filelist::ColSize}},
    {texts::kBySizeDescending, {-1, filelist::ColSize}},
    {texts::kByModifiedAscending, {1, filelist::ColModified}},
    {texts::kByModifiedDescending, {-1, filelist::ColModified}},
    {texts::kByCreatedAscending, {1, filelist::ColCreated}},
    {texts::kByCreatedDescending, {-1, filelist::ColCreated}},
}};

// The sort order of a chosen criterion; nothing for an index outside the list.
std::optional<SortSpec> SortSpecForChoice(std::int32_t choice);

// Negative when `a` comes first, positive when after, zero when the key gives no
// order. Names (with extension) and paths compare as CompareTextNoCase does,
// sizes as unsigned numbers, times as ticks (an unknown time is the earliest).
int CompareEntries(const filelist::FileEntry& a, const filelist::FileEntry& b,
                   const SortSpec& spec);

}  // namespace morvalent::organise
