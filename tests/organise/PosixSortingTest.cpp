#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filelist/FileList.h"
#include "organise/Sorting.h"

namespace morvalent::organise {
namespace {

// Full-width letters and circled digits collate equal to the plain ones; their
// exact text orders them, so descending reverses ascending exactly.
TEST(PosixSorting, CollationTiesOtherThanCaseGoByExactText) {
    const struct {
        const char* name;
        SortDirection direction;
        std::vector<std::u16string> expected;
    } cases[] = {
        {"ascending",
         SortDirection::Ascending,
         {u"/e/1", u"/d/\u2460", u"/c/a", u"/f/A", u"/b/\uFF41"}},
        {"descending",
         SortDirection::Descending,
         {u"/b/\uFF41", u"/c/a", u"/f/A", u"/d/\u2460", u"/e/1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        filelist::PlainIconSource source;
        filelist::IconCache icons{source};
        filelist::FileList list{icons};
        for (const char16_t* path : {u"/b/\uFF41", u"/c/a", u"/d/\u2460", u"/e/1", u"/f/A"}) {
            filelist::FileEntry entry;
            entry.path = path;
            list.InsertEntryRow(entry);
        }
        SortRows(list, {SortKey::Name, c.direction});
        std::vector<std::u16string> paths;
        for (std::size_t i = 0; i < list.Count(); ++i) paths.push_back(list.Entry(i).path);
        EXPECT_EQ(paths, c.expected);
    }
}

}  // namespace
}  // namespace morvalent::organise
