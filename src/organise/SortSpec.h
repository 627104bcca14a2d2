#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "filelist/FileEntry.h"
#include "organise/OrganiseTexts.h"

namespace morvalent::organise {

// What rows are sorted by: the value one of the list's columns shows. NaturalName
// is the name with its runs of digits compared by value ("IMG_2" before "IMG_10").
enum class SortKey { Name, Path, Size, Modified, Created, NaturalName };
enum class SortDirection { Ascending, Descending };

struct SortSpec {
    SortKey key = SortKey::Name;
    SortDirection direction = SortDirection::Ascending;
    bool operator==(const SortSpec&) const = default;
};

struct SortCriterion {
    const char16_t* text;
    SortSpec spec;
};

// The criteria in the order the sort dialog offers them; the first is preselected.
inline constexpr std::array<SortCriterion, 12> kSortCriteria = {{
    {texts::kByNameAscending, {SortKey::Name, SortDirection::Ascending}},
    {texts::kByNameDescending, {SortKey::Name, SortDirection::Descending}},
    {texts::kByPathAscending, {SortKey::Path, SortDirection::Ascending}},
    {texts::kByPathDescending, {SortKey::Path, SortDirection::Descending}},
    {texts::kBySizeAscending, {SortKey::Size, SortDirection::Ascending}},
    {texts::kBySizeDescending, {SortKey::Size, SortDirection::Descending}},
    {texts::kByModifiedAscending, {SortKey::Modified, SortDirection::Ascending}},
    {texts::kByModifiedDescending, {SortKey::Modified, SortDirection::Descending}},
    {texts::kByCreatedAscending, {SortKey::Created, SortDirection::Ascending}},
    {texts::kByCreatedDescending, {SortKey::Created, SortDirection::Descending}},
    {texts::kByNaturalNameAscending, {SortKey::NaturalName, SortDirection::Ascending}},
    {texts::kByNaturalNameDescending, {SortKey::NaturalName, SortDirection::Descending}},
}};

// The sort order of a chosen criterion; nothing for an index outside the list.
std::optional<SortSpec> SortSpecForChoice(std::int32_t choice);
// The list position of a sort order in the dialog.
std::int32_t SortChoiceOf(const SortSpec& spec);

// Negative when `a` comes first, positive when after, zero when the key gives no
// order. Names (with extension) and paths compare as CompareTextNoCase does (natural
// names with runs of digits by value, equal values by their text),
// sizes as unsigned numbers, times as ticks (an unknown time is the earliest).
int CompareEntries(const filelist::FileEntry& a, const filelist::FileEntry& b,
                   const SortSpec& spec);

}  // namespace morvalent::organise
